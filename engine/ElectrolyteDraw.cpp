#include "engine/ElectrolyteDraw.h"

#include "engine/ClinicalRules.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace halvex {
namespace {

// Everyday values: a sodium and an albumin within their normal ranges.
constexpr int kLowestDrawnSodium = 135;
constexpr int kHighestDrawnSodium = 145;
constexpr int kLowestDrawnAlbumin = 30; // g/L, a little low as in many ill patients
constexpr int kHighestDrawnAlbumin = 48;
// A normal corrected gap is drawn a whole mEq/L inside 8 to 16, and a raised
// one's excess over 12 a whole mEq/L inside its band of the delta ratio: the
// chloride, rounded to a whole number, then moves the gap by half a mEq/L at
// most, and the verdicts read from the gap stay those drawn.
constexpr int kLowestNormalGap = 9;
constexpr int kHighestNormalGap = 15;
constexpr double kMargin = 1;
// The largest corrected gap drawn: that of a severe ketoacidosis or lactic acidosis.
constexpr double kHighestDrawnGap = 40;

struct ExcessRange {
    double lowest;
    double highest;
};

// The excess of the corrected gap over 12 that gives a raised gap read in this
// band, with the margin inside it, in tenths of a mEq/L; none when the HCO3
// leaves no room for it.
std::optional<std::pair<int, int>> excessTenthsFor(GapReading reading, double HCO3)
{
    const double fall = rules::kNormalHco3 - HCO3;
    const double raisedAbove = rules::kAnionGapSpread; // a gap above 16
    const double most = kHighestDrawnGap - rules::kNormalAnionGap;
    ExcessRange band{raisedAbove, most};
    switch (reading) {
    case GapReading::NormalGap:
        return std::nullopt;
    case GapReading::HighGap:
        band = {std::max(raisedAbove, rules::kDeltaHighGapFrom * fall),
                std::min(most, rules::kDeltaHighGapUpTo * fall)};
        break;
    case GapReading::HighAndNormalGap:
        band = {std::max(raisedAbove, rules::kDeltaNormalGapBelow * fall),
                std::min(most, rules::kDeltaHighGapFrom * fall)};
        break;
    case GapReading::HighGapWithAlkalosis:
        band = {std::max(raisedAbove, rules::kDeltaHighGapUpTo * fall), most};
        break;
    }
    const int lowest = int(std::ceil((band.lowest + kMargin) * 10));
    const int highest = int(std::floor((band.highest - kMargin) * 10));
    if (fall <= 0 || lowest > highest)
        return std::nullopt;
    return std::pair{lowest, highest};
}

double correctionFor(int albuminGl)
{
    return rules::kGapPerAlbuminGdl * (rules::kNormalAlbuminGdl - albuminGl / 10.0);
}

} // namespace

std::vector<GapReading> gapReadingsFor(double HCO3, AbgCategory category)
{
    std::vector<GapReading> readings{GapReading::NormalGap};
    if (!hasMetabolicAcidosis(category))
        return readings;
    for (const GapReading raised :
         {GapReading::HighGap, GapReading::HighAndNormalGap, GapReading::HighGapWithAlkalosis}) {
        if (excessTenthsFor(raised, HCO3))
            readings.push_back(raised);
    }
    return readings;
}

Electrolytes drawElectrolytes(double HCO3, AbgCategory category, RandomSource &random)
{
    const std::vector<GapReading> readings = gapReadingsFor(HCO3, category);
    const GapReading reading =
        readings.size() == 1 ? readings.front() : readings[std::size_t(random.uniform(0, int(readings.size()) - 1))];
    const int sodium = random.uniform(kLowestDrawnSodium, kHighestDrawnSodium);
    const int albumin = random.uniform(kLowestDrawnAlbumin, kHighestDrawnAlbumin);
    double corrected = random.uniform(kLowestNormalGap, kHighestNormalGap);
    if (const std::optional<std::pair<int, int>> tenths = excessTenthsFor(reading, HCO3))
        corrected = rules::kNormalAnionGap + random.uniform(tenths->first, tenths->second) / 10.0;
    const double chloride = std::round(sodium - HCO3 - (corrected - correctionFor(albumin)));
    return Electrolytes{double(sodium), chloride, double(albumin), AlbuminUnit::GramsPerLitre};
}

} // namespace halvex
