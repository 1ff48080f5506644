#pragma once

// The fifteen category controls that three pages show (answer boxes, sample
// labels, statistics names): their names, colours and places.

#include "engine/AbgCategory.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstddef>
#include <string_view>

// The tag of the category labels whose bold style the sample page resets.
inline constexpr int kCategoryLabelTag = 99;

// The control name for a category: prefix, abbreviation, suffix ("chk" "PCRA" "" -> "chkPCRA").
QString categoryControlName(const QString &prefix, halvex::AbgCategory category, const QString &suffix = {});
QColor categoryColour(halvex::AbgCategory category);
QString categoryEnglishName(halvex::AbgCategory category);
// The category's name in the language, through the catalogue.
QString categoryName(halvex::AbgCategory category, std::string_view language);

// SetCategoryCaptions, for one page's fifteen controls in code order: each
// category's name in the language.
template <typename Control>
void SetCategoryCaptions(const std::array<Control *, halvex::kCategoryCount> &controls, std::string_view language)
{
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories())
        controls[static_cast<std::size_t>(halvex::categoryCode(info.category))]->setText(
            categoryName(info.category, language));
}

// Where a category stands in the two columns: Normal alone on the first row,
// the acidoses down the left column, each alkalosis beside its acidosis.
struct GridPlace {
    int row;
    int column;
};
GridPlace categoryGridPlace(halvex::AbgCategory category);
