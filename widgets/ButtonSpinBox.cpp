#include "widgets/ButtonSpinBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

ButtonSpinBox::ButtonSpinBox(QWidget *parent) : QSpinBox(parent)
{
    lineEdit()->setReadOnly(true);
}

void ButtonSpinBox::keyPressEvent(QKeyEvent *event)
{
    // Tab and Enter still move on; nothing else reaches the box.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Return
        || event->key() == Qt::Key_Enter) {
        QSpinBox::keyPressEvent(event);
        return;
    }
    event->ignore();
}

void ButtonSpinBox::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}
