#pragma once

// The window settings: the window's position and a list of bound control
// properties (collapsed side-bar groups, the page shown, the page markers).
// A bound property is stored only while it differs from its design value;
// back at its design value it is deleted, with its subkey once that is empty.
// Only what this window changed since it restored its settings is written, so
// that another window on the same store keeps its own choices.

#include <QPoint>
#include <QSize>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

class QSettings;

class FormSettings {
public:
    enum class Kind { Boolean, Integer, Text };

    struct Binding {
        QString name; // "control.Property": the subkey, a dot, the value name
        Kind kind;
        QVariant design;
        std::function<QVariant()> read;
        // Applies a stored value; false when the control cannot take it (the value is then left as designed).
        std::function<bool(const QVariant &)> write;
    };

    // The settings of the window named `formName` ("frmMain").
    explicit FormSettings(QString formName);

    void bind(Binding binding);

    // Gives each stored, well-formed value to its control; anything else keeps the design value.
    void restore(QSettings &store);
    // Writes the position and screen size, and each bound value the window
    // changed: stored when it differs from its design, deleted otherwise.
    void save(QSettings &store, QPoint topLeft, QSize screen);

private:
    QString m_formName;
    std::vector<Binding> m_bindings;
    std::vector<QVariant> m_saved; // each bound value as last restored or saved
};
