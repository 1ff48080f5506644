#pragma once

// How well a frame drawn along a rectangle stands out in a picture of a
// widget: the strongest contrast any pixel of its top or bottom edge has with
// a colour, as WCAG 2.1 measures it.

#include "widgets/Contrast.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>

inline double edgeContrast(const QImage &image, const QRect &edge, const QColor &against)
{
    double best = 1;
    for (int x = edge.left(); x <= edge.right(); ++x) {
        for (const int y : {edge.top(), edge.bottom()})
            best = std::max(best, contrastRatio(image.pixelColor(x, y), against));
    }
    return best;
}
