#include "GlobalCode.h"

#include "AsciiCase.h"

namespace halvex {
namespace {

constexpr double kMmHgPerKpa = 7.5;
constexpr double kKpaPerMmHg = 0.133;

} // namespace

bool isMmHg(std::string_view unit)
{
    return toUpperAscii(unit) == kUnitsMmHg;
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

} // namespace halvex
