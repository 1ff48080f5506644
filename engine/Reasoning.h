#pragma once

// The figures behind an explanation, without its words: whether the values fit
// together, the range the usual formula expects for the compensating value and
// where the measured value lies, and the oxygenation figures. Every figure is
// rounded as it is printed, and what follows from it is computed from the
// rounded figure, so that each line can be redone by hand from its own numbers.
// Pressures in mmHg, HCO3 in mEq/L.

#include "engine/AcidBaseTable.h"
#include "engine/BloodGasSample.h"

#include <optional>

namespace halvex {

// Henderson–Hasselbalch: the pH that PaCO2 and HCO3 give, to two decimals
// (none when the HCO3 is 0), and whether the measured pH lies within the
// tolerance of it.
struct FitCheck {
    std::optional<double> hhPh;
    bool fits = false;
};

enum class CompensationFamily { MetabolicAcidosis, MetabolicAlkalosis, RespiratoryAcidosis, RespiratoryAlkalosis };
enum class Compensation { Within, Above, Below };
// Respiratory families: which response the measured HCO3 matches.
enum class Acuity { Acute, Chronic, Either, Between };

// One value a formula expects: as the formula gives it (to one decimal), and as
// kept within what the body can reach.
struct ExpectedValue {
    double formula = 0;
    double kept = 0;
    bool limited() const { return kept != formula; }
};

struct ExpectedRange {
    CompensationFamily family;
    ExpectedValue first;                  // the metabolic formula, or the acute respiratory response
    std::optional<ExpectedValue> chronic; // the chronic respiratory response
    double low = 0;                       // the range with its tolerance, to one decimal
    double high = 0;
    Compensation measured = Compensation::Within;
    std::optional<Acuity> acuity; // respiratory families, within the range

    bool ofPaCO2() const
    {
        return family == CompensationFamily::MetabolicAcidosis || family == CompensationFamily::MetabolicAlkalosis;
    }
    // The measured value lies beyond the range on the side of a larger response than expected.
    bool moreThanExpected() const;
};

enum class AaVerdict { Impossible, Within, Raised };
enum class PfBand { None, Mild, Moderate, Severe };

struct OxygenFigures {
    double fio2Fraction = 0;            // FiO2 / 100
    double alveolar = 0;                // PAO2, to one decimal
    double aaGradient = 0;              // PAO2 − PaO2
    std::optional<double> aaExpected;   // age / 4 + 4, on room air with an age only
    std::optional<AaVerdict> aaVerdict; // impossible below 0 at any O2 %; within or raised on room air with an age
    double pfRatio = 0;                 // whole
    PfBand pfBand = PfBand::None;
};

struct Reasoning {
    AcidBaseOutcome outcome;
    FitCheck fit;
    std::optional<ExpectedRange> expected; // a category of one of the four families
    OxygenFigures oxygen;
};

FitCheck checkFit(double pH, double PaCO2, double HCO3);
// The family whose compensation formula applies to a category; none for Normal and the combined ones.
std::optional<CompensationFamily> compensationFamilyOf(AbgCategory category);
ExpectedRange expectedRange(CompensationFamily family, double PaCO2, double HCO3);
OxygenFigures oxygenFigures(const BloodGasSample &sample);

// The figures of a validated blood gas, pressures in mmHg.
Reasoning reasonAbout(const BloodGasSample &sample);

} // namespace halvex
