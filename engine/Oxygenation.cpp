#include "engine/Oxygenation.h"

#include "engine/BloodGasSample.h"
#include "language/Language.h"

#include <array>
#include <limits>
#include <span>

namespace halvex {
namespace {

enum class OxygenRule { RoomAirOnly, SupplementalOnly, Either };

// A PaO2 limit in mmHg; age-corrected limits are lowered by the age excess.
struct PaO2Limit {
    double mmHg;
    bool ageCorrected = false;

    double at(double ageExcess) const { return ageCorrected ? mmHg - ageExcess : mmHg; }
};

struct OxygenationRow {
    PaO2Limit from;  // included
    PaO2Limit below; // excluded
    OxygenRule rule;
    std::string_view roomAir;
    std::string_view supplemental;
    std::string_view roomAirInKpa = {}; // the room-air text when the unit is kPa, if it differs
};

constexpr double kUnbounded = std::numeric_limits<double>::infinity();
// The severe grade holds for any PaO2 above 0: the smallest positive double is
// the lowest PaO2 included.
constexpr double kAboveZero = std::numeric_limits<double>::denorm_min();

constexpr std::string_view kErrorMmHg = "Possible Oxygenation Error (PaO2 is >= 100 mmHg on room air)";
constexpr std::string_view kErrorKpa = "Possible Oxygenation Error (PaO2 is >= 13 kpa on room air)";
constexpr std::string_view kExcessive = "Excessively Corrected Hypoxemia";

constexpr std::array<OxygenationRow, 6> kAgeCorrectedRows{{
    {{kHighPaO2From}, {kUnbounded}, OxygenRule::RoomAirOnly, kErrorMmHg, {}, kErrorKpa},
    {{kHighPaO2From}, {kUnbounded}, OxygenRule::SupplementalOnly, {}, kExcessive},
    {{80, true}, {kHighPaO2From}, OxygenRule::Either, "without Hypoxemia", "without Hypoxemia (corrected)"},
    {{60, true}, {80, true}, OxygenRule::Either, "Mild Hypoxemia", "Mild Hypoxemia (uncorrected)"},
    {{40}, {60, true}, OxygenRule::Either, "Moderate Hypoxemia", "Moderate Hypoxemia (uncorrected)"},
    {{kAboveZero}, {40}, OxygenRule::Either, "Severe Hypoxemia", "Severe Hypoxemia (uncorrected)"},
}};

// Above 80 years: fixed limits, no mild grade, and the error always in mmHg.
constexpr std::array<OxygenationRow, 5> kFixedRows{{
    {{kHighPaO2From}, {kUnbounded}, OxygenRule::RoomAirOnly, kErrorMmHg, {}},
    {{kHighPaO2From}, {kUnbounded}, OxygenRule::SupplementalOnly, {}, kExcessive},
    {{60}, {kHighPaO2From}, OxygenRule::Either, "without Hypoxemia", "without Hypoxemia (corrected)"},
    {{40}, {60}, OxygenRule::Either, "Moderate Hypoxemia", "Moderate Hypoxemia (uncorrected)"},
    {{kAboveZero}, {40}, OxygenRule::Either, "Severe Hypoxemia", "Severe Hypoxemia (uncorrected)"},
}};

bool ruleHolds(OxygenRule rule, double FiO2)
{
    switch (rule) {
    case OxygenRule::RoomAirOnly:
        return FiO2 == kRoomAirFiO2;
    case OxygenRule::SupplementalOnly:
        return FiO2 > kRoomAirFiO2;
    case OxygenRule::Either:
        return true;
    }
    return false;
}

double ageExcessOf(double Age)
{
    return Age > kAgeCorrectionFrom ? Age - kAgeCorrectionFrom : 0;
}

std::span<const OxygenationRow> rowsFor(double Age)
{
    return Age > kFixedLimitsAbove ? std::span<const OxygenationRow>(kFixedRows)
                                   : std::span<const OxygenationRow>(kAgeCorrectedRows);
}

} // namespace

std::optional<OxygenationFinding> findOxygenation(double PaO2, double Age, double FiO2, PressureUnit units)
{
    const double ageExcess = ageExcessOf(Age);
    const bool supplemental = FiO2 > kRoomAirFiO2;
    for (const OxygenationRow &row : rowsFor(Age)) {
        if (PaO2 < row.from.at(ageExcess) || !(PaO2 < row.below.at(ageExcess)) || !ruleHolds(row.rule, FiO2))
            continue;
        std::string_view grade = row.roomAir;
        if (supplemental)
            grade = row.supplemental;
        else if (!row.roomAirInKpa.empty() && units == PressureUnit::Kpa)
            grade = row.roomAirInKpa;
        return OxygenationFinding{grade, ageExcess, Age > kFixedLimitsAbove, supplemental};
    }
    return std::nullopt;
}

GradeLimits gradeLimits(double Age)
{
    // The rows below the two of 100 mmHg and more, from the top grade down.
    const std::span<const OxygenationRow> rows = rowsFor(Age).subspan(2);
    const double ageExcess = ageExcessOf(Age);
    if (rows.size() == 3)
        return {rows[0].from.at(ageExcess), std::nullopt, rows[1].from.at(ageExcess)};
    return {rows[0].from.at(ageExcess), rows[1].from.at(ageExcess), rows[2].from.at(ageExcess)};
}

std::string_view oxygenationGrade(double PaO2, double Age, double FiO2, PressureUnit units)
{
    const std::optional<OxygenationFinding> finding = findOxygenation(PaO2, Age, FiO2, units);
    return finding ? finding->grade : std::string_view();
}

std::string AssessOxygenation(double PaO2, double Age, double FiO2, PressureUnit units, std::string_view language)
{
    return Translate(oxygenationGrade(PaO2, Age, FiO2, units), language);
}

} // namespace halvex
