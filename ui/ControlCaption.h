#pragma once

// Writes the text of a named control of a window, whatever its kind: a label's
// text, a button's or check box's caption, an action's caption (which its
// side-bar item follows).

#include <QString>

class QObject;

// False when the window has no control of that name that takes a caption.
bool setControlCaption(QObject *window, const QString &control, const QString &text);
