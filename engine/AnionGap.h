#pragma once

// The anion gap of a blood gas with its electrolytes: the gap, its correction
// for a low albumin, the delta ratio and the corrected HCO3, and what they say.
// Electrolytes are optional everywhere: without Na and Cl there is no gap.

#include "engine/AbgCategory.h"
#include "engine/InputValidation.h"

#include <optional>
#include <string>
#include <string_view>

namespace halvex {

enum class AlbuminUnit { GramsPerLitre, GramsPerDecilitre };

// "g/L" or "g/dL", in any letter case; nothing for any other name.
std::optional<AlbuminUnit> albuminUnitNamed(std::string_view name);
std::string_view albuminUnitName(AlbuminUnit unit);
// An amount of albumin in one unit, written in another (1 g/dL is 10 g/L).
double convertAlbumin(double albumin, AlbuminUnit from, AlbuminUnit to);

struct Electrolytes {
    std::optional<double> sodium;   // mEq/L
    std::optional<double> chloride; // mEq/L
    std::optional<double> albumin;  // in albuminUnit
    AlbuminUnit albuminUnit = AlbuminUnit::GramsPerLitre;

    bool any() const { return sodium || chloride || albumin; }
};

enum class ElectrolyteField { Sodium, Chloride, Albumin };

// A value typed outside its range (a value that is not a number is outside too).
struct ElectrolyteFailure {
    ElectrolyteField field;
    double lowest;
    double highest;
    std::string_view unit; // "mEq/L", "g/L" or "g/dL"
};

std::optional<ElectrolyteFailure> validateElectrolytes(const Electrolytes &electrolytes);
// "Na is out of range!  Range: 100 to 180 mEq/L", in the language.
std::string electrolyteFailureText(const ElectrolyteFailure &failure, std::string_view language);

enum class GapVerdict { Normal, High };
enum class DeltaVerdict { NormalGap, Mixed, HighGap, HighGapAndAlkalosis };

struct AnionGap {
    double gap;                      // Na − (Cl + HCO3), to one decimal
    std::optional<double> corrected; // for the albumin, when it is given; one decimal
    GapVerdict verdict;              // of the corrected gap when there is one
    // When the gap is raised and the HCO3 below normal: (gap − 12) / (24 − HCO3),
    // two decimals, and its band.
    std::optional<double> deltaRatio;
    std::optional<DeltaVerdict> delta;
    // When the gap is raised: HCO3 + (gap − 12), the HCO3 before the extra acid; one decimal.
    std::optional<double> correctedHco3;
    bool normalGapAcidosis; // HCO3 low with a normal gap
    bool hiddenByAlkalosis; // gap raised with an HCO3 that is not low

    // The gap the verdicts are read from.
    double used() const { return corrected.value_or(gap); }
};

// Whether the category has a metabolic acidosis in it: the cases whose fall in
// HCO3 the gap and the delta ratio read.
bool hasMetabolicAcidosis(AbgCategory category);

// The gap of a blood gas's HCO3 with valid electrolytes; nothing without Na and Cl.
// Every figure is rounded as it is shown, and the verdicts are read from those
// figures, so that a reader can redo each line by hand.
std::optional<AnionGap> anionGapOf(double HCO3, const Electrolytes &electrolytes);

} // namespace halvex
