#pragma once

// One collapsible group of a side bar: a header with a caption and an icon
// over a vertical list of link-like items, each bound to an action. A click
// anywhere on the header, as wide as the group, collapses or expands the group.

#include "widgets/SideBarItem.h"

#include <QWidget>

class QAction;
class QToolButton;
class QVBoxLayout;

class SideBarGroup : public QWidget {
    Q_OBJECT

public:
    SideBarGroup(const QString &caption, const QIcon &icon, QWidget *parent = nullptr);

    // Adds an item that shows the action's text (or a caption of its own) and
    // icon, and runs the action when clicked. A hidden item stays hidden.
    SideBarItem *addItem(QAction *action, const QString &objectName, SideBarItem::Kind kind = SideBarItem::Kind::Choice,
                         bool visible = true, const QString &ownCaption = {});
    QToolButton *header() const { return m_header; }

    bool isCollapsed() const { return m_collapsed; }
    // A collapsed group shrinks to its header, so that the groups below move up.
    void setCollapsed(bool collapsed);
    // The group's height while expanded; collapsed, it is as high as its header.
    void setExpandedHeight(int height);

    // Tooltips show the short part of an item's hint; off unless switched on.
    void setToolTipsShown(bool shown) { m_toolTipsShown = shown; }

signals:
    void collapsedChanged(bool collapsed);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyHeight();

    QToolButton *m_header;
    QWidget *m_lastInTabOrder; // the header, then the last item added
    QWidget *m_items;
    QVBoxLayout *m_itemLayout;
    bool m_collapsed = false;
    int m_expandedHeight = 0; // 0: as high as the items need
    bool m_toolTipsShown = false;
    QColor m_itemColour;
    QColor m_headerColour;
};
