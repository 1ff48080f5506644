#include "widgets/AnnouncedLabel.h"

#include <QAccessible>

void AnnouncedLabel::announce()
{
    if (text().isEmpty() || !QAccessible::isActive())
        return;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
