#pragma once

// Engine texts are UTF-8; tests compare them as QStrings so failures print them.

#include <QString>

#include <string_view>

inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
