#include "widgets/Pane.h"

void Pane::enter(Qt::FocusReason reason)
{
    QWidget *first = entry();
    (first ? first : this)->setFocus(reason);
}

QWidget *Pane::entry()
{
    return firstTabStop(this);
}

QWidget *firstTabStop(QWidget *region)
{
    // The window's tab order, from its start: the region's children need not follow the region in it.
    QWidget *window = region->window();
    for (QWidget *next = window->nextInFocusChain(); next && next != window; next = next->nextInFocusChain()) {
        if (region->isAncestorOf(next) && next->isVisible() && next->isEnabled()
            && (next->focusPolicy() & Qt::TabFocus))
            return next;
    }
    return nullptr;
}
