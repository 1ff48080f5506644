#pragma once

// Upper-cases the ASCII letters a to z and leaves every other byte as it is, so
// UTF-8 text and blanks pass through untouched (" french" stays " FRENCH").

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
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) != upper[i])
            return false;
    }
    return true;
}

} // namespace halvex
