#include "resources/artwork/Artwork.h"

#include <QIconEngine>
#include <QPainter>
#include <QResource>

#include <algorithm>

#include <cstring>

namespace artwork {
namespace {

// A picture stored as its width and height (32 bits each) and its premultiplied
// ARGB32 pixels; an empty image when the resource does not hold one. An opaque
// picture's pixels are the same bytes read as RGB32.
QImage rawPicture(Picture which)
{
    const PictureFile &stored = pictureFile(which);
    const QResource resource(QStringLiteral(":/artwork/") + QString::fromLatin1(stored.file));
    quint32 size[2] = {0, 0};
    if (resource.size() < qint64(sizeof size))
        return {};
    std::memcpy(size, resource.data(), sizeof size);
    if (resource.size() != qint64(sizeof size) + qint64(size[0]) * size[1] * 4)
        return {};
    return QImage(resource.data() + sizeof size, int(size[0]), int(size[1]), int(size[0]) * 4,
                  stored.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
}

// The window's icon, read from its files only when the window system asks for
// a picture of it: nothing is decoded while the program starts.
class IconFiles final : public QIconEngine {
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        // The smallest file at least as large as asked for, else the largest.
        std::size_t chosen = kWindowIconSizes - 1;
        for (std::size_t i = 0; i < kWindowIconSizes; ++i) {
            if (kIconSizes[i] >= std::max(size.width(), size.height())) {
                chosen = i;
                break;
            }
        }
        const QPixmap file(QStringLiteral(":/artwork/halvex-%1.png").arg(kIconSizes[chosen]));
        return file.size() == size ? file : file.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (std::size_t i = 0; i < kWindowIconSizes; ++i)
            sizes << QSize(kIconSizes[i], kIconSizes[i]);
        return sizes;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine *clone() const override { return new IconFiles; }
};

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
    return QIcon(new IconFiles);
}

} // namespace artwork
