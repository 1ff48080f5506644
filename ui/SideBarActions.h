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

// Whether an item shows, and whether its group's designed height holds it.
enum class Shown {
    AsDesigned,
    Hidden,
    // Beyond the design: an item of ours, or one the design hid that a user
    // cannot do without. Its group grows by an item for it.
    Added,
};

struct BarActionRow {
    BarAction id;
    const char *action;
    const char *item;
    BarGroup group;
    const char *caption;
    const char *hint;
    int designedImage;
    Shown shown;
    // An item of ours: its caption in the language of the captions (which `caption` only starts).
    std::optional<halvex::OwnText> ours = std::nullopt;
    const char *itemCaption = ""; // the item's own caption, when it differs from the action's
    // What a screen reader reads of the item beyond its caption, in the language
    // in force; its English text is the hint's.
    std::optional<halvex::OwnText> description = std::nullopt;
};

// Group by group, in the order the items stand.
inline constexpr std::array<BarActionRow, kBarActionCount> kBarActions{{
    {BarAction::Teacher, "alBarABGTeacher", "barABGTeacher", BarGroup::Abg, "ABG Teacher", "", kArrowImage,
     Shown::AsDesigned},
    {BarAction::Statistics, "alBarABGStats", "barABGStats", BarGroup::Abg, "Statistics", "", kNoImage,
     Shown::AsDesigned},
    {BarAction::Explanation, "alBarABGExplain", "barABGExplain", BarGroup::Abg, "Explanation", "", kNoImage,
     Shown::Added, halvex::OwnText::ExplanationTitle},
    {BarAction::Review, "alBarABGReview", "barABGReview", BarGroup::Abg, "Review", "", kNoImage, Shown::Added,
     halvex::OwnText::Review},
    {BarAction::Electrolytes, "alBarABGElectrolytes", "barABGElectrolytes", BarGroup::Abg, "Electrolytes", "", kNoImage,
     Shown::Added, halvex::OwnText::ElectrolytesTitle},
    {BarAction::NormalValues, "alBarABGShowNormalVals", "barABGNormalVals", BarGroup::Abg, "Normal Values",
     "Show normal ABG values", kNoImage, Shown::AsDesigned, std::nullopt, "", halvex::OwnText::NormalValuesDescription},
    {BarAction::Samples, "alBarABGSamples", "barABGSamples", BarGroup::Abg, "Sample ABGs", "", kNoImage,
     Shown::AsDesigned},
    {BarAction::Print, "alBarABGPrint", "barABGPrint", BarGroup::Abg, "Print Samples", "", kNoImage, Shown::AsDesigned},
    {BarAction::Preferences, "alBarABGPrefs", "barABGPrefs", BarGroup::Abg, "Preferences", "", kNoImage, Shown::Added},
    {BarAction::Website, "alBarABGWebsite", "barABGWebsite", BarGroup::Abg, "Halvex Website",
     "Go to Website|http://" HALVEX_WEBSITE, kNoImage, Shown::AsDesigned},
    {BarAction::Help, "alBarABGHelp", "barABGHelp", BarGroup::Abg, "ABG Help", "", kNoImage, Shown::AsDesigned},
    {BarAction::About, "alBarABGHelpAbout", "barABGHelpAbout", BarGroup::Abg, "About Halvex", "", kNoImage,
     Shown::AsDesigned},
    {BarAction::MmHg, "alBarMMHG", "unitmmHG", BarGroup::Units, "mmHg", "", kTickImage, Shown::AsDesigned},
    {BarAction::Kpa, "alBarKPa", "unitKPA", BarGroup::Units, "KPA", "", kNoImage, Shown::AsDesigned},
    {BarAction::English, "alBarEnglish", "LanguageEnglish", BarGroup::Language, "English", "", kTickImage,
     Shown::AsDesigned},
    {BarAction::French, "alBarFrench", "LanguageFrench", BarGroup::Language, "Français", "", kNoImage,
     Shown::AsDesigned},
    {BarAction::German, "alBarGerman", "LanguageGerman", BarGroup::Language, "German", "", kNoImage, Shown::Hidden,
     std::nullopt, "Deutsch"},
    {BarAction::Spanish, "alBarSpanish", "LanguageSpanish", BarGroup::Language, "Español", "", kNoImage, Shown::Hidden},
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

// A group's height: the design's, and an item's more for each item added to it.
constexpr int barGroupHeight(BarGroup group)
{
    int height = kBarGroups[static_cast<std::size_t>(group)].designedHeight;
    for (const BarActionRow &row : kBarActions) {
        if (row.group == group && row.shown == Shown::Added)
            height += kBarItemHeight;
    }
    return height;
}

static_assert(rowsInEnumOrder(kBarActions, &BarActionRow::id), "one side-bar row an action, in the order of BarAction");
static_assert(rowsInEnumOrder(kBarGroups, &BarGroupRow::group), "one group row a group, in the order of BarGroup");
