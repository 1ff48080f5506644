#include "engine/InputValidation.h"

#include "engine/PressureUnits.h"
#include "language/Language.h"

namespace halvex {
namespace {

enum class Lower { Included, Excluded };

struct RangeCheck {
    double (*valueOf)(const AbgInput &);
    Lower lowerSense;
    double lowest;
    double highest; // included
    ValidationFailure failure;
};

// The required values are known to be present once the emptiness check passed.
constexpr auto kPhOf = [](const AbgInput &in) { return *in.pH; };
constexpr auto kPaco2Of = [](const AbgInput &in) { return *in.PaCO2; };
constexpr auto kPao2Of = [](const AbgInput &in) { return *in.PaO2; };
constexpr auto kHco3Of = [](const AbgInput &in) { return *in.HCO3; };
constexpr auto kAgeOf = [](const AbgInput &in) { return in.Age; };
constexpr auto kFio2Of = [](const AbgInput &in) { return in.FiO2; };

constexpr ValidationFailure error(std::string_view message)
{
    return {message, true, MessageBoxKind::Error};
}

constexpr ValidationFailure kEmpty = error("One or more fields are Empty!");

constexpr RangeCheck kPh{kPhOf, Lower::Included, 1, 14, error("pH is out of range!  Range : 1 to 14 -log[H]")};

struct PressureChecks {
    RangeCheck paco2;
    RangeCheck pao2;
};
constexpr PressureChecks kMmHgChecks{
    {kPaco2Of, Lower::Excluded, 0, 400, error("PaCO2 is out of range!  Range: 0 to 400 mmHg")},
    {kPao2Of, Lower::Excluded, 0, 700, error("PaO2 is out range!  Range: 0 to 700 mmHg")},
};
constexpr PressureChecks kKpaChecks{
    {kPaco2Of, Lower::Excluded, 0, 53, error("PaCO2 is out of range!  Range: 0 to 53 kpa")},
    {kPao2Of, Lower::Excluded, 0, 93, error("PaO2 is out range!  Range: 0 to 93 kpa")},
};

constexpr RangeCheck kHco3{kHco3Of, Lower::Included, 0, 200, error("HCO3 is out of range!  Range: 0 to 200 mEq/L")};
constexpr RangeCheck kAge{kAgeOf, Lower::Included, 0, 135, error("AGE is out of range!  Range 0 to 135 Years")};
// Shown in English whatever the interface language, in an information box.
constexpr RangeCheck kFiO2{kFio2Of,
                           Lower::Included,
                           kRoomAirFiO2,
                           100,
                           {"O2(%) is out of range!  Range: 21 to 100 %", false, MessageBoxKind::Information}};

// Written so that a NaN is refused as well.
bool accepts(const RangeCheck &check, double value)
{
    const bool aboveLowest = check.lowerSense == Lower::Included ? value >= check.lowest : value > check.lowest;
    return aboveLowest && value <= check.highest;
}

} // namespace

std::optional<ValidationFailure> validateAbgInput(const AbgInput &input, PressureUnit units)
{
    if (!input.pH || !input.PaCO2 || !input.PaO2 || !input.HCO3)
        return kEmpty;

    const PressureChecks &pressures = units == PressureUnit::MmHg ? kMmHgChecks : kKpaChecks;
    for (const RangeCheck *check : {&kPh, &pressures.paco2, &pressures.pao2, &kHco3, &kAge, &kFiO2}) {
        if (!accepts(*check, check->valueOf(input)))
            return check->failure;
    }
    return std::nullopt;
}

std::string failureText(const ValidationFailure &failure, std::string_view language)
{
    return failure.translated ? Translate(failure.message, language) : std::string(failure.message);
}

BloodGasSample sampleInMmHg(const AbgInput &input, PressureUnit units)
{
    return {
        .pH = input.pH.value_or(0),
        .PaCO2 = ConvertPressure(units, PressureUnit::MmHg, input.PaCO2.value_or(0)),
        .PaO2 = ConvertPressure(units, PressureUnit::MmHg, input.PaO2.value_or(0)),
        .HCO3 = input.HCO3.value_or(0),
        .Age = input.Age,
        .FiO2 = input.FiO2,
    };
}

} // namespace halvex
