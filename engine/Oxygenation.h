#pragma once

// The oxygenation assessment: a hypoxemia grade from PaO2, corrected for age
// (limits lowered by a mmHg a year from 61, fixed limits above 80) and worded
// for room air or supplemental oxygen.

#include "PressureUnits.h"

#include <string>
#include <string_view>

namespace halvex {

// The English grade for PaO2 in mmHg, Age in years and FiO2 in percent; the
// unit in force only picks the wording of the possible-error message. Empty
// when no row applies (a PaO2 of 0 or less).
std::string_view oxygenationGrade(double PaO2, double Age, double FiO2, PressureUnit units);

// The grade in the interface language.
std::string AssessOxygenation(double PaO2, double Age, double FiO2, PressureUnit units,
                              std::string_view language);

} // namespace halvex
