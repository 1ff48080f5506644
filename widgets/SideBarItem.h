#pragma once

// One item of a side-bar group: a link-like button bound to an action, whose
// caption is underlined while the mouse is over it. A choice item (a page, a
// unit, a language) shows its action's marker image, and says to a screen
// reader, as a checked radio button, whether it is the one chosen; a link item
// opens an address. Its whole row takes the click.

#include "widgets/SideBarButton.h"

class SideBarItem : public SideBarButton {
    Q_OBJECT

public:
    enum class Kind { Choice, Link };

    SideBarItem(Kind kind, QWidget *parent);

    Kind kind() const { return m_kind; }
    // A choice item is the one chosen.
    bool isChosen() const { return m_kind == Kind::Choice && m_chosen; }
    // Shows the image (an empty one beside an item without its mark) and tells
    // a screen reader when the item becomes chosen or stops being so.
    void showMarker(const QIcon &image, bool chosen);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setUnderline(bool underline);

    Kind m_kind;
    bool m_chosen = false;
};
