#pragma once

// Contrast as it is measured on screen, from the pixels drawn rather than the
// colours asked for: an area's background is its most common colour, and its
// text reads by its strongest pixel, as a colour picker finds them.

#include "widgets/Contrast.h"

#include <QHash>
#include <QImage>

inline QColor backgroundOf(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    QRgb most = image.pixel(area.topLeft());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (++counts[pixel] > counts[most])
                most = pixel;
        }
    }
    return QColor(most);
}

// The strongest contrast a pixel of the area has with the area's background.
inline double strongestContrast(const QImage &image, const QRect &area)
{
    const QColor background = backgroundOf(image, area);
    double strongest = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = std::max(strongest, contrastRatio(image.pixelColor(x, y), background));
    }
    return strongest;
}

// The figure a failure prints: "3.69:1 on #308cc6".
inline QByteArray contrastFigure(const QImage &image, const QRect &area)
{
    return QByteArray::number(strongestContrast(image, area), 'f', 2) + ":1 on "
           + backgroundOf(image, area).name().toLatin1();
}
