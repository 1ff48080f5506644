#pragma once

// How the explanation writes its words and numbers: in the language given,
// with its decimal mark and a true minus sign; pressures measured in kPa with
// the mmHg the rules work in beside them, and the results of the formulas in
// mmHg with kPa beside, each conversion with its factor, so that every figure
// can be redone from its own line. Shared by the parts of the explanation.

#include "engine/Explanation.h"
#include "engine/Presentation.h"
#include "engine/PressureUnits.h"
#include "language/AsciiCase.h"
#include "language/ExplanationTexts.h"
#include "language/Language.h"
#include "numbers/NumberText.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace halvex {

class ExplanationWriter {
public:
    explicit ExplanationWriter(const Presentation &presentation)
        : m_language(presentation.language)
        , m_kpa(presentation.unit == PressureUnit::Kpa)
        , m_french(toUpperAscii(presentation.language) == kLanguageFrench)
    {
    }

    bool inKpa() const { return m_kpa; }

    std::string text(ExplanationText which, std::initializer_list<std::string_view> arguments = {}) const
    {
        return filledIn(explanationText(which, m_language), arguments);
    }
    std::string translated(std::string_view english) const { return Translate(english, m_language); }

    // A number as written in this language: at most `decimals` decimals, a true minus sign.
    std::string number(double value, int decimals) const { return written(formatUpTo(value, decimals)); }
    std::string fixed(double value, int decimals) const { return written(formatFixed(value, decimals)); }

    // A pressure as measured: "52 mmHg", or in kPa "8 kpa (× 7.5 = 60 mmHg)".
    std::string measured(double mmHg) const
    {
        if (!m_kpa)
            return number(mmHg, 2) + " mmHg";
        // As the field shows it, with at least its one decimal.
        const double kpa = mmHg / kMmHgPerKpa;
        const std::string shown =
            formatUpTo(kpa, 2).find('.') == std::string::npos ? fixed(kpa, kKpaDecimals) : number(kpa, 2);
        return shown + " kpa (× " + number(kMmHgPerKpa, 1) + " = " + number(mmHg, 2) + " mmHg)";
    }
    // A pressure a formula gives, already rounded to `decimals`: "29 mmHg", or "29 mmHg (× 0.133 = 3.9 kpa)".
    std::string computed(double mmHg, int decimals) const
    {
        return number(mmHg, decimals) + " mmHg" + inKpaAfter({mmHg});
    }
    // A range of pressures: "27 to 31 mmHg", or "27 to 31 mmHg (× 0.133 = 3.6 to 4.1 kpa)".
    std::string pressureRange(double low, double high) const
    {
        return text(ExplanationText::ValueRange, {number(low, 1), number(high, 1)}) + " mmHg" + inKpaAfter({low, high});
    }
    // A pressure in mmHg in kPa, as the fields convert it.
    std::string inKpa(double mmHg) const
    {
        return fixed(ConvertPressure(PressureUnit::MmHg, PressureUnit::Kpa, mmHg), kKpaDecimals);
    }
    // The factor that turns mmHg into kPa, as written on a line that does: "× 0.133".
    std::string toKpaFactor() const { return "× " + number(kKpaPerMmHg, 3); }

private:
    // " (× 0.133 = 3.9 kpa)" or " (× 0.133 = 3.6 to 4.1 kpa)" in kPa, so that each
    // figure can be redone from the line; nothing in mmHg.
    std::string inKpaAfter(std::initializer_list<double> mmHg) const
    {
        if (!m_kpa)
            return {};
        const std::string values =
            mmHg.size() == 1 ? inKpa(*mmHg.begin())
                             : text(ExplanationText::ValueRange, {inKpa(*mmHg.begin()), inKpa(*(mmHg.begin() + 1))});
        return " (" + toKpaFactor() + " = " + values + " kpa)";
    }

    std::string written(std::string number) const
    {
        if (m_french) {
            for (char &c : number) {
                if (c == '.')
                    c = ',';
            }
        }
        if (!number.empty() && number.front() == '-')
            number.replace(0, 1, "\u2212");
        return number;
    }

    std::string_view m_language;
    bool m_kpa;
    bool m_french;
};

} // namespace halvex
