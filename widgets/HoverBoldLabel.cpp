#include "widgets/HoverBoldLabel.h"

#include <algorithm>

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

QSize HoverBoldLabel::sizeHint() const
{
    return withBoldWidth(ClickableLabel::sizeHint());
}

QSize HoverBoldLabel::minimumSizeHint() const
{
    return withBoldWidth(ClickableLabel::minimumSizeHint());
}

QSize HoverBoldLabel::withBoldWidth(QSize hint) const
{
    QFont bold = font();
    bold.setBold(true);
    const int extra = QFontMetrics(bold).horizontalAdvance(text()) - fontMetrics().horizontalAdvance(text());
    hint.rwidth() += std::max(extra, 0);
    return hint;
}
