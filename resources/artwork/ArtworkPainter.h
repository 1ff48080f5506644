#pragma once

// Halvex's own pictures, drawn with QPainter. They are drawn once, when the
// program is built, and the program loads them as resources.

#include "Pictures.h"

#include <QPixmap>

namespace artwork::painter {

QPixmap splashPicture();      // 302 x 149
QPixmap tickMarker();         // 16 x 16, red
QPixmap arrowMarker();        // 16 x 16, red, pointing right
QPixmap groupIcon(GroupIcon); // 32 x 32
QPixmap reportLogo();         // 166 x 65, for the printed sheet
QPixmap printerIcon();        // 16 x 16
QPixmap applicationIcon(int size); // square, for the desktop
// Whichever picture of the list.
QPixmap draw(Picture picture);

} // namespace artwork::painter
