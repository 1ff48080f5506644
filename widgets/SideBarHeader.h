#pragma once

// The header of a side-bar group: its icon and caption on a button as wide as
// the group, so that the whole bar collapses and expands the group. Its size
// comes from its icon, never from its caption: measuring the bold caption
// would load a font before the window's first frame is painted. It is drawn as
// a button as wide as its icon and caption, where the pointer and the focus
// show.

#include <QToolButton>

class SideBarHeader : public QToolButton {
    Q_OBJECT

public:
    explicit SideBarHeader(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
