#include "widgets/SideBarHeader.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

#include <algorithm>

SideBarHeader::SideBarHeader(QWidget *parent) : QToolButton(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

// As a tool button sizes itself, with the icon alone: a caption of one line
// is lower than the icon, so the height is the same as with it. Without an
// icon the caption alone gives the size.
QSize SideBarHeader::sizeHint() const
{
    ensurePolished();
    QStyleOptionToolButton option;
    initStyleOption(&option);
    if (option.toolButtonStyle == Qt::ToolButtonTextOnly)
        return QToolButton::sizeHint();
    const QSize contents(option.iconSize.width() + 4, option.iconSize.height());
    option.rect.setSize(contents);
    return style()->sizeFromContents(QStyle::CT_ToolButton, &option, contents, this);
}

QSize SideBarHeader::minimumSizeHint() const
{
    return sizeHint();
}

// The button's own drawing, on the room its icon and caption take.
void SideBarHeader::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const QSize drawn(std::min(width(), QToolButton::sizeHint().width()), height());
    option.rect = QStyle::visualRect(layoutDirection(), rect(), QRect(rect().topLeft(), drawn));
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}
