#include "engine/PressureUnits.h"

#include "language/AsciiCase.h"

namespace halvex {

PressureUnit pressureUnitNamed(std::string_view name)
{
    return equalsUpperAscii(name, kUnitsMmHg) ? PressureUnit::MmHg : PressureUnit::Kpa;
}

std::string_view unitName(PressureUnit unit)
{
    return unit == PressureUnit::MmHg ? kUnitsMmHg : kUnitsKpa;
}

std::string_view unitSymbol(PressureUnit unit)
{
    return unit == PressureUnit::MmHg ? "mmHg" : "kPa";
}

std::string pressureColumnName(std::string_view name, PressureUnit unit)
{
    std::string column(name);
    if (unit != PressureUnit::MmHg)
        column.append("_").append(unitSymbol(unit));
    return column;
}

double ConvertPressure(std::string_view fromUnit, std::string_view toUnit, double value)
{
    // An unknown unit to convert from leaves the value; one to convert to counts as mmHg.
    const PressureUnit to = equalsUpperAscii(toUnit, kUnitsKpa) ? PressureUnit::Kpa : PressureUnit::MmHg;
    if (equalsUpperAscii(fromUnit, kUnitsKpa))
        return ConvertPressure(PressureUnit::Kpa, to, value);
    if (!equalsUpperAscii(fromUnit, kUnitsMmHg))
        return value;
    return ConvertPressure(PressureUnit::MmHg, to, value);
}

double ConvertPressure(PressureUnit fromUnit, PressureUnit toUnit, double value)
{
    const double mmHg = fromUnit == PressureUnit::Kpa ? value * kMmHgPerKpa : value;
    return toUnit == PressureUnit::Kpa ? mmHg * kKpaPerMmHg : mmHg;
}

} // namespace halvex
