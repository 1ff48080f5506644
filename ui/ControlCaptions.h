#pragma once

// Writes the texts of named controls of a window, whatever their kind: a
// label's text, a button's or check box's caption, an action's caption (which
// its side-bar item follows).

#include <QHash>
#include <QString>

class QObject;

class ControlCaptions {
public:
    // Finds the named controls below `root` once, but for those below `skip`.
    explicit ControlCaptions(const QObject &root, const QObject *skip = nullptr);

    // A name that is no control taking a caption is passed over: its page may not be built yet.
    void set(const QString &control, const QString &text) const;

private:
    QHash<QString, QObject *> m_controls;
};

// SetEnglishCaptions or SetFrenchCaptions on the controls below `root` (but
// for those below `skip`): each control of the caption set that is there.
void writeCaptionSet(const QObject &root, bool french, const QObject *skip = nullptr);
