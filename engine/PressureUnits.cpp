#include "engine/PressureUnits.h"

#include "language/AsciiCase.h"

namespace halvex {
namespace {

constexpr double kMmHgPerKpa = 7.5;
constexpr double kKpaPerMmHg = 0.133;

} // namespace

PressureUnit pressureUnitNamed(std::string_view name)
{
    return toUpperAscii(name) == kUnitsMmHg ? PressureUnit::MmHg : PressureUnit::Kpa;
}

std::string_view unitName(PressureUnit unit)
{
    return unit == PressureUnit::MmHg ? kUnitsMmHg : kUnitsKpa;
}

double ConvertPressure(std::string_view fromUnit, std::string_view toUnit, double value)
{
    const std::string from = toUpperAscii(fromUnit);
    double mmHg = value;
    if (from == kUnitsKpa)
        mmHg = value * kMmHgPerKpa;
    else if (from != kUnitsMmHg)
        return value;
    return toUpperAscii(toUnit) == kUnitsKpa ? mmHg * kKpaPerMmHg : mmHg;
}

double ConvertPressure(PressureUnit fromUnit, PressureUnit toUnit, double value)
{
    return ConvertPressure(unitName(fromUnit), unitName(toUnit), value);
}

} // namespace halvex
