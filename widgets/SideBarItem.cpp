#include "widgets/SideBarItem.h"

#include <QAccessible>
#include <QEnterEvent>

SideBarItem::SideBarItem(Kind kind, QWidget *parent) : SideBarButton(parent), m_kind(kind) {}

void SideBarItem::showMarker(const QIcon &image, bool chosen)
{
    const bool wasChosen = isChosen();
    setIcon(image);
    m_chosen = chosen;
    if (wasChosen != isChosen() && QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void SideBarItem::enterEvent(QEnterEvent *event)
{
    setUnderline(true);
    SideBarButton::enterEvent(event);
}

void SideBarItem::leaveEvent(QEvent *event)
{
    setUnderline(false);
    SideBarButton::leaveEvent(event);
}

void SideBarItem::setUnderline(bool underline)
{
    QFont linkFont = font();
    linkFont.setUnderline(underline);
    setFont(linkFont);
}
