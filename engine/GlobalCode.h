#pragma once

// Pressure units and their conversion. The engine computes in mmHg; every
// pressure that crosses into or out of it is converted here.

#include <string_view>

namespace halvex {

inline constexpr std::string_view kUnitsMmHg = "MMHG";
inline constexpr std::string_view kUnitsKpa = "KPA";

// True when the unit name, upper-cased, is "MMHG". Callers that pick a wording
// or a range by unit treat every other name as kPa.
bool isMmHg(std::string_view unit);

// Converts a pressure from one unit to another, always through mmHg: from kPa
// by 7.5, to kPa by 0.133. The factors are not inverse (7.5 x 0.133 = 0.9975),
// so "KPA" to "KPA" scales the value by 0.9975. A target other than the two
// names gives the value in mmHg; a source other than the two names gives the
// value unchanged.
double ConvertPressure(std::string_view fromUnit, std::string_view toUnit, double value);

} // namespace halvex
