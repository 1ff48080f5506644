#pragma once

// Writes the texts of named controls of a window, whatever their kind: a
// label's text, a button's or check box's caption, an action's caption (which
// its side-bar item follows).

#include <QHash>
#include <QString>

class QObject;

class ControlCaptions {
public:
    // Finds the window's named controls once.
    explicit ControlCaptions(const QObject &window);

    // False when the window has no control of that name that takes a caption.
    bool set(const QString &control, const QString &text) const;

private:
    QHash<QString, QObject *> m_controls;
};
