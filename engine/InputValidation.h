#pragma once

// The checks a blood gas passes before it is assessed, in their fixed order,
// with the message each failure shows.

#include "engine/BloodGasSample.h"
#include "engine/PressureUnits.h"

#include <optional>
#include <string>
#include <string_view>

namespace halvex {

// The values as the input fields show them, pressures in the unit in force.
// The four required values are empty when their field's text is empty; an
// empty O2 % reads as 21 and an empty age as 0.
struct AbgInput {
    std::optional<double> pH;
    std::optional<double> PaCO2;
    std::optional<double> PaO2;
    std::optional<double> HCO3;
    double FiO2 = kRoomAirFiO2;
    double Age = 0;

    friend bool operator==(const AbgInput &, const AbgInput &) = default;
};

enum class MessageBoxKind { Error, Information };

struct ValidationFailure {
    std::string_view message; // English
    bool translated;          // whether the message goes through the catalogue
    MessageBoxKind box;
};

// The first check the input fails, or nothing when it may be assessed. A value
// that is not a number fails its range check.
std::optional<ValidationFailure> validateAbgInput(const AbgInput &input, PressureUnit units);

// The text a failure shows: through the catalogue, unless it is one of the
// messages shown in English in every language.
std::string failureText(const ValidationFailure &failure, std::string_view language);

// The validated input as the engine takes it: pressures converted to mmHg.
BloodGasSample sampleInMmHg(const AbgInput &input, PressureUnit units);

} // namespace halvex
