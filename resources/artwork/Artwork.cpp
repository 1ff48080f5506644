#include "Artwork.h"

#include <QResource>

namespace artwork {

QPixmap splashPicture()
{
    constexpr QSize kSize{302, 149};
    const QResource pixels(QStringLiteral(":/artwork/splash.rgb32"));
    if (pixels.size() != qint64(kSize.width()) * kSize.height() * 4)
        return {};
    return QPixmap::fromImage(QImage(pixels.data(), kSize.width(), kSize.height(), kSize.width() * 4,
                                     QImage::Format_RGB32));
}

QPixmap tickMarker()
{
    return QPixmap(QStringLiteral(":/artwork/tick.png"));
}

QPixmap arrowMarker()
{
    return QPixmap(QStringLiteral(":/artwork/arrow.png"));
}

QPixmap groupIcon(GroupIcon icon)
{
    switch (icon) {
    case GroupIcon::Abg:
        return QPixmap(QStringLiteral(":/artwork/group-abg.png"));
    case GroupIcon::Units:
        return QPixmap(QStringLiteral(":/artwork/group-units.png"));
    case GroupIcon::Language:
        return QPixmap(QStringLiteral(":/artwork/group-language.png"));
    }
    return {};
}

QImage reportLogo()
{
    return QImage(QStringLiteral(":/artwork/report-logo.png"));
}

QPixmap printerIcon()
{
    return QPixmap(QStringLiteral(":/artwork/printer.png"));
}

} // namespace artwork
