#include "engine/AcidBaseTable.h"

#include <algorithm>
#include <array>

namespace halvex {
namespace {

using enum PhBand;
using enum Level;
using enum AcidBaseOutcomeKind;

struct AcidBaseRow {
    PhBand band;
    Level paco2;
    Level hco3;
    AcidBaseOutcomeKind kind;
    AbgCategory category;  // Category rows
    std::string_view text; // Question rows: the sentence; FullCompensation rows: the second text
};

constexpr std::string_view kBothAcidic = "The pH is normal, the PaCO2 and HCO3 are both acidic?";
constexpr std::string_view kBothAlkalotic = "The pH is normal, the PaCO2 and HCO3 are both alkalotic?";
constexpr std::string_view kHco3Alkalotic =
    "The pH and PaCO2 are normal, the HCO3 is out of range (alkalotic for this pH)?";
constexpr std::string_view kHco3Acidic = "The pH and PaCO2 are normal, the HCO3 is out of range (acidic for this pH)?";
constexpr std::string_view kPaco2Alkalotic =
    "The pH and HCO3 are normal, the PaCO2 is out of range (alkalotic for this pH)?";
constexpr std::string_view kPaco2Acidic = "The pH and HCO3 are normal, the PaCO2 is out of range (acidic for this pH)?";

constexpr AcidBaseRow category(PhBand band, Level paco2, Level hco3, AbgCategory cat)
{
    return {band, paco2, hco3, Category, cat, {}};
}

constexpr AcidBaseRow question(PhBand band, Level paco2, Level hco3, std::string_view text)
{
    return {band, paco2, hco3, Question, AbgCategory::Normal, text};
}

constexpr AcidBaseRow compensated(PhBand band, Level paco2, Level hco3, std::string_view secondText)
{
    return {band, paco2, hco3, FullCompensation, AbgCategory::Normal, secondText};
}

// Each band has one row for each of the nine level combinations.
constexpr std::array<AcidBaseRow, 45> kRows{{
    category(Exactly740, Normal, Normal, AbgCategory::Normal),
    question(Exactly740, High, Low, kBothAcidic),
    question(Exactly740, Low, High, kBothAlkalotic),
    question(Exactly740, Normal, High, kHco3Alkalotic),
    question(Exactly740, Normal, Low, kHco3Acidic),
    question(Exactly740, Low, Normal, kPaco2Alkalotic),
    question(Exactly740, High, Normal, kPaco2Acidic),
    compensated(Exactly740, High, High, "Refer to previous ABG to help determine what is effecting the pH"),
    compensated(Exactly740, Low, Low, "Refer to previous ABG to help determine, what is effecting the pH"),

    category(LowNormal, Normal, Normal, AbgCategory::Normal),
    question(LowNormal, High, Low, kBothAcidic),
    question(LowNormal, Low, High, kBothAlkalotic),
    category(LowNormal, Low, Low, AbgCategory::CMA),
    category(LowNormal, High, High, AbgCategory::CRA),
    question(LowNormal, Normal, High, kHco3Alkalotic),
    question(LowNormal, Normal, Low, kHco3Acidic),
    question(LowNormal, Low, Normal, kPaco2Alkalotic),
    question(LowNormal, High, Normal, kPaco2Acidic),

    category(HighNormal, Normal, Normal, AbgCategory::Normal),
    question(HighNormal, High, Low, kBothAcidic),
    question(HighNormal, Low, High, kBothAlkalotic),
    category(HighNormal, Low, Low, AbgCategory::CRAK),
    category(HighNormal, High, High, AbgCategory::CMAK),
    question(HighNormal, Normal, High, kHco3Alkalotic),
    question(HighNormal, Normal, Low, kHco3Acidic),
    question(HighNormal, Low, Normal, kPaco2Alkalotic),
    question(HighNormal, High, Normal, kPaco2Acidic),

    category(Acidaemic, High, High, AbgCategory::PCRA),
    category(Acidaemic, High, Normal, AbgCategory::RA),
    category(Acidaemic, Low, Low, AbgCategory::PCMA),
    category(Acidaemic, Normal, Low, AbgCategory::MA),
    category(Acidaemic, High, Low, AbgCategory::CRMA),
    question(Acidaemic, Normal, Normal, "A normal PaCO2 and HCO3, the pH is acidic?"),
    question(Acidaemic, Low, High, "The pH is acidic, the PaCO2 and HCO3 are alkalotic?"),
    question(Acidaemic, Normal, High, "The pH is acidic, the HCO3 is alkalotic and PaCO2 is in normal range?"),
    question(Acidaemic, Low, Normal, "The pH is acidic, the PaCO2 is alkalotic and HCO3 is in normal range?"),

    category(Alkalaemic, Low, Low, AbgCategory::PCRAK),
    category(Alkalaemic, Low, Normal, AbgCategory::RAK),
    category(Alkalaemic, High, High, AbgCategory::PCMAK),
    category(Alkalaemic, Normal, High, AbgCategory::MAK),
    category(Alkalaemic, Low, High, AbgCategory::CRMAK),
    question(Alkalaemic, Normal, Normal, "A normal PaCO2 and HCO3 and the ph is alkalotic?"),
    question(Alkalaemic, High, Low, "The pH is alkalotic, the PaCO2 and HCO3 are acidic?"),
    question(Alkalaemic, Normal, Low, "The pH is alkalotic, the HCO3 is acidic and PaCO2 is in normal range?"),
    question(Alkalaemic, High, Normal, "The pH is alkalotic, the PaCO2 is acidic and HCO3 is in normal range?"),
}};

// Where a combination of band and levels stands in kRows, found without a search.
constexpr std::size_t kBands = 5;
constexpr std::size_t kLevels = 3;
constexpr std::size_t combination(PhBand band, Level paco2, Level hco3)
{
    return (static_cast<std::size_t>(band) * kLevels + static_cast<std::size_t>(paco2)) * kLevels
           + static_cast<std::size_t>(hco3);
}
constexpr std::array<std::size_t, kBands *kLevels *kLevels> kRowOf = [] {
    std::array<std::size_t, kBands * kLevels * kLevels> rows{};
    rows.fill(kRows.size());
    for (std::size_t i = 0; i < kRows.size(); ++i)
        rows[combination(kRows[i].band, kRows[i].paco2, kRows[i].hco3)] = i;
    return rows;
}();
static_assert(kRows.size() == kRowOf.size()
                  && std::all_of(kRowOf.begin(), kRowOf.end(), [](std::size_t row) { return row < kRows.size(); }),
              "every combination of band and levels has exactly one row");

Level levelOf(double value, NormalRange normal)
{
    if (value < normal.lowest)
        return Low;
    if (value > normal.highest)
        return High;
    return Normal;
}

} // namespace

PhBand phBandOf(double pH)
{
    if (pH < kPhNormalRange.lowest)
        return Acidaemic;
    if (pH < kPhNeutral)
        return LowNormal;
    if (pH == kPhNeutral)
        return Exactly740;
    if (pH <= kPhNormalRange.highest)
        return HighNormal;
    return Alkalaemic;
}

Level paco2LevelOf(double PaCO2)
{
    return levelOf(PaCO2, kPaco2NormalRange);
}

Level hco3LevelOf(double HCO3)
{
    return levelOf(HCO3, kHco3NormalRange);
}

AcidBaseOutcome classifyAcidBase(double pH, double PaCO2, double HCO3)
{
    // Even a NaN lands in one band with normal levels.
    const AcidBaseRow &row = kRows[kRowOf[combination(phBandOf(pH), paco2LevelOf(PaCO2), hco3LevelOf(HCO3))]];
    switch (row.kind) {
    case Category:
        return {Category, row.category, categoryInfo(row.category).englishName, {}};
    case Question:
        return {Question, row.category, row.text, {}};
    case FullCompensation:
        return {FullCompensation, row.category, kFullCompensationText, row.text};
    }
    return {Question, AbgCategory::Normal, {}, {}}; // not reached: the switch names every kind
}

} // namespace halvex
