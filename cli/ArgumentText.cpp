#include "cli/ArgumentText.h"

#include "csv/Utf8.h"

#include <string_view>

namespace halvex::cli {
namespace {
constexpr char16_t kEscapeBase = 0xDC00;
}

QString argumentText(const char *bytes)
{
    const std::string_view text(bytes);
    QString decoded;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = utf8CharacterLength(text.substr(i));
        if (length == 0) {
            decoded.append(QChar(char16_t(kEscapeBase + static_cast<unsigned char>(text[i]))));
            ++i;
        } else {
            decoded.append(QString::fromUtf8(text.data() + i, qsizetype(length)));
            i += length;
        }
    }
    return decoded;
}

std::string argumentBytes(const QString &text)
{
    std::string bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes += text.mid(i, 2).toStdString();
            ++i;
        } else if (c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF) {
            bytes.push_back(static_cast<char>(c.unicode() - kEscapeBase));
        } else {
            bytes += QString(c).toStdString();
        }
    }
    return bytes;
}

} // namespace halvex::cli
