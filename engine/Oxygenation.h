#pragma once

// The oxygenation assessment: a hypoxemia grade from PaO2, corrected for age
// (limits lowered by a mmHg a year from 61, fixed limits above 80) and worded
// for room air or supplemental oxygen.

#include "engine/PressureUnits.h"

#include <optional>
#include <string>
#include <string_view>

namespace halvex {

// The ages that shape the grades: limits lowered by a mmHg a year above the
// first, fixed limits above the second.
inline constexpr double kAgeCorrectionFrom = 60;
inline constexpr double kFixedLimitsAbove = 80;
// A PaO2 from which room air makes the grade a possible error, and oxygen an excess (mmHg).
inline constexpr double kHighPaO2From = 100;

// The English grade for PaO2 in mmHg, Age in years and FiO2 in percent; the
// unit in force only picks the wording of the possible-error message. Empty
// when no row applies (a PaO2 of 0 or less).
std::string_view oxygenationGrade(double PaO2, double Age, double FiO2, PressureUnit units);

// Where a PaO2 falls among the grades, and the limits that put it there.
struct OxygenationFinding {
    std::string_view grade; // as oxygenationGrade gives it
    double ageExcess;       // years above 60 by which the corrected limits are lowered; 0 at 60 or under
    bool fixedLimits;       // above 80: fixed limits, no mild grade
    bool supplemental;      // FiO2 above room air
};
std::optional<OxygenationFinding> findOxygenation(double PaO2, double Age, double FiO2, PressureUnit units);

// The lower limits of the grades for an age, in mmHg: without hypoxemia, mild
// (none above 80), moderate; below the last, severe.
struct GradeLimits {
    double withoutHypoxemia;
    std::optional<double> mild;
    double moderate;
};
GradeLimits gradeLimits(double Age);

// The grade in the interface language.
std::string AssessOxygenation(double PaO2, double Age, double FiO2, PressureUnit units, std::string_view language);

} // namespace halvex
