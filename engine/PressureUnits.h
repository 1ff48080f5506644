#pragma once

// Pressure units and their conversion. The engine computes in mmHg; every
// pressure that crosses into or out of it is converted here.

#include <string>
#include <string_view>

namespace halvex {

enum class PressureUnit { MmHg, Kpa };

// The factors of the conversion: from kPa by 7.5, to kPa by 0.133.
inline constexpr double kMmHgPerKpa = 7.5;
inline constexpr double kKpaPerMmHg = 0.133;

inline constexpr std::string_view kUnitsMmHg = "MMHG";
inline constexpr std::string_view kUnitsKpa = "KPA";

// The unit a name stands for, where a name comes in (the stored setting, a
// command-line option): "MMHG" in any letter case is mmHg, every other name kPa.
PressureUnit pressureUnitNamed(std::string_view name);
// "MMHG" or "KPA".
std::string_view unitName(PressureUnit unit);
// The unit as a CSV header or a message names it: "mmHg" or "kPa".
std::string_view unitSymbol(PressureUnit unit);
// A column of pressures as our CSV files name it: in kPa with the unit after
// an underscore ("PaCO2_kPa"), so that a reader cannot take it for mmHg; in
// mmHg bare ("PaCO2"), as files have always named it.
std::string pressureColumnName(std::string_view name, PressureUnit unit);

// Converts a pressure from one unit to another, always through mmHg: from kPa
// by 7.5, to kPa by 0.133. The factors are not inverse (7.5 x 0.133 = 0.9975),
// so "KPA" to "KPA" scales the value by 0.9975. A target other than the two
// names gives the value in mmHg; a source other than the two names gives the
// value unchanged.
double ConvertPressure(std::string_view fromUnit, std::string_view toUnit, double value);
// The same between the two units by their type.
double ConvertPressure(PressureUnit fromUnit, PressureUnit toUnit, double value);

} // namespace halvex
