#pragma once

// The oxygenation's part of an explanation: as steps, the age and the grades
// that exist at that age, the grade the PaO2 lies in and what the oxygen or
// room air makes of it; as notes, respiratory failure whatever the grade, the
// PaO2 expected for the age, the alveolar gas, the A–a gradient and the
// PaO2/FiO2 ratio. The design's grade is never changed here, only set beside
// what physiology says of the same PaO2.

#include "engine/BloodGasSample.h"
#include "engine/ExplanationWriter.h"
#include "engine/Reasoning.h"

#include <string>
#include <vector>

namespace halvex {

void explainOxygenationSteps(const ExplanationWriter &out, const BloodGasSample &s, const OxygenFigures &figures,
                             PressureUnit unit, std::vector<std::string> &steps);

void explainOxygenationNotes(const ExplanationWriter &out, const BloodGasSample &s, const OxygenFigures &figures,
                             std::vector<std::string> &notes);

} // namespace halvex
