#include "engine/AnionGap.h"

#include "engine/ClinicalRules.h"
#include "engine/Explanation.h"
#include "language/AsciiCase.h"
#include "language/Language.h"
#include "language/OwnTexts.h"
#include "numbers/NumberText.h"

#include <array>

namespace halvex {
namespace {

constexpr std::string_view kMilliEquivalents = "mEq/L";

// Written so that a NaN is refused as well.
bool within(double value, double lowest, double highest)
{
    return value >= lowest && value <= highest;
}

DeltaVerdict deltaVerdictOf(double ratio)
{
    if (ratio < rules::kDeltaNormalGapBelow)
        return DeltaVerdict::NormalGap;
    if (ratio < rules::kDeltaHighGapFrom)
        return DeltaVerdict::Mixed;
    if (ratio <= rules::kDeltaHighGapUpTo)
        return DeltaVerdict::HighGap;
    return DeltaVerdict::HighGapAndAlkalosis;
}

} // namespace

bool hasMetabolicAcidosis(AbgCategory category)
{
    return categoryInfo(category).metabolicAcidosis;
}

std::optional<AlbuminUnit> albuminUnitNamed(std::string_view name)
{
    if (equalsUpperAscii(name, "G/L"))
        return AlbuminUnit::GramsPerLitre;
    if (equalsUpperAscii(name, "G/DL"))
        return AlbuminUnit::GramsPerDecilitre;
    return std::nullopt;
}

std::string_view albuminUnitName(AlbuminUnit unit)
{
    return unit == AlbuminUnit::GramsPerLitre ? "g/L" : "g/dL";
}

double convertAlbumin(double albumin, AlbuminUnit from, AlbuminUnit to)
{
    // Albumin in g/L is ten times its figure in g/dL.
    constexpr double kGramsPerLitreInGramsPerDecilitre = 10;
    if (from == to)
        return albumin;
    return from == AlbuminUnit::GramsPerLitre ? albumin / kGramsPerLitreInGramsPerDecilitre
                                              : albumin * kGramsPerLitreInGramsPerDecilitre;
}

std::optional<ElectrolyteFailure> validateElectrolytes(const Electrolytes &electrolytes)
{
    if (electrolytes.sodium && !within(*electrolytes.sodium, rules::kLowestSodium, rules::kHighestSodium))
        return ElectrolyteFailure{ElectrolyteField::Sodium, rules::kLowestSodium, rules::kHighestSodium,
                                  kMilliEquivalents};
    if (electrolytes.chloride && !within(*electrolytes.chloride, rules::kLowestChloride, rules::kHighestChloride))
        return ElectrolyteFailure{ElectrolyteField::Chloride, rules::kLowestChloride, rules::kHighestChloride,
                                  kMilliEquivalents};
    if (electrolytes.albumin) {
        const auto inUnit = [&](double gramsPerLitre) {
            return convertAlbumin(gramsPerLitre, AlbuminUnit::GramsPerLitre, electrolytes.albuminUnit);
        };
        const double lowest = inUnit(rules::kLowestAlbuminGl);
        const double highest = inUnit(rules::kHighestAlbuminGl);
        if (!within(*electrolytes.albumin, lowest, highest))
            return ElectrolyteFailure{ElectrolyteField::Albumin, lowest, highest,
                                      albuminUnitName(electrolytes.albuminUnit)};
    }
    return std::nullopt;
}

std::string electrolyteFailureText(const ElectrolyteFailure &failure, std::string_view language)
{
    const bool french = toUpperAscii(language) == kLanguageFrench;
    const auto number = [french](double value) {
        std::string text = formatUpTo(value, 1);
        for (char &c : text) {
            if (french && c == '.')
                c = ',';
        }
        return text;
    };
    static constexpr std::array<std::string_view, 2> kSymbols{"Na", "Cl"};
    const std::string_view field = failure.field == ElectrolyteField::Albumin
                                       ? ownText(OwnText::Albumin, language)
                                       : kSymbols[static_cast<std::size_t>(failure.field)];
    return filledIn(ownText(OwnText::ElectrolyteOutOfRange, language),
                    {field, number(failure.lowest), number(failure.highest), failure.unit});
}

std::optional<AnionGap> anionGapOf(double HCO3, const Electrolytes &electrolytes)
{
    if (!electrolytes.sodium || !electrolytes.chloride)
        return std::nullopt;
    AnionGap result{};
    result.gap = roundedTo(*electrolytes.sodium - (*electrolytes.chloride + HCO3), 1);
    if (electrolytes.albumin) {
        const double missing =
            rules::kNormalAlbuminGdl
            - convertAlbumin(*electrolytes.albumin, electrolytes.albuminUnit, AlbuminUnit::GramsPerDecilitre);
        result.corrected = roundedTo(result.gap + rules::kGapPerAlbuminGdl * missing, 1);
    }
    const double gap = result.used();
    const double upperNormal = rules::kNormalAnionGap + rules::kAnionGapSpread;
    result.verdict = gap > upperNormal ? GapVerdict::High : GapVerdict::Normal;
    const bool lowHco3 = HCO3 < rules::kLowHco3Below;
    result.normalGapAcidosis = result.verdict == GapVerdict::Normal && lowHco3;
    if (result.verdict == GapVerdict::High) {
        result.hiddenByAlkalosis = !lowHco3;
        const double excess = gap - rules::kNormalAnionGap;
        result.correctedHco3 = roundedTo(HCO3 + excess, 1);
        if (HCO3 < rules::kNormalHco3) {
            result.deltaRatio = roundedTo(excess / (rules::kNormalHco3 - HCO3), 2);
            result.delta = deltaVerdictOf(*result.deltaRatio);
        }
    }
    return result;
}

} // namespace halvex
