#include "HoverBoldLabel.h"

void HoverBoldLabel::setBold(bool bold)
{
    QFont styled = font();
    styled.setBold(bold);
    setFont(styled);
}

void HoverBoldLabel::enterEvent(QEnterEvent *event)
{
    setBold(true);
    ClickableLabel::enterEvent(event);
}

void HoverBoldLabel::leaveEvent(QEvent *event)
{
    setBold(false);
    ClickableLabel::leaveEvent(event);
}
