#include "widgets/SideBarButton.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

#include <algorithm>

SideBarButton::SideBarButton(QWidget *parent) : QToolButton(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

// As a tool button sizes itself, with the icon alone: a caption of one line
// is lower than the icon, so the height is the same as with it. Without an
// icon the caption alone gives the size.
QSize SideBarButton::sizeHint() const
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

QSize SideBarButton::minimumSizeHint() const
{
    return SideBarButton::sizeHint();
}

// The button's own drawing. Its frame, where one is drawn, is as wide as its
// icon and caption; the caption is measured for that alone.
void SideBarButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    if (option.state & (QStyle::State_MouseOver | QStyle::State_HasFocus | QStyle::State_Sunken | QStyle::State_On)) {
        const QSize framed(std::min(width(), QToolButton::sizeHint().width()), height());
        option.rect = QStyle::visualRect(layoutDirection(), rect(), QRect(rect().topLeft(), framed));
    }
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}
