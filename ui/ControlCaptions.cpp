#include "ui/ControlCaptions.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>

ControlCaptions::ControlCaptions(const QObject &window)
{
    for (QObject *child : window.findChildren<QObject *>()) {
        if (!child->objectName().isEmpty())
            m_controls.insert(child->objectName(), child);
    }
}

void ControlCaptions::set(const QString &control, const QString &text) const
{
    QObject *found = m_controls.value(control);
    if (auto *label = qobject_cast<QLabel *>(found)) {
        label->setText(text);
        // A label placed by hand, not by a layout, takes the size of its new text.
        const QWidget *parent = label->parentWidget();
        if (!label->wordWrap() && parent && !parent->layout())
            label->adjustSize();
        return;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(found)) {
        button->setText(text);
        return;
    }
    if (auto *action = qobject_cast<QAction *>(found))
        action->setText(text);
}
