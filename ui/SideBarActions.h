#pragma once

// The actions of the side bar (alBar) and the items bound to them, its groups,
// and the pages of the details area in their order. The tables guard their own
// order; counts and heights are derived from them.

#include "language/OwnTexts.h"
#include "language/TableOrder.h"
#include "product/ProductInfo.h"

#include <array>
#include <cstddef>
#include <optional>

inline constexpr int kTickImage = 0;
inline constexpr int kArrowImage = 1;
inline constexpr int kNoImage = -1;

// The pages of pcABGDetails, in their order. What each is lives in the window's page table.
enum class Page {
    Teacher,
    NormalValues,
    Preferences,
    Help,
    About,
    Samples,
    Statistics,
    Print,
    Explanation,
    Review,
    Electrolytes
};
inline constexpr int kPageCount = static_cast<int>(Page::Electrolytes) + 1;
// The page shown when nothing else is stored.
inline constexpr Page kDesignPage = Page::About;

// In the order of kBarActions.
enum class BarAction {
    Teacher,
    Statistics,
    Explanation,
    Review,
    Electrolytes,
    NormalValues,
    Samples,
    Print,
    Preferences,
    Website,
    Help,
    About,
    MmHg,
    Kpa,
    English,
    French,
    German,
    Spanish,
};
inline constexpr int kBarActionCount = static_cast<int>(BarAction::Spanish) + 1;

enum class BarGroup { Abg, Units, Language };
inline constexpr int kBarGroupCount = static_cast<int>(BarGroup::Language) + 1;

struct BarActionRow {
    BarAction id;
    const char *action;
    const char *item;
    BarGroup group;
    const char *caption;
    const char *hint;
    int designedImage;
    bool visible;
    // An item of ours beyond the design's: its caption in the language of the
    // captions (which `caption` only starts); its group grows for it.
    std::optional<halvex::OwnText> ours = std::nullopt;
    const char *itemCaption = ""; // the item's own caption, when it differs from the action's
    // What a screen reader reads of the item beyond its caption, in the language
    // in force; its English text is the hint's.
    std::optional<halvex::OwnText> description = std::nullopt;
};

// Group by group, in the order the items stand.
inline constexpr std::array<BarActionRow, kBarActionCount> kBarActions{{
    {BarAction::Teacher, "alBarABGTeacher", "barABGTeacher", BarGroup::Abg, "ABG Teacher", "", kArrowImage, true},
    {BarAction::Statistics, "alBarABGStats", "barABGStats", BarGroup::Abg, "Statistics", "", kNoImage, true},
    {BarAction::Explanation, "alBarABGExplain", "barABGExplain", BarGroup::Abg, "Explanation", "", kNoImage, true,
     halvex::OwnText::ExplanationTitle},
    {BarAction::Review, "alBarABGReview", "barABGReview", BarGroup::Abg, "Review", "", kNoImage, true,
     halvex::OwnText::Review},
    {BarAction::Electrolytes, "alBarABGElectrolytes", "barABGElectrolytes", BarGroup::Abg, "Electrolytes", "", kNoImage,
     true, halvex::OwnText::ElectrolytesTitle},
    {BarAction::NormalValues, "alBarABGShowNormalVals", "barABGNormalVals", BarGroup::Abg, "Normal Values",
     "Show normal ABG values", kNoImage, true, std::nullopt, "", halvex::OwnText::NormalValuesDescription},
    {BarAction::Samples, "alBarABGSamples", "barABGSamples", BarGroup::Abg, "Sample ABGs", "", kNoImage, true},
    {BarAction::Print, "alBarABGPrint", "barABGPrint", BarGroup::Abg, "Print Samples", "", kNoImage, true},
    {BarAction::Preferences, "alBarABGPrefs", "barABGPrefs", BarGroup::Abg, "Preferences", "", kNoImage, false},
    {BarAction::Website, "alBarABGWebsite", "barABGWebsite", BarGroup::Abg, "Halvex Website",
     "Go to Website|http://" HALVEX_WEBSITE, kNoImage, true},
    {BarAction::Help, "alBarABGHelp", "barABGHelp", BarGroup::Abg, "ABG Help", "", kNoImage, true},
    {BarAction::About, "alBarABGHelpAbout", "barABGHelpAbout", BarGroup::Abg, "About Halvex", "", kNoImage, true},
    {BarAction::MmHg, "alBarMMHG", "unitmmHG", BarGroup::Units, "mmHg", "", kTickImage, true},
    {BarAction::Kpa, "alBarKPa", "unitKPA", BarGroup::Units, "KPA", "", kNoImage, true},
    {BarAction::English, "alBarEnglish", "LanguageEnglish", BarGroup::Language, "English", "", kTickImage, true},
    {BarAction::French, "alBarFrench", "LanguageFrench", BarGroup::Language, "Français", "", kNoImage, true},
    {BarAction::German, "alBarGerman", "LanguageGerman", BarGroup::Language, "German", "", kNoImage, false,
     std::nullopt, "Deutsch"},
    {BarAction::Spanish, "alBarSpanish", "LanguageSpanish", BarGroup::Language, "Español", "", kNoImage, false},
}};

struct BarGroupRow {
    BarGroup group;
    const char *name;
    const char *caption;
    int designedHeight; // for the design's items
};

inline constexpr std::array<BarGroupRow, kBarGroupCount> kBarGroups{{
    {BarGroup::Abg, "barABG", "ABG", 203},
    {BarGroup::Units, "barUnits", "Units", 83},
    {BarGroup::Language, "barLanguage", "Language", 83},
}};

// The height of one item of a group.
inline constexpr int kBarItemHeight = 19;

// A group's height: the design's, and an item's more for each visible item of ours.
constexpr int barGroupHeight(BarGroup group)
{
    int height = kBarGroups[static_cast<std::size_t>(group)].designedHeight;
    for (const BarActionRow &row : kBarActions) {
        if (row.group == group && row.visible && row.ours)
            height += kBarItemHeight;
    }
    return height;
}

static_assert(rowsInEnumOrder(kBarActions, &BarActionRow::id), "one side-bar row an action, in the order of BarAction");
static_assert(rowsInEnumOrder(kBarGroups, &BarGroupRow::group), "one group row a group, in the order of BarGroup");
