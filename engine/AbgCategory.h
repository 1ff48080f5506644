#pragma once

// The fifteen acid/base categories: their codes (shared by the teacher check
// boxes, the statistics and the sample labels), abbreviations, English names
// and display colours.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace halvex {

enum class AbgCategory : int {
    Normal = 0,
    RA,
    PCRA,
    CRA,
    MA,
    PCMA,
    CMA,
    CRMA, // the acidoses, codes 1 to 7
    RAK,
    PCRAK,
    CRAK,
    MAK,
    PCMAK,
    CMAK,
    CRMAK // the alkaloses, codes 8 to 14
};

inline constexpr int kCategoryCount = 15;
// Returned by TABG::Generate when no sample of a category could be made.
inline constexpr int kNoCategory = 99;

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

struct AbgCategoryInfo {
    AbgCategory category;
    std::string_view abbreviation; // the suffix of the category's control names
    std::string_view englishName;  // also the catalogue key of the name
    Rgb colour;
    bool metabolicAcidosis; // a metabolic acidosis is in it: the fall in HCO3 the anion gap reads
};

// All fifteen categories in code order.
const std::array<AbgCategoryInfo, kCategoryCount> &abgCategories();

// The category of a code 0 to 14; nothing for any other code.
std::optional<AbgCategory> categoryFromCode(int code);

const AbgCategoryInfo &categoryInfo(AbgCategory category);

constexpr int categoryCode(AbgCategory category)
{
    return static_cast<int>(category);
}

} // namespace halvex
