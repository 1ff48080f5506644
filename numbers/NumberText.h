#pragma once

// Numbers as the program writes and reads them: a "." for the decimal point
// whatever the user's locale, fixed decimals, an exact half rounded away from zero.

#include <optional>
#include <string>
#include <string_view>

namespace halvex {

// The value with exactly `decimals` decimals (0 gives an integer). Rounds the
// shortest decimal text that reads back as the value, so 2.675 shows as 2.68
// with two decimals and 37.5 as 38 with none. Never shows "-0".
std::string formatFixed(double value, int decimals);
// The same text, always by the way the definition above reads: the shortest
// text, its digits rounded. formatFixed takes a quicker way where the value is
// clearly off a half; this one is its reference.
std::string formatFixedFromShortest(double value, int decimals);
// formatFixed's text written over `text`, which keeps its room: for a column filled row after row.
void writeFixed(std::string &text, double value, int decimals);

// The value with at most `maxDecimals` decimals, rounded as formatFixed
// rounds, without trailing zeros: 90.0 shows as 90, 5.30 as 5.3.
std::string formatUpTo(double value, int maxDecimals);

// The value as formatFixed writes it, read back: the number a reader sees.
double roundedTo(double value, int decimals);

// The finite number a text reads as: an optional sign, digits with at most one
// ".", and an optional exponent. Nothing for any other text, the empty text,
// infinities and NaN included.
std::optional<double> parseNumber(std::string_view text);

} // namespace halvex
