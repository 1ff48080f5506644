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

} // namespace halvex
