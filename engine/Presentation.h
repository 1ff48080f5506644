#pragma once

// How values and texts are shown to the user: the pressure unit in force and
// the interface language. The window holds one, halvex-cli builds one from its
// options; both hand it to whatever shows a pressure or a text. Also the facts
// that go with the unit: how many decimals a pressure shows, and its captions.

#include "engine/PressureUnits.h"
#include "language/Language.h"

#include <string>
#include <string_view>

namespace halvex {

// In kPa both pressures show one decimal, whatever the preferences hold.
inline constexpr int kKpaDecimals = 1;

struct Presentation {
    PressureUnit unit = PressureUnit::MmHg;
    // As chosen or as stored: "ENGLISH" and "FRENCH" from the side bar, while a
    // stored "french" is kept as it is (the catalogue still reads it as French).
    std::string language{kLanguageEnglish};

    // The texts the design speaks of: "MMHG" or "KPA", and the language.
    std::string_view CurrentUnits() const { return unitName(unit); }
    const std::string &CurrentLanguage() const { return language; }
    bool isEnglish() const { return language == kLanguageEnglish; }
};

// The decimals a pressure shows: one in kPa, the preference's number in mmHg.
inline int pressureDecimals(PressureUnit unit, int mmHgDecimals = 0)
{
    return unit == PressureUnit::Kpa ? kKpaDecimals : mmHgDecimals;
}

// The unit beside the pressure fields and on the normal-values page.
inline std::string_view unitCaption(PressureUnit unit)
{
    return unit == PressureUnit::MmHg ? "mmHg" : "kpa";
}

// The unit under the pressure headings of the printed sheet.
inline std::string_view sheetUnitCaption(PressureUnit unit)
{
    return unit == PressureUnit::MmHg ? "(mmHg)" : "(KPA)";
}

} // namespace halvex
