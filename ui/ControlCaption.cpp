#include "ControlCaption.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>

bool setControlCaption(QObject *window, const QString &control, const QString &text)
{
    QObject *found = window->findChild<QObject *>(control);
    if (auto *label = qobject_cast<QLabel *>(found)) {
        label->setText(text);
        return true;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(found)) {
        button->setText(text);
        return true;
    }
    if (auto *action = qobject_cast<QAction *>(found)) {
        action->setText(text);
        return true;
    }
    return false;
}
