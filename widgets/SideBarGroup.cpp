#include "widgets/SideBarGroup.h"

#include "widgets/BusStateChange.h"
#include "widgets/Contrast.h"
#include "widgets/Hints.h"
#include "widgets/IndexedAction.h"
#include "widgets/SideBarButton.h"
#include "widgets/SideBarItem.h"

#include <QAccessible>
#include <QAction>
#include <QEnterEvent>
#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

constexpr int kHeaderIconSize = 32;
constexpr int kItemIconSize = 16;
const QColor kHeaderColour(214, 223, 247);
const QColor kCaptionColour(0, 0, 128);
const QColor kLinkColour(0, 0, 192);

// The item follows its action, but for a caption of its own.
void showAction(SideBarItem *item, const QAction *action, const QString &ownCaption)
{
    item->setText(ownCaption.isEmpty() ? action->text() : ownCaption);
    // An action of an image list says which is chosen; another is chosen while it shows an icon.
    const auto *indexed = qobject_cast<const IndexedAction *>(action);
    item->showMarker(action->icon(), indexed ? indexed->isChosen() : !action->icon().isNull());
    item->setEnabled(action->isEnabled());
    // Only a new hint is written: the description a window gave the item in its language stays.
    if (const QString hint = hintOf(action); hintOf(item) != hint)
        setHint(item, hint);
}

const QColor kBorderColour(170, 185, 220);

void setTextColour(QWidget *widget, const QColor &text)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::ButtonText, text);
    widget->setPalette(colours);
}

} // namespace

SideBarGroup::SideBarGroup(const QString &caption, const QIcon &icon, QWidget *parent)
    : QWidget(parent)
    , m_header(new SideBarButton(this))
    , m_lastInTabOrder(m_header)
    , m_items(new QWidget(this))
    , m_itemLayout(new QVBoxLayout(m_items))
{
    // The design's colours on a light desktop; on a dark one the palette's, the texts readable on them.
    m_itemColour = designBackground(Qt::white, palette(), QPalette::Base);
    m_headerColour = designBackground(kHeaderColour, palette(), QPalette::Button);
    setTextColour(this, readableOn(kLinkColour, m_itemColour));
    setTextColour(m_header, readableOn(kCaptionColour, m_headerColour));
    m_header->setObjectName(QStringLiteral("header"));
    m_header->setText(caption);
    m_header->setIcon(icon);
    m_header->setIconSize(QSize(kHeaderIconSize, kHeaderIconSize));
    m_header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_header->setAutoRaise(true);
    m_header->setCursor(Qt::PointingHandCursor);
    QFont bold = m_header->font();
    bold.setBold(true);
    m_header->setFont(bold);
    connect(m_header, &QToolButton::clicked, this, [this] { setCollapsed(!m_collapsed); });

    m_itemLayout->setContentsMargins(8, 2, 4, 4);
    m_itemLayout->setSpacing(0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    layout->addWidget(m_items);
}

SideBarItem *SideBarGroup::addItem(QAction *action, const QString &objectName, SideBarItem::Kind kind, bool visible,
                                   const QString &ownCaption)
{
    auto *item = new SideBarItem(kind, m_items);
    item->setObjectName(objectName);
    item->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    item->setIconSize(QSize(kItemIconSize, kItemIconSize));
    item->setAutoRaise(true);
    item->setCursor(Qt::PointingHandCursor);
    item->setVisible(visible);
    showAction(item, action, ownCaption);
    connect(action, &QAction::changed, item, [item, action, ownCaption] { showAction(item, action, ownCaption); });
    connect(item, &QToolButton::clicked, action, &QAction::trigger);
    item->installEventFilter(this);
    m_itemLayout->addWidget(item);
    // Tab walks a group's header, then its items, then the next group.
    QWidget::setTabOrder(m_lastInTabOrder, item);
    m_lastInTabOrder = item;
    return item;
}

void SideBarGroup::setCollapsed(bool collapsed)
{
    if (collapsed == m_collapsed)
        return;
    m_collapsed = collapsed;
    m_items->setVisible(!collapsed);
    applyHeight();
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.expanded = true;
        changed.collapsed = true;
        changed.checked = true;
        QAccessibleStateChangeEvent event(m_header, changed);
        QAccessible::updateAccessibility(&event);
        // What the bridge leaves out of that event, as toolkits tell it of an expander.
        sendBusStateChange(m_header, "expanded", !collapsed);
        sendBusStateChange(m_header, "collapsed", collapsed);
    }
    emit collapsedChanged(collapsed);
}

void SideBarGroup::setExpandedHeight(int height)
{
    m_expandedHeight = height;
    applyHeight();
}

void SideBarGroup::applyHeight()
{
    if (m_collapsed) {
        setFixedHeight(m_header->sizeHint().height());
    } else if (m_expandedHeight > 0) {
        setFixedHeight(m_expandedHeight);
    } else {
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
    }
}

void SideBarGroup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_itemColour);
    painter.fillRect(m_header->geometry(), m_headerColour); // the header spans the group
    painter.setPen(designBackground(kBorderColour, palette(), QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool SideBarGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const QString tip = m_toolTipsShown ? hintShortPart(hintOf(watched)) : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), tip, static_cast<QWidget *>(watched));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
