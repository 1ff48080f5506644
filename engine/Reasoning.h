#pragma once

// The figures behind an explanation, without its words: whether the values fit
// together, the range the usual formula expects for the compensating value and
// where the measured value lies, the standard base excess and what it expects,
// how a pattern the table names no category for reads, and the oxygenation
// figures. Every figure is
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

// The standard base excess, to one decimal, and where it lies among its normal limits.
struct BaseExcess {
    double value = 0;
    Level level = Level::Normal;
};

// A pattern the table names no category for, when its values fit together: the
// disorder the formulas read it as, where one value alone is out of its limits.
struct PatternReading {
    Level paco2 = Level::Normal;
    Level hco3 = Level::Normal;
    // The abnormal value's own disorder; or, when the pH leans the other way,
    // the disorder of the value within its limits that leans with it, the
    // abnormal value being its response.
    std::optional<CompensationFamily> family;
    bool readAgainstAbnormal = false;
    std::optional<ExpectedRange> expected;
};

enum class AaVerdict { Impossible, Within, Raised };
enum class PfBand { None, Mild, Moderate, Severe };
enum class RespiratoryFailure { None, Type1, Type2 };

struct OxygenFigures {
    double fio2Fraction = 0;            // FiO2 / 100
    double alveolar = 0;                // PAO2, to one decimal
    double aaGradient = 0;              // PAO2 − PaO2
    std::optional<double> aaExpected;   // age / 4 + 4, on room air with an age only
    std::optional<AaVerdict> aaVerdict; // impossible below 0 at any O2 %; within or raised on room air with an age
    double pfRatio = 0;                 // whole
    PfBand pfBand = PfBand::None;
    std::optional<double> expectedPaO2; // on room air for the age, to one decimal; adults only
    RespiratoryFailure respiratoryFailure = RespiratoryFailure::None;
};

struct Reasoning {
    AcidBaseOutcome outcome;
    FitCheck fit;
    std::optional<ExpectedRange> expected; // a category of one of the four families
    BaseExcess baseExcess;
    std::optional<PatternReading> pattern; // a question whose values fit together
    // What the base excess expects for the family read: the category's, or the pattern's.
    std::optional<ExpectedRange> sbeExpected;
    OxygenFigures oxygen;

    // The family the formulas read: the category's, or the pattern's.
    std::optional<CompensationFamily> familyRead() const;
};

FitCheck checkFit(double pH, double PaCO2, double HCO3);
// The family whose compensation formula applies to a category; none for Normal and the combined ones.
std::optional<CompensationFamily> compensationFamilyOf(AbgCategory category);
ExpectedRange expectedRange(CompensationFamily family, double PaCO2, double HCO3);
BaseExcess baseExcessOf(double pH, double HCO3);
// The base excess's range for a family: a PaCO2 for the metabolic families, an
// SBE for the respiratory ones, and where the measured one lies.
ExpectedRange sbeRange(CompensationFamily family, double PaCO2, double sbe);
std::optional<PatternReading> patternOf(const BloodGasSample &sample, const AcidBaseOutcome &outcome,
                                        const FitCheck &fit);
OxygenFigures oxygenFigures(const BloodGasSample &sample);

// The figures of a validated blood gas, pressures in mmHg.
Reasoning reasonAbout(const BloodGasSample &sample);

} // namespace halvex
