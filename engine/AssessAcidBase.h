#pragma once

// The full reading of one blood gas: the acid/base outcome and, for a category,
// the oxygenation grade, translated and handed to an output.

#include "engine/AcidBaseTable.h"
#include "engine/AssessmentOutput.h"
#include "engine/BloodGasSample.h"
#include "engine/PressureUnits.h"

#include <string_view>

namespace halvex {

// Pressures in mmHg. For a category it sets both texts; for full compensation
// it sets the fixed pair; for an inconsistency it only shows the question.
// Returns the outcome so callers can tell the three apart.
AcidBaseOutcome AssessAcidBase(AssessmentOutput &output, const BloodGasSample &sample, PressureUnit units,
                               std::string_view language);

} // namespace halvex
