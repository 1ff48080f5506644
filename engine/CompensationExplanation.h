#pragma once

// The teaching notes on the body's response to a disorder. For a category of
// one of the four families: the HCO3 rule's expected range, where the measured
// value lies, and the sentence that joins that to the table's word. For a
// pattern the table names no category for, whose values fit together: the
// disorder its abnormal value points to, read by the same formulas. Then the
// standard base excess's own reading of the response, and a note wherever the
// two schools part; and, beside a respiratory disorder with a raised anion
// gap, that an added acid lowers the HCO3 too.

#include "engine/BloodGasSample.h"
#include "engine/ExplanationWriter.h"
#include "engine/Reasoning.h"

#include <string>
#include <vector>

namespace halvex {

void explainCompensation(const ExplanationWriter &out, const BloodGasSample &s, const Reasoning &reasoning,
                         bool gapRaised, std::vector<std::string> &notes);

} // namespace halvex
