#pragma once

// A side bar of collapsible groups stacked from the top.

#include <QWidget>

class QVBoxLayout;
class SideBarGroup;

class SideBar : public QWidget {
    Q_OBJECT

public:
    explicit SideBar(QWidget *parent = nullptr);

    SideBarGroup *addGroup(const QString &objectName, const QString &caption, const QIcon &icon);

private:
    QVBoxLayout *m_layout;
};
