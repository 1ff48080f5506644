#pragma once

// UTF-8 as the command line meets it: input that may be any bytes, output that
// must be valid UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace halvex {

// The length of the valid UTF-8 character that starts `text` (1 to 4), or 0
// when `text` starts with a byte that begins none (overlong forms and
// surrogates included).
std::size_t utf8CharacterLength(std::string_view text);

// Whether the text is valid UTF-8 without NUL: what appendValidUtf8 would copy unchanged.
bool isValidUtf8(std::string_view text);

// Appends the text with every byte that does not belong to a valid UTF-8 character, and NUL, as U+FFFD.
void appendValidUtf8(std::string &out, std::string_view text);

} // namespace halvex
