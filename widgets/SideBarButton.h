#pragma once

// A button of the side bar, a group's header or one of its items: as wide as
// the bar, so that the whole row takes the click, and as high as its icon
// makes it. Its caption is never measured to size it: that would lay out the
// caption, and load its font, before the window's first frame is painted.
// Under the pointer, with the focus or pressed it is drawn as a button as wide
// as its icon and caption.

#include <QToolButton>

class SideBarButton : public QToolButton {
    Q_OBJECT

public:
    explicit SideBarButton(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
