#pragma once

// The anion gap's part of an explanation, when Na and Cl are given: the gap,
// its albumin correction (or why there is none), what it says, the corrected
// HCO3 and the delta ratio as steps; the usual causes as notes. The gap never
// changes the table's verdict; where the verdict names no metabolic acidosis,
// the words say so rather than read the delta ratio.

#include "engine/AcidBaseTable.h"
#include "engine/AnionGap.h"
#include "engine/BloodGasSample.h"
#include "engine/ExplanationWriter.h"

#include <string>
#include <vector>

namespace halvex {

void explainAnionGap(const ExplanationWriter &out, const BloodGasSample &s, const AcidBaseOutcome &outcome,
                     const Electrolytes &electrolytes, std::vector<std::string> &steps,
                     std::vector<std::string> &notes);

// A blood gas's gap in one line, as a printed answer gives it: the gap (and
// the gap corrected for the albumin), whether it is raised, and the delta
// ratio where there is one; empty without Na and Cl.
std::string gapSummary(double HCO3, const Electrolytes &electrolytes, std::string_view language);

// The same steps, then the notes, alone: the electrolytes page's reading of a
// validated blood gas (in mmHg); empty without Na and Cl.
std::vector<std::string> anionGapReading(const BloodGasSample &s, const Presentation &presentation,
                                         const Electrolytes &electrolytes);

} // namespace halvex
