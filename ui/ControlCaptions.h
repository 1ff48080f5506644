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

    // A name that is no control taking a caption is passed over: its page may not be built yet.
    void set(const QString &control, const QString &text) const;

private:
    QHash<QString, QObject *> m_controls;
};
