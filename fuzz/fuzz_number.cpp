// libFuzzer target: any text through the number reader. What it reads is
// finite, the very double from_chars reads from the same text, and a number it
// writes with fixed decimals, quickly or by the reference way alike (and rounds
// to the double that text reads back as), reads back
// as a finite number within half a unit of the last decimal.

#include "numbers/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::optional<double> value = halvex::parseNumber(text);
    if (!value)
        return 0;
    if (!std::isfinite(*value))
        std::abort();
    // Its quick way for plain decimals gives what from_chars gives, bit for bit ("+" aside, which from_chars refuses).
    const std::string_view signless = text.front() == '+' ? text.substr(1) : text;
    double expected = 0;
    std::from_chars(signless.data(), signless.data() + signless.size(), expected);
    if (std::memcmp(&expected, &*value, sizeof expected) != 0)
        std::abort();
    if (std::fabs(*value) > 1e15)
        return 0; // beyond what a field holds; fixed decimals lose the last digits there
    for (int decimals = 0; decimals <= 3; ++decimals) {
        // The quick way and the reference write the same text.
        const std::string reference = halvex::formatFixedFromShortest(*value, decimals);
        if (halvex::formatFixed(*value, decimals) != reference)
            std::abort();
        // Rounding gives the very double the text reads back as.
        const double rounded = halvex::roundedTo(*value, decimals);
        const double read = halvex::parseNumber(reference).value_or(*value);
        if (std::memcmp(&rounded, &read, sizeof rounded) != 0)
            std::abort();
        const std::optional<double> back = halvex::parseNumber(halvex::formatFixed(*value, decimals));
        if (!back
            || std::fabs(*back - *value) > 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + 1e-9 * std::fabs(*value))
            std::abort();
    }
    return 0;
}
