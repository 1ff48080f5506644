#include "engine/AbgCategory.h"

namespace halvex {
namespace {

constexpr Rgb kGreen{0, 128, 0};
constexpr Rgb kMaroon{128, 0, 0};
constexpr Rgb kNavy{0, 0, 128};

constexpr std::array<AbgCategoryInfo, kCategoryCount> kCategories{{
    {AbgCategory::Normal, "Normal", "Normal Acid/Base balance", kGreen, false},
    {AbgCategory::RA, "RA", "Uncompensated Respiratory Acidosis", kMaroon, false},
    {AbgCategory::PCRA, "PCRA", "Partly Compensated Respiratory Acidosis", kMaroon, false},
    {AbgCategory::CRA, "CRA", "Compensated Respiratory Acidosis", kMaroon, false},
    {AbgCategory::MA, "MA", "Uncompensated Metabolic Acidosis", kMaroon, true},
    {AbgCategory::PCMA, "PCMA", "Partly Compensated Metabolic Acidosis", kMaroon, true},
    {AbgCategory::CMA, "CMA", "Compensated Metabolic Acidosis", kMaroon, true},
    {AbgCategory::CRMA, "CRMA", "Combined Respiratory and Metabolic Acidosis", kMaroon, true},
    {AbgCategory::RAK, "RAK", "Uncompensated Respiratory Alkalosis", kNavy, false},
    {AbgCategory::PCRAK, "PCRAK", "Partly Compensated Respiratory Alkalosis", kNavy, false},
    {AbgCategory::CRAK, "CRAK", "Compensated Respiratory Alkalosis", kNavy, false},
    {AbgCategory::MAK, "MAK", "Uncompensated Metabolic Alkalosis", kNavy, false},
    {AbgCategory::PCMAK, "PCMAK", "Partly Compensated Metabolic Alkalosis", kNavy, false},
    {AbgCategory::CMAK, "CMAK", "Compensated Metabolic Alkalosis", kNavy, false},
    {AbgCategory::CRMAK, "CRMAK", "Combined Respiratory and Metabolic Alkalosis", kNavy, false},
}};

} // namespace

const std::array<AbgCategoryInfo, kCategoryCount> &abgCategories()
{
    return kCategories;
}

std::optional<AbgCategory> categoryFromCode(int code)
{
    if (code < 0 || code >= kCategoryCount)
        return std::nullopt;
    return static_cast<AbgCategory>(code);
}

const AbgCategoryInfo &categoryInfo(AbgCategory category)
{
    return kCategories[static_cast<std::size_t>(categoryCode(category))];
}

} // namespace halvex
