#pragma once

// The message catalogue: every message is written in English where it arises
// and passed through Translate, with the interface language, just before it is
// shown. English is the key language; the catalogue holds each key's French text.

#include <string>
#include <string_view>

namespace halvex {

inline constexpr std::string_view kLanguageEnglish = "ENGLISH";
inline constexpr std::string_view kLanguageFrench = "FRENCH";
inline constexpr std::string_view kLanguageGerman = "GERMAN";
inline constexpr std::string_view kLanguageSpanish = "SPANISH";

// The text to show for an English message in the given language. The language
// is compared after upper-casing its ASCII letters; keys match byte for byte.
// English returns the message itself; a message that is not a key, or a
// language the catalogue does not know, gives the empty string.
std::string Translate(std::string_view message, std::string_view language);
// The same text without a copy: the catalogue's own, or in English the message itself.
std::string_view translatedText(std::string_view message, std::string_view language);

} // namespace halvex
