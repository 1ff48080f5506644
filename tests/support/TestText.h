#pragma once

#include <QString>

#include <string_view>

// Engine texts are UTF-8; tests compare them as QStrings so failures print them.
inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
