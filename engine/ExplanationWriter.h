#pragma once

// How the explanation writes its words and numbers: in the language given,
// with its decimal mark and a true minus sign; pressures measured in kPa with
// the mmHg the rules work in beside them, and the results of the formulas in
// mmHg with kPa beside. Shared by the parts of the explanation.

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

    // A pressure as measured: "52 mmHg", or in kPa "8 kpa (60 mmHg)".
    std::string measured(double mmHg) const
    {
        if (!m_kpa)
            return number(mmHg, 2) + " mmHg";
        // As the field shows it, with at least its one decimal.
        const double kpa = mmHg / kKpaToMmHg;
        const std::string shown =
            formatUpTo(kpa, 2).find('.') == std::string::npos ? fixed(kpa, kKpaDecimals) : number(kpa, 2);
        return shown + " kpa (" + number(mmHg, 2) + " mmHg)";
    }
    // A pressure a formula gives, already rounded to `decimals`: "29 mmHg", or "29 mmHg (3.9 kpa)".
    std::string computed(double mmHg, int decimals) const
    {
        return number(mmHg, decimals) + " mmHg" + inKpaAfter({mmHg});
    }
    // A range of pressures: "27 to 31 mmHg", or "27 to 31 mmHg (3.6 to 4.1 kpa)".
    std::string pressureRange(double low, double high) const
    {
        return text(ExplanationText::ValueRange, {number(low, 1), number(high, 1)}) + " mmHg" + inKpaAfter({low, high});
    }

private:
    static constexpr double kKpaToMmHg = 7.5;

    // " (3.9 kpa)" or " (3.6 to 4.1 kpa)" in kPa; nothing in mmHg.
    std::string inKpaAfter(std::initializer_list<double> mmHg) const
    {
        if (!m_kpa)
            return {};
        const auto kpa = [this](double value) {
            return fixed(ConvertPressure(PressureUnit::MmHg, PressureUnit::Kpa, value), kKpaDecimals);
        };
        const std::string values =
            mmHg.size() == 1 ? kpa(*mmHg.begin())
                             : text(ExplanationText::ValueRange, {kpa(*mmHg.begin()), kpa(*(mmHg.begin() + 1))});
        return " (" + values + " kpa)";
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
