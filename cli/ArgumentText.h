#pragma once

// Command-line arguments as text without losing a byte. A file name need not
// be UTF-8; the bytes that are not are kept in the text as the lone surrogates
// U+DC80 to U+DCFF and given back as they came when the file is opened.

#include <QString>

#include <string>

namespace halvex::cli {

QString argumentText(const char *bytes);
// The bytes the argument was given as.
std::string argumentBytes(const QString &text);

} // namespace halvex::cli
