#pragma once

// Upper-cases the ASCII letters a to z and leaves every other byte as it is, so
// UTF-8 text and blanks pass through untouched (" french" stays " FRENCH").

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace halvex {

inline std::string toUpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

// Whether the text, upper-cased as above, is `upper`: without making a copy.
inline bool equalsUpperAscii(std::string_view text, std::string_view upper)
{
    if (text.size() != upper.size())
        return false;
    if (!text.empty() && text.size() <= sizeof(std::uint64_t)) {
        // Up to eight bytes at once: a byte from a to z has its 0x20 bit cleared.
        std::uint64_t word = 0;
        std::uint64_t wanted = 0;
        std::memcpy(&word, text.data(), text.size());
        std::memcpy(&wanted, upper.data(), upper.size());
        constexpr std::uint64_t kOnes = 0x0101010101010101;
        const std::uint64_t low7 = word & (kOnes * 0x7F);
        const std::uint64_t fromA = low7 + kOnes * (0x80 - 'a');
        const std::uint64_t pastZ = low7 + kOnes * (0x80 - 'z' - 1);
        const std::uint64_t lower = fromA & ~pastZ & ~word & (kOnes * 0x80);
        return (word ^ (lower >> 2)) == wanted;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) != upper[i])
            return false;
    }
    return true;
}

} // namespace halvex
