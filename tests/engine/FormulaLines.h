#pragma once

// Redoes by hand what an explanation's lines compute: every "… = result" whose
// left side ends in arithmetic on printed numbers (× / + −, brackets, log10,
// "a ± b", "a to b") must give the printed result to its printed decimals, and
// every pressure shown in both units must convert as the program converts
// (kpa × 7.5 = mmHg; mmHg × 0.133 = kpa, to one decimal), with the factor
// printed beside it. Used on the explanations of thousands of generated cases.

#include <cctype>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formula {

// The line with one minus and one times sign, and, in French, "." for the decimal comma.
inline std::string normalised(std::string line, bool french)
{
    const auto replaceAll = [&line](const std::string &from, const std::string &to) {
        for (std::size_t at = line.find(from); at != std::string::npos; at = line.find(from, at + to.size()))
            line.replace(at, from.size(), to);
    };
    replaceAll("\u2212", "-");
    replaceAll("\u00d7", "*");
    replaceAll("\u00b1", "~");
    replaceAll(" \u00e0 ", " to ");
    if (french) {
        const auto digit = [&line](std::size_t at) { return std::isdigit(static_cast<unsigned char>(line[at])) != 0; };
        for (std::size_t at = 1; at + 1 < line.size(); ++at) {
            if (line[at] == ',' && digit(at - 1) && digit(at + 1))
                line[at] = '.';
        }
    }
    return line;
}

// A number as printed, with the number of its decimals.
struct Printed {
    double value;
    int decimals;
};

inline std::optional<Printed> leadingNumber(const std::string &text, std::size_t &at)
{
    std::size_t end = at;
    if (end < text.size() && text[end] == '-')
        ++end;
    const std::size_t digits = end;
    while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.'))
        ++end;
    if (end == digits)
        return std::nullopt;
    const std::string number = text.substr(at, end - at);
    const std::size_t point = number.find('.');
    at = end;
    return Printed{std::stod(number), point == std::string::npos ? 0 : int(number.size() - point - 1)};
}

// Arithmetic on printed numbers, read to its end or not at all.
class Expression {
public:
    explicit Expression(std::string text) : m_text(std::move(text)) {}

    std::optional<double> value()
    {
        m_at = 0;
        m_operators = 0;
        const std::optional<double> result = sum();
        skip();
        if (!result || m_at != m_text.size())
            return std::nullopt;
        return result;
    }
    int operators() const { return m_operators; }

private:
    void skip()
    {
        while (m_at < m_text.size() && m_text[m_at] == ' ')
            ++m_at;
    }
    bool take(char c)
    {
        skip();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    std::optional<double> sum()
    {
        std::optional<double> left = product();
        while (left) {
            if (take('+')) {
                const std::optional<double> right = product();
                left = right ? std::optional<double>(*left + *right) : std::nullopt;
            } else if (take('-')) {
                const std::optional<double> right = product();
                left = right ? std::optional<double>(*left - *right) : std::nullopt;
            } else {
                break;
            }
            ++m_operators;
        }
        return left;
    }
    std::optional<double> product()
    {
        std::optional<double> left = factor();
        while (left) {
            if (take('*')) {
                const std::optional<double> right = factor();
                left = right ? std::optional<double>(*left * *right) : std::nullopt;
            } else if (take('/')) {
                const std::optional<double> right = factor();
                left = right ? std::optional<double>(*left / *right) : std::nullopt;
            } else {
                break;
            }
            ++m_operators;
        }
        return left;
    }
    std::optional<double> factor()
    {
        skip();
        if (m_text.compare(m_at, 6, "log10(") == 0) {
            m_at += 5;
            const std::optional<double> inner = factor();
            ++m_operators;
            return inner ? std::optional<double>(std::log10(*inner)) : std::nullopt;
        }
        if (take('(')) {
            const std::optional<double> inner = sum();
            return inner && take(')') ? inner : std::nullopt;
        }
        const std::optional<Printed> number = leadingNumber(m_text, m_at);
        return number ? std::optional<double>(number->value) : std::nullopt;
    }

    std::string m_text;
    std::size_t m_at = 0;
    int m_operators = 0;
};

// How many characters a printed number takes.
inline std::size_t formatLength(const Printed &printed)
{
    std::string text = std::to_string(std::fabs(printed.value));
    const std::size_t whole = text.find('.');
    return whole + (printed.decimals > 0 ? std::size_t(printed.decimals) + 1 : 0) + (printed.value < 0 ? 1 : 0);
}

// The printed result agrees with the exact value to its printed decimals.
inline bool agrees(double exact, const Printed &printed)
{
    return std::fabs(exact - printed.value) <= 0.5 * std::pow(10.0, -printed.decimals) + 1e-9;
}

// What failed, one sentence a fault; `checks` counts the computations redone.
struct Audit {
    std::vector<std::string> faults;
    int checks = 0;
};

// The values a left side gives: one, or two for "a to b" and "a ± b"; none when it holds no arithmetic.
inline std::vector<double> leftValues(const std::string &left)
{
    for (std::size_t start = 0; start < left.size(); ++start) {
        const char c = left[start];
        if ((start > 0 && left[start - 1] != ' ')
            || !(std::isdigit(static_cast<unsigned char>(c)) || c == '(' || c == 'l' || c == '-'))
            continue;
        const std::string tail = left.substr(start);
        for (const std::string_view separator : {std::string_view(" to "), std::string_view(" ~ ")}) {
            const std::size_t at = tail.find(separator);
            if (at == std::string::npos)
                continue;
            Expression first(tail.substr(0, at));
            Expression second(tail.substr(at + separator.size()));
            const std::optional<double> a = first.value();
            const std::optional<double> b = second.value();
            if (a && b)
                return separator == " to " ? std::vector<double>{*a, *b} : std::vector<double>{*a - *b, *a + *b};
        }
        Expression whole(tail);
        if (const std::optional<double> value = whole.value(); value && whole.operators() > 0)
            return {*value};
    }
    return {};
}

inline void auditLine(const std::string &original, bool french, Audit &audit)
{
    const std::string line = normalised(original, french);
    std::vector<std::string> parts;
    for (std::size_t from = 0;;) {
        const std::size_t at = line.find(" = ", from);
        parts.push_back(line.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos)
            break;
        from = at + 3;
    }
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const std::vector<double> computed = leftValues(parts[i]);
        if (computed.empty())
            continue;
        std::size_t at = 0;
        std::vector<Printed> printed;
        if (const std::optional<Printed> first = leadingNumber(parts[i + 1], at)) {
            printed.push_back(*first);
            if (parts[i + 1].compare(at, 4, " to ") == 0) {
                at += 4;
                if (const std::optional<Printed> second = leadingNumber(parts[i + 1], at))
                    printed.push_back(*second);
            }
        }
        ++audit.checks;
        if (printed.size() != computed.size()) {
            audit.faults.push_back("no result to compare with: " + original);
            continue;
        }
        for (std::size_t k = 0; k < computed.size(); ++k) {
            if (!agrees(computed[k], printed[k]))
                audit.faults.push_back("does not redo (" + std::to_string(computed[k]) + "): " + original);
        }
    }

    // Pressures in both units, each conversion with its factor, so that it can be
    // redone from the line: "8.0 kpa (* 7.5 = 60 mmHg)", "29 mmHg (* 0.133 = 3.9 kpa)",
    // "27 to 31 mmHg (* 0.133 = 3.6 to 4.1 kpa)". One printed without its factor, or
    // with another factor than the program's, is a fault.
    const auto numberBefore = [&line](std::size_t end) -> std::optional<Printed> {
        std::size_t start = end;
        while (start > 0
               && (std::isdigit(static_cast<unsigned char>(line[start - 1])) || line[start - 1] == '.'
                   || line[start - 1] == '-'))
            --start;
        if (start == end)
            return std::nullopt;
        return leadingNumber(line, start);
    };
    const auto numbersAfter = [&line](std::size_t &at) {
        std::vector<Printed> numbers;
        if (const std::optional<Printed> first = leadingNumber(line, at)) {
            numbers.push_back(*first);
            if (line.compare(at, 4, " to ") == 0) {
                at += 4;
                if (const std::optional<Printed> second = leadingNumber(line, at))
                    numbers.push_back(*second);
            }
        }
        return numbers;
    };
    const auto converts = [&](const std::string &unit, const std::string &other, double factor) {
        const std::string opening = " " + unit + " (";
        for (std::size_t at = line.find(opening); at != std::string::npos; at = line.find(opening, at + 1)) {
            std::vector<Printed> before;
            if (const std::optional<Printed> last = numberBefore(at)) {
                before.push_back(*last);
                const std::size_t start = at - formatLength(*last);
                if (start >= 4 && line.compare(start - 4, 4, " to ") == 0) {
                    if (const std::optional<Printed> first = numberBefore(start - 4))
                        before.insert(before.begin(), *first);
                }
            }
            std::size_t inside = at + opening.size();
            std::optional<Printed> printedFactor;
            if (line.compare(inside, 2, "* ") == 0) {
                std::size_t after = inside + 2;
                printedFactor = leadingNumber(line, after);
                if (printedFactor && line.compare(after, 3, " = ") == 0)
                    inside = after + 3;
                else
                    printedFactor.reset();
            }
            std::size_t end = inside;
            const std::vector<Printed> after = numbersAfter(end);
            if (before.empty() || after.size() != before.size()
                || line.compare(end, other.size() + 2, " " + other + ")") != 0)
                continue;
            if (!printedFactor) {
                audit.faults.push_back(unit + " to " + other + " without its factor: " + original);
                continue;
            }
            if (printedFactor->value != factor)
                audit.faults.push_back(unit + " to " + other + " by another factor: " + original);
            for (std::size_t k = 0; k < before.size(); ++k) {
                ++audit.checks;
                if (!agrees(before[k].value * printedFactor->value, after[k]))
                    audit.faults.push_back(unit + " to " + other + " does not convert: " + original);
            }
        }
    };
    converts("kpa", "mmHg", 7.5);
    converts("mmHg", "kpa", 0.133);
}

} // namespace formula
