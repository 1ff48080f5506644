#pragma once

// The sentences that explain an assessment, in English and in French: the
// steps that lead to the verdict and the teaching notes beside it. "%1",
// "%2"... stand for what the explanation fills in; numbers come already
// written with the language's decimal mark.

#include <string_view>

namespace halvex {

enum class ExplanationText {
    // Steps: whether the values fit, the unit, the pH, PaCO2 and HCO3 levels, the verdict.
    NoFit,         // %1 PaCO2, %2 HCO3, %3 the pH they give, %4 the pH measured
    NoFitExercise, // the same, for a generated case
    NoFitWithoutHco3,
    KpaForFormulas,
    PhAcidemic, // %1 the pH, then the limits
    PhLowNormal,
    PhExactly,
    PhHighNormal,
    PhAlkalemic,
    Paco2Low,    // %1 the value, %2 the limit (mmHg)
    Paco2Normal, // %1 the value, %2 and %3 the limits (mmHg)
    Paco2High,
    Paco2LimitsInKpa, // %1 and %2 the limits in kpa, %3 and %4 the normal-values page's
    Hco3Low,          // %1 the value, then the limits
    Hco3Normal,
    Hco3High,
    SbeStep, // %1 the formula with its numbers, %2 the SBE, %3 its level
    SbeLow,
    SbeNormal,
    SbeHigh,
    VerdictCategory,         // %1 the category, %2 why
    VerdictQuestion,         // %1 the question
    VerdictPattern,          // %1 the question, for values that fit together
    VerdictFullCompensation, // %1 the outcome, %2 the pH 7.40
    WhyNormal,               // why each category, in category order
    WhyRA,
    WhyPCRA,
    WhyCRA,
    WhyMA,
    WhyPCMA,
    WhyCMA,
    WhyCRMA,
    WhyRAK,
    WhyPCRAK,
    WhyCRAK,
    WhyMAK,
    WhyPCMAK,
    WhyCMAK,
    WhyCRMAK,
    // Steps: oxygenation.
    AgeNotGiven,
    AgeNoCorrection,       // %1 the age
    AgeCorrection,         // %1 the age, %2 the correction in mmHg
    AgeOver80,             // %1 the age
    Grades,                // the limits in mmHg
    GradesWithoutModerate, // at 80 years, where the moderate grade holds no PaO2
    GradesOver80,
    PaO2Grade, // %1 the PaO2, %2 the grade
    RoomAir,
    RoomAirHighPossible, // %1 100 mmHg, %2 the PAO2, %3 the PaO2
    RoomAirHighImpossible,
    OxygenCorrected, // %1 the O2 %
    OxygenUncorrected,
    OxygenExcessive, // %1 the O2 %, %2 100 mmHg
    // Notes.
    NotesOnUnfitValues,
    HhFits, // %1 the formula with its numbers, %2 the pH it gives, %3 the pH measured
    HhDoesNotFit,
    WinterFormula, // %1 the formula with its numbers, %2 the result
    MetabolicAlkalosisFormula,
    RespiratoryAcidosisFormula, // %1 and %2 acute, %3 and %4 chronic
    RespiratoryAlkalosisFormula,
    LimitMetabolicAcidosis, // %1 the limit, %2 the formula's value
    LimitMetabolicAlkalosis,
    LimitAcuteRespiratoryAcidosis,
    LimitChronicRespiratoryAcidosis,
    LimitAcuteRespiratoryAlkalosis,
    LimitChronicRespiratoryAlkalosis,
    MetabolicRange,          // %1 the expected value, %2 the tolerance, %3 the range
    RespiratoryRange,        // %1 the lower value, %2 the higher, %3 the tolerance, %4 the range
    ValueRange,              // %1 to %2
    MetabolicAcidosisWithin, // %1 the measured PaCO2
    MetabolicAcidosisAbove,
    MetabolicAcidosisBelow,
    MetabolicAlkalosisWithin,
    MetabolicAlkalosisAbove,
    MetabolicAlkalosisBelow,
    RespiratoryWithin, // %1 the measured HCO3, %2 the acuity
    RespiratoryAcidosisAbove,
    RespiratoryAcidosisBelow,
    RespiratoryAlkalosisAbove,
    RespiratoryAlkalosisBelow,
    AcuteRespiratoryAcidosis,
    ChronicRespiratoryAcidosis,
    AcuteRespiratoryAlkalosis,
    ChronicRespiratoryAlkalosis,
    EitherAcuteOrChronic,
    BetweenAcuteAndChronic,
    UncompensatedMetabolicAsExpected,
    UncompensatedRespiratoryAcidosis,
    UncompensatedRespiratoryAlkalosis,
    UncompensatedMetabolicBeside, // beside a note that suggests a second disorder
    UncompensatedRespiratoryBeside,
    PartlyCompensatedAsExpected,
    PartlyCompensatedMoreThanExpected,
    PartlyCompensatedLessThanExpected,
    CompensatedAsExpected,
    CompensatedBeside,
    NoCompensationFormula,
    PatternHighPaco2, // the abnormal value of a pattern the table names no category for
    PatternLowPaco2,
    PatternHighHco3,
    PatternLowHco3,
    PatternBothNormalAcidemic,
    PatternBothNormalAlkalemic,
    PatternAgainstMetabolicAcidosis, // %1 the normal value the pH leans with; in CompensationFamily order
    PatternAgainstMetabolicAlkalosis,
    PatternAgainstRespiratoryAcidosis,
    PatternAgainstRespiratoryAlkalosis,
    PatternWithinLimits, // %1 the family
    PatternBeyondLimits,
    PatternWithSecondDisorder,
    PatternTwoDisorders,
    FamilyMetabolicAcidosis, // in CompensationFamily order
    FamilyMetabolicAlkalosis,
    FamilyRespiratoryAcidosis,
    FamilyRespiratoryAlkalosis,
    AddedAcidLowersHco3,
    SbeMetabolicAcidosisFormula, // %1 the formula with its numbers, %2 the result
    SbeMetabolicAlkalosisFormula,
    SbeRespiratoryFormula,              // %1 the chronic formula with its numbers, %2 its result
    SbeMetabolicRange,                  // %1 the expected value, %2 the tolerance, %3 the range
    SbeRespiratoryRange,                // %1 the lower value, %2 the higher, %3 the tolerance, %4 the range
    SbeLimitChronicRespiratoryAcidosis, // %1 the HCO3 limit, %2 its SBE, %3 the formula's value
    SbeLimitChronicRespiratoryAlkalosis,
    SbePaco2Within, // %1 the measured PaCO2
    SbePaco2Above,
    SbePaco2Below,
    SbeWithin, // %1 the measured SBE, %2 the acuity
    SbeAbove,
    SbeBelow,
    SchoolsDifferOnLevel, // %1 the HCO3's level, %2 the SBE's
    Hco3WordLow,
    Hco3WordNormal,
    Hco3WordHigh,
    SbeWordLow,
    SbeWordNormal,
    SbeWordHigh,
    SchoolsDifferOnResponse, // %1 the rule, %2 by it, %3 by the base excess
    ResponseAsExpected,
    ResponseLarger,
    ResponseSmaller,
    RuleWinter, // the rule of each family, in CompensationFamily order
    RuleMetabolicAlkalosis,
    RuleRespiratory,
    SchoolsDifferOnAcuity, // %1 by the HCO3 rule, %2 by the base excess
    AcuityWordAcute,
    AcuityWordChronic,
    AcuityWordBetween,
    RespiratoryFailureType1, // %1 60 mmHg, %2 45 mmHg
    RespiratoryFailureType2,
    MildOnlyByAge,
    ExpectedPaO2, // %1 the age, %2 the expected PaO2
    GradesChangeAt81,
    AlveolarGas,  // %1 the formula with its numbers, %2 the PAO2
    AaImpossible, // %1 the subtraction, %2 the gradient, %3 the PAO2
    AaOnRoomAir,  // %1 the subtraction, %2 the gradient, %3 the age, %4 the expected value, %5 the judgement
    AaWithin,
    AaRaised,
    AaWithoutAge, // %1 the subtraction, %2 the gradient
    AaOnOxygen,
    PfRatio, // %1 the division, %2 the ratio, %3 its band
    PfNotImpaired,
    PfMild,
    PfModerate,
    PfSevere,
    PfBesideRaisedGradient, // on room air, where the gradient and the ratio disagree
    PfBesideNormalGradient,
    PfBesideImpossibleGradient,
    // Steps and notes: the anion gap, when Na and Cl are given.
    GapStep, // %1 Na, %2 Cl, %3 HCO3, %4 the gap
    GapNoAlbumin,
    GapCorrected,      // %1 the albumin as given, %2 the gap, %3 the albumin in g/dL, %4 the corrected gap
    GapCorrectedAbove, // the same, with an albumin above 4.0 g/dL
    GapNormal,         // %1 the gap used
    GapHigh,
    GapLow,
    GapLowCorrected, // a low gap after the albumin correction
    DeltaRatio,      // %1 the gap used, %2 HCO3, %3 the ratio, %4 its band
    DeltaNormalGap,
    DeltaMixed,
    DeltaHighGap,
    DeltaAlkalosis,
    DeltaOutsideAcidosis, // %1 the gap used, %2 HCO3, %3 the ratio
    CorrectedHco3,        // %1 HCO3, %2 the gap used, %3 the corrected HCO3
    GapHidden,
    NormalGapAcidosis,
    HighGapCauses,
    NormalGapCauses,
    GapBeyondVerdict,
    // A printed answer's line on the gap.
    SummaryGap,          // %1 the gap, %2 normal or raised
    SummaryCorrectedGap, // %1 the gap, %2 corrected, %3 normal or raised
    SummaryNormal,
    SummaryRaised,
    SummaryLow,
    SummaryDelta, // %1 the delta ratio
};

// The text in French when the language is French (in any letter case), in English otherwise.
std::string_view explanationText(ExplanationText text, std::string_view language);

} // namespace halvex
