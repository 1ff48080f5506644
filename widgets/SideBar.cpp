#include "SideBar.h"

#include "SideBarGroup.h"

#include <QVBoxLayout>

namespace {

// Link-like items on a pale background, the header a shade darker.
constexpr char kStyle[] = R"(
SideBar { background: rgb(232, 238, 250); }
SideBarGroup { background: white; border: 1px solid rgb(170, 185, 220); border-radius: 3px; }
SideBarGroup QToolButton#header { background: rgb(214, 223, 247); border: none; color: rgb(0, 0, 128);
                                  text-align: left; padding: 0 4px; }
QToolButton[sideBarItem="true"] { border: none; color: rgb(0, 0, 192); text-align: left; padding: 1px 2px; }
QToolButton[sideBarItem="true"]:hover { color: rgb(0, 64, 255); text-decoration: underline; }
)";

} // namespace

SideBar::SideBar(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString::fromLatin1(kStyle));
    m_layout->setContentsMargins(6, 6, 6, 6);
    m_layout->setSpacing(8);
    m_layout->addStretch();
}

SideBarGroup *SideBar::addGroup(const QString &objectName, const QString &caption, const QIcon &icon)
{
    auto *group = new SideBarGroup(caption, icon, this);
    group->setObjectName(objectName);
    m_layout->insertWidget(m_layout->count() - 1, group);
    return group;
}
