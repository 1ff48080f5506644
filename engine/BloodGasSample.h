#pragma once

// One arterial blood gas. Inside the engine the pressures are in mmHg, HCO3 in
// mEq/L, Age in years (0 when not given) and FiO2 in percent (21 is room air).

namespace halvex {

// The inspired oxygen of room air, in percent: an empty O2 % field reads as it.
inline constexpr double kRoomAirFiO2 = 21;

struct BloodGasSample {
    double pH = 0;
    double PaCO2 = 0;
    double PaO2 = 0;
    double HCO3 = 0;
    double Age = 0;
    double FiO2 = 0;

    friend bool operator==(const BloodGasSample &, const BloodGasSample &) = default;
};

} // namespace halvex
