#pragma once

// The formulas the explanations teach, their tolerances and the limits of what
// the body can reach: one table, each number with its source. Pressures in
// mmHg, HCO3 in mEq/L. The verdicts themselves come from the acid/base table
// and the oxygenation rows, never from here.

namespace halvex::rules {

// Henderson–Hasselbalch: pH = pK + log10(HCO3 / (solubility × PaCO2)), with the
// pK of carbonic acid in plasma and the solubility of CO2 in mmol/L per mmHg
// (any physiology text, e.g. Berend, de Vries and Gans, N Engl J Med
// 2014;371:1434). Values fit together when the pH measured lies within the
// tolerance of the pH they give; the tolerance allows for the rounding of
// reported values and the usual error of the analyser.
inline constexpr double kCarbonicPk = 6.1;
inline constexpr double kCo2Solubility = 0.03;
inline constexpr double kFitTolerance = 0.05;

// Expected PaCO2 = slope × HCO3 + intercept, ± tolerance.
struct MetabolicResponse {
    double slope;
    double intercept;
    double tolerance;
    double limit; // the PaCO2 the breathing can reach: a floor for acidosis, a ceiling for alkalosis
};

// Metabolic acidosis: Winter's formula (Albert, Dell and Winters, Ann Intern Med
// 1967;66:312). The lungs cannot bring the PaCO2 below about 10 mmHg (the limits
// of compensation of Narins and Emmett, Medicine 1980;59:161).
inline constexpr MetabolicResponse kMetabolicAcidosis{1.5, 8, 2, 10};
// Metabolic alkalosis: 0.7 × HCO3 + 20 ± 5, the widest range in common teaching
// (The 5-Minute Anesthesia Consult, Lippincott Williams & Wilkins 2013,
// "Metabolic alkalosis"): the breathing's answer to a high HCO3 varies more
// than to a low one, as pain, hypoxaemia or lung disease drive it too. The
// narrower textbook forms, 0.7 × HCO3 + 21 ± 2 (Berend, de Vries and Gans,
// 2014) and 0.7 × (HCO3 − 24) + 40, differ by about 2 mmHg and lie within it.
// Hypoventilation seldom takes the PaCO2 above about 55 mmHg (Narins and Emmett).
inline constexpr MetabolicResponse kMetabolicAlkalosis{0.7, 20, 5, 55};

// Expected HCO3 = 24 ± slope × |PaCO2 − 40|, acute (hours) and chronic (days),
// each kept within what the kidneys can reach, the range widened by the
// tolerance for individual variation (Narins and Emmett; Berend, de Vries and
// Gans, 2014).
struct RespiratoryResponse {
    double acuteSlope;   // mEq/L per mmHg
    double chronicSlope; // mEq/L per mmHg
    double acuteLimit;   // the HCO3 reached within hours: a ceiling for acidosis, a floor for alkalosis
    double chronicLimit; // the HCO3 reached over days
    double tolerance;
};
inline constexpr double kNormalHco3 = 24;
inline constexpr double kNormalPaco2 = 40;
inline constexpr RespiratoryResponse kRespiratoryAcidosis{0.1, 0.35, 30, 45, 2};
inline constexpr RespiratoryResponse kRespiratoryAlkalosis{0.2, 0.5, 18, 12, 2};

// The alveolar gas equation at sea level: PAO2 = FiO2 × (barometric − water
// vapour at 37 °C) − PaCO2 / respiratory quotient.
inline constexpr double kBarometric = 760;
inline constexpr double kWaterVapour = 47;
inline constexpr double kRespiratoryQuotient = 0.8;

// The upper normal A–a gradient on room air: age / 4 + 4 (the usual summary of
// Mellemgaard, Acta Physiol Scand 1966;67:10). It holds on room air only.
inline constexpr double kAaAgeDivisor = 4;
inline constexpr double kAaAgeOffset = 4;

// Respiratory failure: a PaO2 below 60 mmHg (8 kPa), at any age; type 2
// (hypercapnic) when the PaCO2 is above 45 mmHg (6 kPa) as well, type 1
// otherwise (BTS guideline for oxygen use in adults, O'Driscoll, Howard, Earis
// and Mak, Thorax 2017;72:ii1).
inline constexpr double kRespiratoryFailurePaO2Below = 60;
inline constexpr double kHypercapniaPaCO2Above = 45;

// The PaO2 expected on room air for an age: 109 − 0.43 × age, in healthy
// seated adults (Sorbini, Grassi, Solinas and Muiesan, Respiration 1968;25:3).
// It was drawn from adults, so it is not given below 18 years (our limit).
inline constexpr double kExpectedPaO2Intercept = 109;
inline constexpr double kExpectedPaO2PerYear = 0.43;
inline constexpr double kExpectedPaO2FromAge = 18;

// PaO2/FiO2 bands of the Berlin definition (ARDS Definition Task Force, JAMA
// 2012;307:2526): not impaired from 300, mild from 200, moderate from 100,
// severe below. Here a grade of oxygenation, not a diagnosis.
inline constexpr double kPfNotImpairedFrom = 300;
inline constexpr double kPfMildFrom = 200;
inline constexpr double kPfModerateFrom = 100;

// The anion gap, Na − (Cl + HCO3) in mEq/L, without potassium: normal 12 ± 4
// (Emmett and Narins, Medicine 1977;56:38; Kraut and Madias, Clin J Am Soc
// Nephrol 2007;2:162), raised above the upper limit.
inline constexpr double kNormalAnionGap = 12;
inline constexpr double kAnionGapSpread = 4;
// Each g/dL of albumin below 4.0 hides about 2.5 mEq/L of gap, and each g/dL
// above it adds as much (Figge, Jabor, Kazda and Fencl, Crit Care Med
// 1998;26:1807): the correction works both ways.
inline constexpr double kNormalAlbuminGdl = 4.0;
inline constexpr double kGapPerAlbuminGdl = 2.5;
// The delta ratio, (gap − 12) / (24 − HCO3), read in bands (Rastegar, J Am Soc
// Nephrol 2007;18:2429; the bands as Berend, de Vries and Gans, 2014, teach
// them): below 0.4 a normal-gap acidosis; from 0.4 to below 0.8 a high-gap and
// a normal-gap acidosis together; from 0.8 to 2 a high-gap acidosis alone;
// above 2 a high-gap acidosis with a metabolic alkalosis (or an HCO3 raised
// before, as in chronic respiratory acidosis).
inline constexpr double kDeltaNormalGapBelow = 0.4;
inline constexpr double kDeltaHighGapFrom = 0.8;
inline constexpr double kDeltaHighGapUpTo = 2;
// An HCO3 below this is low: with a normal gap, a normal-gap acidosis.
inline constexpr double kLowHco3Below = 22;

// The standard base excess, the reading of European and British teaching:
// SBE = 0.9287 × (HCO3 − 24.4 + 14.83 × (pH − 7.4)) mEq/L (Siggaard-Andersen's
// Van Slyke equation, as in Schlichtig, Grogono and Severinghaus, Crit Care Med
// 1998;26:1173). Normal from −2 to +2, as most teaching has it (Williams, BMJ
// 1998;317:1213), the same width as the HCO3's 22 to 26; some take −3 to +3,
// as the adult reference ranges of Radiometer's blood gas handbook span.
inline constexpr double kSbeFactor = 0.9287;
inline constexpr double kSbeHco3 = 24.4;
inline constexpr double kSbeBufferSlope = 14.83;
inline constexpr double kSbePh = 7.4;
inline constexpr double kSbeNormalSpread = 2;
// The responses read by the SBE (Schlichtig, Grogono and Severinghaus, 1998):
// metabolic acidosis, expected PaCO2 = 40 + SBE; metabolic alkalosis,
// 40 + 0.6 × SBE; acute respiratory disorders leave the SBE at 0; chronic
// ones move it by 0.4 × (PaCO2 − 40). The tolerances, 5 mmHg and 2 mEq/L, are
// ours, as wide as the HCO3 rules' widest.
inline constexpr double kSbeMetabolicAcidosisSlope = 1;
inline constexpr double kSbeMetabolicAlkalosisSlope = 0.6;
inline constexpr double kSbeChronicRespiratorySlope = 0.4;
inline constexpr double kSbePaco2Tolerance = 5;
inline constexpr double kSbeTolerance = 2;

// The electrolytes a user may type, in mEq/L and in g/L of albumin: wide
// enough for any living patient, narrow enough to catch a slip of the finger.
inline constexpr double kLowestSodium = 100;
inline constexpr double kHighestSodium = 180;
inline constexpr double kLowestChloride = 60;
inline constexpr double kHighestChloride = 140;
inline constexpr double kLowestAlbuminGl = 5;
inline constexpr double kHighestAlbuminGl = 60;

} // namespace halvex::rules
