#pragma once

// A side bar of collapsible groups stacked from the top.

#include <QWidget>

class QVBoxLayout;
class SideBarGroup;

class SideBar : public QWidget {
    Q_OBJECT

public:
    // The room above the first group and below the last, and between two groups.
    static constexpr int kVerticalMargin = 4;
    static constexpr int kGroupSpacing = 6;
    // The height the side bar needs for expanded groups of these heights.
    static constexpr int heightFor(int groupHeights, int groups)
    {
        return groupHeights + 2 * kVerticalMargin + (groups - 1) * kGroupSpacing;
    }

    explicit SideBar(QWidget *parent = nullptr);

    SideBarGroup *addGroup(const QString &objectName, const QString &caption, const QIcon &icon);

private:
    QVBoxLayout *m_layout;
};
