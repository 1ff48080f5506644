#include "csv/Utf8.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace halvex {
namespace {
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
}

std::size_t utf8CharacterLength(std::string_view text)
{
    if (text.empty())
        return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80; // the range of the second byte, narrowed against overlong forms and surrogates
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

bool isValidUtf8(std::string_view text)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighs = 0x8080808080808080;
    std::size_t i = 0;
    while (i < text.size()) {
        // Plain ASCII bytes, none NUL, eight at a time: up to the first that is not.
        if (i + 8 <= text.size()) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + i, sizeof word);
            // In little-endian order the lowest marked byte is the first; a
            // borrow may mark bytes after a NUL, never one before it.
            const std::uint64_t marked = (word & kHighs) | ((word - kOnes) & ~word & kHighs);
            if (marked == 0) {
                i += 8;
                continue;
            }
            if constexpr (std::endian::native == std::endian::little)
                i += static_cast<std::size_t>(std::countr_zero(marked)) / 8;
        }
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0)
            return false;
        if (byte < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = utf8CharacterLength(text.substr(i));
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

void appendValidUtf8(std::string &out, std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = text[i] == '\0' ? 0 : utf8CharacterLength(text.substr(i));
        if (length == 0) {
            out.append(kReplacement);
            ++i;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
}

} // namespace halvex
