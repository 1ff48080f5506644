#include "widgets/SideBar.h"

#include "widgets/Contrast.h"
#include "widgets/SideBarGroup.h"

#include <QVBoxLayout>

SideBar::SideBar(QWidget *parent) : QWidget(parent), m_layout(new QVBoxLayout(this))
{
    // A pale background around the groups. Colours come from the palette, not
    // a style sheet, which would cost a noticeable part of the start-up.
    setAutoFillBackground(true);
    QPalette pale = palette();
    pale.setColor(QPalette::Window, designBackground(QColor(232, 238, 250), pale, QPalette::Window));
    setPalette(pale);
    m_layout->setContentsMargins(6, kVerticalMargin, 6, kVerticalMargin);
    m_layout->setSpacing(kGroupSpacing);
    m_layout->addStretch();
}

SideBarGroup *SideBar::addGroup(const QString &objectName, const QString &caption, const QIcon &icon)
{
    auto *group = new SideBarGroup(caption, icon, this);
    group->setObjectName(objectName);
    m_layout->insertWidget(m_layout->count() - 1, group);
    return group;
}
