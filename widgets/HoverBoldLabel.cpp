#include "HoverBoldLabel.h"

#include <QMouseEvent>

HoverBoldLabel::HoverBoldLabel(QWidget *parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void HoverBoldLabel::setBold(bool bold)
{
    QFont styled = font();
    styled.setBold(bold);
    setFont(styled);
}

void HoverBoldLabel::enterEvent(QEnterEvent *event)
{
    setBold(true);
    QLabel::enterEvent(event);
}

void HoverBoldLabel::leaveEvent(QEvent *event)
{
    setBold(false);
    QLabel::leaveEvent(event);
}

void HoverBoldLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
