#include "Artwork.h"

#include <QResource>

#include <cstring>

namespace artwork {
namespace {

// A picture stored as its width and height (32 bits each) and its premultiplied
// ARGB32 pixels; an empty image when the resource does not hold one.
QImage rawPicture(const QString &name)
{
    const QResource resource(QStringLiteral(":/artwork/") + name);
    quint32 size[2] = {0, 0};
    if (resource.size() < qint64(sizeof size))
        return {};
    std::memcpy(size, resource.data(), sizeof size);
    if (resource.size() != qint64(sizeof size) + qint64(size[0]) * size[1] * 4)
        return {};
    return QImage(resource.data() + sizeof size, int(size[0]), int(size[1]), int(size[0]) * 4,
                  QImage::Format_ARGB32_Premultiplied);
}

QPixmap pixmap(const QString &name)
{
    return QPixmap::fromImage(rawPicture(name));
}

} // namespace

QPixmap splashPicture()
{
    return pixmap(QStringLiteral("splash.argb"));
}

QPixmap tickMarker()
{
    return pixmap(QStringLiteral("tick.argb"));
}

QPixmap arrowMarker()
{
    return pixmap(QStringLiteral("arrow.argb"));
}

QPixmap groupIcon(GroupIcon icon)
{
    switch (icon) {
    case GroupIcon::Abg:
        return pixmap(QStringLiteral("group-abg.argb"));
    case GroupIcon::Units:
        return pixmap(QStringLiteral("group-units.argb"));
    case GroupIcon::Language:
        return pixmap(QStringLiteral("group-language.argb"));
    }
    return {};
}

QImage reportLogo()
{
    // A copy: the report keeps it after the resource's data is out of reach.
    return rawPicture(QStringLiteral("report-logo.argb")).copy();
}

QPixmap printerIcon()
{
    return pixmap(QStringLiteral("printer.argb"));
}

} // namespace artwork
