#pragma once

// The actions of the side bar (alBar), the items bound to them, and the pages
// of the details area: one table each.

#include "ProductInfo.h"

#include <array>

inline constexpr int kTickImage = 0;
inline constexpr int kArrowImage = 1;
inline constexpr int kNoImage = -1;

enum class BarGroup { Abg, Units, Language };

struct BarActionRow {
    const char *action;
    const char *item;
    BarGroup group;
    const char *caption;
    const char *hint;
    int designedImage;
    bool visible;
    const char *page;             // the page it shows, for the eight page actions
    const char *itemCaption = ""; // the item's own caption, when it differs from the action's
};

// Group by group, in the order the items stand.
inline constexpr std::array<BarActionRow, 15> kBarActions{{
    {"alBarABGTeacher", "barABGTeacher", BarGroup::Abg, "ABG Teacher", "", kArrowImage, true, "tsABGTeacher"},
    {"alBarABGStats", "barABGStats", BarGroup::Abg, "Statistics", "", kNoImage, true, "tsABGStats"},
    {"alBarABGShowNormalVals", "barABGNormalVals", BarGroup::Abg, "Normal Values", "Show normal ABG values", kNoImage,
     true, "tsNormalValues"},
    {"alBarABGSamples", "barABGSamples", BarGroup::Abg, "Sample ABGs", "", kNoImage, true, "tsSamples"},
    {"alBarABGPrint", "barABGPrint", BarGroup::Abg, "Print Samples", "", kNoImage, true, "tsPrint"},
    {"alBarABGPrefs", "barABGPrefs", BarGroup::Abg, "Preferences", "", kNoImage, false, "tsUserPrefs"},
    {"alBarABGWebsite", "barABGWebsite", BarGroup::Abg, "Halvex Website", "Go to Website|http://" HALVEX_WEBSITE,
     kNoImage, true, nullptr},
    {"alBarABGHelp", "barABGHelp", BarGroup::Abg, "ABG Help", "", kNoImage, true, "tsHelp"},
    {"alBarABGHelpAbout", "barABGHelpAbout", BarGroup::Abg, "About Halvex", "", kNoImage, true, "tsHelpAbout"},
    {"alBarMMHG", "unitmmHG", BarGroup::Units, "mmHg", "", kTickImage, true, nullptr},
    {"alBarKPa", "unitKPA", BarGroup::Units, "KPA", "", kNoImage, true, nullptr},
    {"alBarEnglish", "LanguageEnglish", BarGroup::Language, "English", "", kTickImage, true, nullptr},
    {"alBarFrench", "LanguageFrench", BarGroup::Language, "Français", "", kNoImage, true, nullptr},
    {"alBarGerman", "LanguageGerman", BarGroup::Language, "German", "", kNoImage, false, nullptr, "Deutsch"},
    {"alBarSpanish", "LanguageSpanish", BarGroup::Language, "Español", "", kNoImage, false, nullptr},
}};

// The pages of pcABGDetails, in their order.
inline constexpr std::array<const char *, 8> kPages{"tsABGTeacher", "tsNormalValues", "tsUserPrefs", "tsHelp",
                                                    "tsHelpAbout",  "tsSamples",      "tsABGStats",  "tsPrint"};
// The page shown when nothing else is stored.
inline constexpr char kDesignPage[] = "tsHelpAbout";
