#include "Artwork.h"

namespace artwork {

QPixmap splashPicture()
{
    return QPixmap(QStringLiteral(":/artwork/splash.bmp"));
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

} // namespace artwork
