#pragma once

// One item of a side-bar group: a link-like button bound to an action, whose
// caption is underlined while the mouse is over it. A choice item (a page, a
// unit, a language) shows a marker image while it is the one chosen, and says
// so to a screen reader as a checked radio button; a link item opens an address.
// Its whole row takes the click.

#include "widgets/SideBarButton.h"

class SideBarItem : public SideBarButton {
    Q_OBJECT

public:
    enum class Kind { Choice, Link };

    SideBarItem(Kind kind, QWidget *parent);

    Kind kind() const { return m_kind; }
    // A choice item carries its marker.
    bool isMarked() const { return m_kind == Kind::Choice && m_marked; }
    // Shows the image (an empty one beside an item without its mark) and tells a screen reader when the mark changes.
    void showMarker(const QIcon &image, bool marked);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setUnderline(bool underline);

    Kind m_kind;
    bool m_marked = false;
};
