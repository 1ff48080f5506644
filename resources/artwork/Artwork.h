#pragma once

// Halvex's own pictures: the splash picture, the side bar's marker images and
// its group icons. Drawn when the program is built, loaded from its resources.

#include <QImage>
#include <QPixmap>

namespace artwork {

enum class GroupIcon { Abg, Units, Language };

QPixmap splashPicture();      // 302 x 149
QPixmap tickMarker();         // 16 x 16, red
QPixmap arrowMarker();        // 16 x 16, red, pointing right
QPixmap groupIcon(GroupIcon); // 32 x 32
QImage reportLogo();          // 166 x 65, for the printed sheet
QPixmap printerIcon();        // 16 x 16

} // namespace artwork
