#include "widgets/ButtonSpinBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

ButtonSpinBox::ButtonSpinBox(QWidget *parent) : QSpinBox(parent)
{
    lineEdit()->setReadOnly(true);
}

void ButtonSpinBox::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QSpinBox::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        setValue(key == Qt::Key_Home ? minimum() : maximum());
        event->accept();
        return;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        // The text is not typed into: a digit names the value, when the box can hold it.
        const int named = key - Qt::Key_0;
        if (named >= minimum() && named <= maximum())
            setValue(named);
        else
            QApplication::beep();
        event->accept();
        return;
    }
    // Up, Down, Page Up and Page Down step; Tab and Enter move on.
    QSpinBox::keyPressEvent(event);
}

void ButtonSpinBox::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}
