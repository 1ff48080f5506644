#pragma once

// The four decimal-place preferences: which setting each one is, its limits
// and its design value.

#include "language/OwnTexts.h"
#include "language/TableOrder.h"
#include "settings/AppSettings.h"

#include <array>
#include <cstddef>

// The four values whose decimals are a preference, in the order of the table below.
enum class DecimalValue { Ph, PaCO2, PaO2, HCO3 };
inline constexpr std::size_t kDecimalValueCount = static_cast<std::size_t>(DecimalValue::HCO3) + 1;

struct DecimalPreference {
    DecimalValue value;
    AppSetting setting;
    halvex::OwnText accessibleName; // of the decimals field
    const char *spinName;           // the decimals field on the preferences page
    const char *label;
    const char *example;
    const char *exampleName;
    const char *unit;
    int minimum;
    int maximum;
    int design;
};

// In the order the page lists them and Save applies them: pH, PaCO2, PaO2, HCO3.
inline constexpr std::array<DecimalPreference, kDecimalValueCount> kDecimalPreferences{{
    {DecimalValue::Ph, AppSetting::phDec, halvex::OwnText::PhDecimals, "edtPHDec", "pH", "7.40", "lblPh", "-log[H]", 1,
     3, 2},
    {DecimalValue::PaCO2, AppSetting::PaCO2Dec, halvex::OwnText::PaCO2Decimals, "edtPaCO2Dec", "PaCO2", "40",
     "lblPaCO2", "mmHg", 0, 2, 0},
    {DecimalValue::PaO2, AppSetting::PaO2Dec, halvex::OwnText::PaO2Decimals, "edtPaO2Dec", "PaO2", "80", "lblPaO2",
     "mmHg", 0, 2, 0},
    {DecimalValue::HCO3, AppSetting::HCO3Dec, halvex::OwnText::HCO3Decimals, "edtHCO3Dec", "HCO3", "24", "lblHCO3",
     "mEq/L", 0, 2, 0},
}};

static_assert(rowsInEnumOrder(kDecimalPreferences, &DecimalPreference::value),
              "one decimal preference a value, in the order of DecimalValue");

constexpr const DecimalPreference &decimalPreference(DecimalValue value)
{
    return kDecimalPreferences[static_cast<std::size_t>(value)];
}

// The stored number of decimals, or the design value when what is stored lies
// outside the preference's limits: a damaged store cannot ask a field for a
// thousand decimals. An empty or non-numeric setting reads as 0.
int storedDecimals(const AppSettings &settings, DecimalValue value);
