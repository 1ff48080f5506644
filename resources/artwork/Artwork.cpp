#include "Artwork.h"

#include <QResource>

#include <cstring>

namespace artwork {
namespace {

// A picture stored as its width and height (32 bits each) and its premultiplied
// ARGB32 pixels; an empty image when the resource does not hold one.
QImage rawPicture(Picture which)
{
    const QResource resource(QStringLiteral(":/artwork/") + QString::fromLatin1(fileOf(which)));
    quint32 size[2] = {0, 0};
    if (resource.size() < qint64(sizeof size))
        return {};
    std::memcpy(size, resource.data(), sizeof size);
    if (resource.size() != qint64(sizeof size) + qint64(size[0]) * size[1] * 4)
        return {};
    return QImage(resource.data() + sizeof size, int(size[0]), int(size[1]), int(size[0]) * 4,
                  QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QPixmap picture(Picture which)
{
    return QPixmap::fromImage(rawPicture(which));
}

QPixmap splashPicture()
{
    return picture(Picture::Splash);
}

QPixmap tickMarker()
{
    return picture(Picture::Tick);
}

QPixmap arrowMarker()
{
    return picture(Picture::Arrow);
}

QPixmap groupIcon(GroupIcon icon)
{
    switch (icon) {
    case GroupIcon::Abg:
        return picture(Picture::GroupAbg);
    case GroupIcon::Units:
        return picture(Picture::GroupUnits);
    case GroupIcon::Language:
        return picture(Picture::GroupLanguage);
    }
    return {};
}

QImage reportLogo()
{
    // A copy: the report keeps it after the resource's data is out of reach.
    return rawPicture(Picture::ReportLogo).copy();
}

QPixmap printerIcon()
{
    return picture(Picture::Printer);
}

QIcon windowIcon()
{
    QIcon icon;
    for (std::size_t i = 0; i < kWindowIconSizes; ++i) {
        const int size = kIconSizes[i];
        icon.addFile(QStringLiteral(":/artwork/halvex-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace artwork
