#include "engine/ElectrolyteDraw.h"

#include "engine/ClinicalRules.h"

#include <algorithm>
#include <cmath>

namespace halvex {
namespace {

// Everyday values: a sodium and an albumin within their normal ranges.
constexpr int kLowestDrawnSodium = 135;
constexpr int kHighestDrawnSodium = 145;
constexpr int kLowestDrawnAlbumin = 30; // g/L, a little low as in many ill patients
constexpr int kHighestDrawnAlbumin = 48;
// The corrected gaps drawn: a normal one well inside 8 to 16; a raised one
// whose delta ratio (in tenths) says a high-gap acidosis alone.
constexpr int kLowestNormalGap = 8;
constexpr int kHighestNormalGap = 14;
constexpr int kLowestDeltaTenths = 10;
constexpr int kHighestDeltaTenths = 16;
constexpr int kLowestRaisedGap = 18;
constexpr int kAttempts = 20;

double correctionFor(int albuminGl)
{
    return rules::kGapPerAlbuminGdl * (rules::kNormalAlbuminGdl - albuminGl / 10.0);
}

// The gap's verdicts the drawn values must give.
bool fits(const Electrolytes &drawn, double HCO3, GapKind kind)
{
    const std::optional<AnionGap> gap = anionGapOf(HCO3, drawn);
    if (!gap || validateElectrolytes(drawn))
        return false;
    if (kind == GapKind::Normal)
        return gap->verdict == GapVerdict::Normal;
    return gap->verdict == GapVerdict::High
           && (!gap->delta || *gap->delta == DeltaVerdict::HighGap || HCO3 >= rules::kNormalHco3);
}

} // namespace

Electrolytes drawElectrolytes(double HCO3, AbgCategory category, RandomSource &random)
{
    const GapKind kind = hasMetabolicAcidosis(category) && random.uniform(0, 1) == 1 ? GapKind::High : GapKind::Normal;
    Electrolytes drawn;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int sodium = random.uniform(kLowestDrawnSodium, kHighestDrawnSodium);
        const int albumin = random.uniform(kLowestDrawnAlbumin, kHighestDrawnAlbumin);
        double corrected = random.uniform(kLowestNormalGap, kHighestNormalGap);
        if (kind == GapKind::High) {
            const double ratio = random.uniform(kLowestDeltaTenths, kHighestDeltaTenths) / 10.0;
            corrected = std::max<double>(kLowestRaisedGap,
                                         rules::kNormalAnionGap + ratio * std::max(0.0, rules::kNormalHco3 - HCO3));
        }
        const double chloride = std::round(sodium - HCO3 - (corrected - correctionFor(albumin)));
        drawn = Electrolytes{double(sodium), chloride, double(albumin), AlbuminUnit::GramsPerLitre};
        if (fits(drawn, HCO3, kind))
            return drawn;
    }
    return drawn;
}

} // namespace halvex
