#pragma once

// Electrolytes that fit a generated blood gas, for teacher mode, `generate
// --electrolytes` and the printed sheets: for a case with a metabolic acidosis,
// a high-gap or a normal-gap acidosis with equal chance; a normal gap
// otherwise. Whole numbers, albumin in g/L, all within the typed ranges.

#include "engine/AbgCategory.h"
#include "engine/AnionGap.h"
#include "engine/RandomSource.h"

namespace halvex {

enum class GapKind { Normal, High };

// Draws from the random source as it stands (no re-seeding), so a caller that
// re-seeds for each blood gas draws the same blood gases with or without them.
Electrolytes drawElectrolytes(double HCO3, AbgCategory category, RandomSource &random);

} // namespace halvex
