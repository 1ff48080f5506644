#pragma once

// Halvex's own pictures: the splash picture, the side bar's marker images and
// its group icons, the sheet's logo, the printer button's picture and the
// window's icon. Drawn when the program is built, loaded from its resources.

#include "resources/artwork/Pictures.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace artwork {

QPixmap picture(Picture which);
QPixmap splashPicture();      // 302 x 149
QPixmap tickMarker();         // 16 x 16, red
QPixmap arrowMarker();        // 16 x 16, red, pointing right
QPixmap groupIcon(GroupIcon); // 32 x 32
QImage reportLogo();          // 166 x 65, for the printed sheet
QPixmap printerIcon();        // 16 x 16
// The application icon at the sizes compiled in; loaded when the window system asks for it.
QIcon windowIcon();

} // namespace artwork
