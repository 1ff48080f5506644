#pragma once

// The header of a side-bar group: its icon and caption on a button as wide as
// the group, so that the whole bar collapses and expands the group. Its size
// comes from its icon, never from its caption: measuring the bold caption
// would load a font before the window's first frame is painted.

#include <QToolButton>

class SideBarHeader : public QToolButton {
    Q_OBJECT

public:
    explicit SideBarHeader(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
