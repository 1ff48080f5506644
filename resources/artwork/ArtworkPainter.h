#pragma once

// Halvex's own pictures, drawn with QPainter. They are drawn once, when the
// program is built, and the program loads them as resources.

#include "resources/artwork/Pictures.h"

#include <QPixmap>

namespace artwork::painter {

// Whichever picture of the list: the splash picture, the markers, the group
// icons, the sheet's logo, the printer button's picture.
QPixmap draw(Picture picture);
// The application icon, square, for the desktop and the window.
QPixmap applicationIcon(int size);

} // namespace artwork::painter
