#include "numbers/NumberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>

namespace halvex {
namespace {

// The powers of ten a double holds exactly, as far as fifteen-digit numbers need.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The value in units of its last decimal, rounded as its shortest text rounds
// half up. Clearly on one side of a half: the shortest text lies within half a
// unit in the last place of the value, and scaling by an exact power of ten
// adds at most half a unit in the last place of the product, so eight of those
// kept from the half, the text and the value round the same way. Near the half
// H = (units + 0.5) / 10^decimals, while a unit of the product is far wider
// than the value's last place (below 2^46): no text of `decimals` digits reads
// back as the value, and H is the only one of a digit more that can. So the
// shortest text is H itself when H reads back as the value, and lies on the
// value's side of H otherwise: it rounds up exactly when the value is not below
// the double nearest H, which one correctly rounded division gives. None
// where a double no longer counts units that finely.
inline std::optional<std::uint64_t> clearlyRounded(double magnitude, int decimals)
{
    if (decimals >= int(std::size(kPowersOfTen)))
        return std::nullopt;
    const double scaled = magnitude * kPowersOfTen[decimals];
    if (!(scaled < 1e15))
        return std::nullopt;
    // Not below zero and below 2^53: the conversion truncates, as floor would.
    const auto units = static_cast<std::uint64_t>(scaled);
    const double fraction = scaled - static_cast<double>(units); // exact: both below 2^53
    // The next double up, as nextafter finds it for a finite value not below zero.
    const double next = std::bit_cast<double>(std::bit_cast<std::uint64_t>(scaled) + 1);
    const double margin = 8 * (next - scaled);
    if (std::fabs(fraction - 0.5) > margin)
        return units + (fraction > 0.5 ? 1 : 0);
    if (!(scaled < 0x1p46) || decimals + 1 >= int(std::size(kPowersOfTen)))
        return std::nullopt;
    const double half = static_cast<double>(10 * units + 5) / kPowersOfTen[decimals + 1];
    return units + (magnitude >= half ? 1 : 0);
}

// units / 10^decimals as text, with its sign when it is not zero; as
// clearlyRounded gives them, below 10^16 with at most fifteen decimals.
void writeUnits(std::string &text, bool negative, std::uint64_t units, int decimals)
{
    // Written from the last digit back: the decimals, the point, the integer's digits, the sign.
    std::array<char, 40> buffer;
    char *const end = buffer.data() + buffer.size();
    char *at = end;
    const bool withSign = negative && units != 0;
    for (int i = 0; i < decimals; ++i, units /= 10)
        *--at = static_cast<char>('0' + units % 10);
    if (decimals > 0)
        *--at = '.';
    do {
        *--at = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units != 0);
    if (withSign)
        *--at = '-';
    text.assign(at, end);
}

// Digits with an optional point and more digits ("7.41", "40"), fifteen digits
// at most: the whole number is exact in a double, and so is the power of ten,
// so one division gives the correctly rounded value, the same as from_chars.
// Anything else is none, for from_chars to read.
std::optional<double> plainDecimal(std::string_view text)
{
    constexpr std::size_t kMostDigits = std::size(kPowersOfTen) - 1;
    std::uint64_t whole = 0;
    std::size_t digits = 0;
    std::size_t decimals = 0;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (++digits > kMostDigits)
                return std::nullopt;
            whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
            decimals += point ? 1 : 0;
        } else if (c == '.' && !point && digits > 0) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || (point && decimals == 0))
        return std::nullopt;
    return static_cast<double>(whole) / kPowersOfTen[decimals];
}

} // namespace

std::string formatFixedFromShortest(double value, int decimals)
{
    if (!std::isfinite(value))
        return {};
    decimals = std::max(decimals, 0);

    // The shortest fixed text of the magnitude: enough room for the longest
    // (a subnormal's 1074 decimals); left uninitialised, to_chars writes what is read.
    std::array<char, 1200> buffer;
    const auto converted =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value), std::chars_format::fixed);
    const std::string_view shortest(buffer.data(), static_cast<std::size_t>(converted.ptr - buffer.data()));

    const std::size_t point = shortest.find('.');
    const std::string_view integer = shortest.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : shortest.substr(point + 1);
    const auto kept = static_cast<std::size_t>(decimals);

    // The integer part, then the kept decimals (zeros where the shortest text has none), rounded half up.
    std::string digits;
    digits.reserve(integer.size() + kept + 1);
    digits.append(integer).append(fraction.substr(0, kept));
    digits.append(kept - std::min(fraction.size(), kept), '0');
    std::size_t integerLength = integer.size();
    if (fraction.size() > kept && fraction[kept] >= '5') {
        auto it = digits.rbegin();
        for (; it != digits.rend() && *it == '9'; ++it)
            *it = '0';
        if (it == digits.rend()) {
            digits.insert(digits.begin(), '1');
            ++integerLength;
        } else {
            ++*it;
        }
    }

    std::string text;
    text.reserve(digits.size() + 2);
    if (value < 0 && digits.find_first_not_of('0') != std::string::npos)
        text.push_back('-');
    text.append(digits, 0, integerLength);
    if (decimals > 0)
        text.append(1, '.').append(digits, integerLength, std::string::npos);
    return text;
}

std::string formatFixed(double value, int decimals)
{
    std::string text;
    writeFixed(text, value, decimals);
    return text;
}

void writeFixed(std::string &text, double value, int decimals)
{
    decimals = std::max(decimals, 0);
    if (!std::isfinite(value))
        text.clear();
    else if (const std::optional<std::uint64_t> units = clearlyRounded(std::fabs(value), decimals))
        writeUnits(text, value < 0, *units, decimals);
    else
        text = formatFixedFromShortest(value, decimals);
}

std::string formatUpTo(double value, int maxDecimals)
{
    std::string text = formatFixed(value, maxDecimals);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

double roundedTo(double value, int decimals)
{
    // What formatFixed writes and parseNumber reads back: the units over the
    // exact power of ten, one correctly rounded division, as plainDecimal does.
    if (const std::optional<std::uint64_t> units = clearlyRounded(std::fabs(value), std::max(decimals, 0))) {
        const double magnitude = static_cast<double>(*units) / kPowersOfTen[std::max(decimals, 0)];
        return value < 0 && *units != 0 ? -magnitude : magnitude;
    }
    return parseNumber(formatFixed(value, decimals)).value_or(value);
}

std::optional<double> parseNumber(std::string_view text)
{
    // from_chars would also read "inf" and "nan"; only a digit or the point may
    // follow the one optional sign. It takes no "+", so that is dropped here.
    std::string_view magnitude = text;
    if (!magnitude.empty() && (magnitude.front() == '+' || magnitude.front() == '-'))
        magnitude.remove_prefix(1);
    if (magnitude.empty() || !((magnitude.front() >= '0' && magnitude.front() <= '9') || magnitude.front() == '.'))
        return std::nullopt;
    if (text.front() == '+')
        text = magnitude;
    if (const std::optional<double> plain = plainDecimal(magnitude))
        return text.front() == '-' ? -*plain : *plain;
    double value = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    if (parsed.ec != std::errc{} || parsed.ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace halvex
