#pragma once

// The actions of the side bar (alBar) and the items bound to them, and the
// pages of the details area in their order.

#include "product/ProductInfo.h"

#include <array>

inline constexpr int kTickImage = 0;
inline constexpr int kArrowImage = 1;
inline constexpr int kNoImage = -1;

// The pages of pcABGDetails, in their order. What each is lives in the window's page table.
enum class Page { Teacher, NormalValues, Preferences, Help, About, Samples, Statistics, Print, Explanation, Review };
inline constexpr int kPageCount = 10;
// The page shown when nothing else is stored.
inline constexpr Page kDesignPage = Page::About;

// In the order of kBarActions.
enum class BarAction {
    Teacher, Statistics, Explanation, Review, NormalValues, Samples, Print, Preferences, Website, Help, About,
    MmHg, Kpa,
    English, French, German, Spanish,
};
inline constexpr int kBarActionCount = 17;

enum class BarGroup { Abg, Units, Language };

struct BarActionRow {
    BarAction id;
    const char *action;
    const char *item;
    BarGroup group;
    const char *caption;
    const char *hint;
    int designedImage;
    bool visible;
    const char *itemCaption = ""; // the item's own caption, when it differs from the action's
};

// Group by group, in the order the items stand.
inline constexpr std::array<BarActionRow, kBarActionCount> kBarActions{{
    {BarAction::Teacher, "alBarABGTeacher", "barABGTeacher", BarGroup::Abg, "ABG Teacher", "", kArrowImage, true},
    {BarAction::Statistics, "alBarABGStats", "barABGStats", BarGroup::Abg, "Statistics", "", kNoImage, true},
    {BarAction::Explanation, "alBarABGExplain", "barABGExplain", BarGroup::Abg, "Explanation", "", kNoImage, true},
    {BarAction::Review, "alBarABGReview", "barABGReview", BarGroup::Abg, "Review", "", kNoImage, true},
    {BarAction::NormalValues, "alBarABGShowNormalVals", "barABGNormalVals", BarGroup::Abg, "Normal Values",
     "Show normal ABG values", kNoImage, true},
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
     "Deutsch"},
    {BarAction::Spanish, "alBarSpanish", "LanguageSpanish", BarGroup::Language, "Español", "", kNoImage, false},
}};
