#pragma once

// Electrolytes that fit a generated blood gas, for teacher mode, `generate
// --electrolytes` and the printed sheets. A case with a metabolic acidosis
// draws, with equal chance, one of the readings its HCO3 allows: a normal-gap
// acidosis, a high-gap acidosis alone, a high-gap with a normal-gap acidosis,
// or a high-gap acidosis with a metabolic alkalosis; any other case a normal
// gap. Whole numbers, albumin in g/L, all within the typed ranges; a normal
// gap, corrected for the albumin, from 8 to 16.

#include "engine/AbgCategory.h"
#include "engine/AnionGap.h"
#include "engine/RandomSource.h"

#include <vector>

namespace halvex {

// What the drawn electrolytes say, in the bands of the delta ratio.
enum class GapReading { NormalGap, HighGap, HighAndNormalGap, HighGapWithAlkalosis };

// The readings the HCO3 of a case of this category allows.
std::vector<GapReading> gapReadingsFor(double HCO3, AbgCategory category);

// Draws from the random source as it stands (no re-seeding), so a caller that
// re-seeds for each blood gas draws the same blood gases with or without them.
Electrolytes drawElectrolytes(double HCO3, AbgCategory category, RandomSource &random);

} // namespace halvex
