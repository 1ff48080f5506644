#include "widgets/AccessibleInterfaces.h"

#include "widgets/Announcer.h"
#include "widgets/ButtonSpinBox.h"
#include "widgets/ClickableLabel.h"
#include "widgets/CylinderGauge.h"
#include "widgets/LabelTableAccessible.h"
#include "widgets/NumericSpinField.h"
#include "widgets/SideBarGroup.h"
#include "widgets/SideBarItem.h"

#include <QAbstractSpinBox>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QToolButton>

namespace {

QString withoutMnemonic(QString text)
{
    return text.remove(u'&');
}

// A widget that acts when pressed: a press through the accessibility action
// does what a click does. Unless given a name, it is named by its text.
class PressableAccessible : public QAccessibleWidget {
public:
    PressableAccessible(QWidget *widget, QAccessible::Role role, std::function<void()> press,
                        std::function<QString()> shownText)
        : QAccessibleWidget(widget, role)
        , m_press(std::move(press))
        , m_shownText(std::move(shownText))
    {
    }

    QString text(QAccessible::Text which) const override
    {
        const QString own = QAccessibleWidget::text(which);
        if (which == QAccessible::Name && own.isEmpty())
            return m_shownText();
        return own;
    }

    // Press, and what every widget offers (SetFocus, which a screen reader's focus command runs).
    QStringList actionNames() const override { return QStringList{pressAction()} << QAccessibleWidget::actionNames(); }

    void doAction(const QString &name) override
    {
        if (name == pressAction()) {
            if (widget()->isEnabled())
                m_press();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    std::function<void()> m_press;
    std::function<QString()> m_shownText;
};

class LinkAccessible final : public PressableAccessible {
public:
    explicit LinkAccessible(ClickableLabel *label)
        : PressableAccessible(
            label, QAccessible::Link, [label] { label->activate(); }, [label] { return label->text(); })
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
};

class CheckBoxAccessible final : public QAccessibleWidget {
public:
    explicit CheckBoxAccessible(QCheckBox *box) : QAccessibleWidget(box, QAccessible::CheckBox) {}

    QString text(QAccessible::Text which) const override
    {
        const QString own = QAccessibleWidget::text(which);
        if (which == QAccessible::Name && own.isEmpty())
            return withoutMnemonic(box()->text());
        return own;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = box()->isChecked();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{toggleAction(), pressAction()} << QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name == toggleAction() || name == pressAction()) {
            if (box()->isEnabled())
                box()->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    QCheckBox *box() const { return static_cast<QCheckBox *>(widget()); }
};

// A progress bar read by its name and its percentage. No value interface: the
// bridge would offer Increase and Decrease on it, and nobody sets a score.
class GaugeAccessible final : public QAccessibleWidget {
public:
    explicit GaugeAccessible(CylinderGauge *gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    QString text(QAccessible::Text which) const override
    {
        const QString shown = static_cast<const CylinderGauge *>(widget())->text();
        if (which == QAccessible::Value)
            return shown;
        if (which == QAccessible::Name)
            return QAccessibleWidget::text(which) + u' ' + shown;
        return QAccessibleWidget::text(which);
    }
};

// Our spin boxes: their value, limits and step as numbers, their text as the
// value's text, and a locked field read only.
class SpinFieldAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpinFieldAccessible(QAbstractSpinBox *box) : QAccessibleWidget(box, QAccessible::SpinBox) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(which);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly() && qobject_cast<NumericSpinField *>(box());
        return state;
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << increaseAction() << decreaseAction();
    }

    void doAction(const QString &name) override
    {
        if (name == increaseAction())
            box()->stepUp();
        else if (name == decreaseAction())
            box()->stepDown();
        else
            QAccessibleWidget::doAction(name);
    }

    QVariant currentValue() const override { return box()->property("value"); }
    void setCurrentValue(const QVariant &value) override
    {
        if (!box()->isReadOnly())
            box()->setProperty("value", value);
    }
    QVariant maximumValue() const override { return box()->property("maximum"); }
    QVariant minimumValue() const override { return box()->property("minimum"); }
    QVariant minimumStepSize() const override { return box()->property("stepSize"); }

private:
    QAbstractSpinBox *box() const { return static_cast<QAbstractSpinBox *>(widget()); }
};

// A side-bar item: a radio button checked while it is the one chosen, or a link.
class SideBarItemAccessible final : public PressableAccessible {
public:
    explicit SideBarItemAccessible(SideBarItem *item)
        : PressableAccessible(
            item, item->kind() == SideBarItem::Kind::Link ? QAccessible::Link : QAccessible::RadioButton,
            [item] { item->click(); }, [item] { return item->text(); })
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const auto *item = static_cast<const SideBarItem *>(widget());
        if (item->kind() == SideBarItem::Kind::Link) {
            state.linked = true;
        } else {
            state.checkable = true;
            state.checked = item->isChosen();
        }
        return state;
    }
};

// Spoken when it appears: a notification named by its news.
class AnnouncerAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer *announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name)
            return static_cast<const Announcer *>(widget())->news();
        return QAccessibleWidget::text(which);
    }
};

class GroupHeaderAccessible final : public PressableAccessible {
public:
    GroupHeaderAccessible(QToolButton *header, SideBarGroup *group)
        : PressableAccessible(
            header, QAccessible::Button, [header] { header->click(); }, [header] { return header->text(); })
        , m_group(group)
    {
    }

    // As toolkits expose an expander: a toggle, pressed while expanded. The
    // pressed state is what the bridge sends a change event for.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = !m_group->isCollapsed();
        state.collapsed = m_group->isCollapsed();
        state.checkable = true;
        state.checked = !m_group->isCollapsed();
        return state;
    }

private:
    SideBarGroup *m_group;
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (QAccessibleInterface *inTable = labelTableAccessible(className, object))
        return inTable;
    if (className == QLatin1String("ClickableLabel"))
        return new LinkAccessible(static_cast<ClickableLabel *>(object));
    if (className == QLatin1String("Pane"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Pane);
    if (className == QLatin1String("Announcer"))
        return new AnnouncerAccessible(static_cast<Announcer *>(object));
    if (className == QLatin1String("SideBarItem"))
        return new SideBarItemAccessible(static_cast<SideBarItem *>(object));
    if (className == QLatin1String("CylinderGauge"))
        return new GaugeAccessible(static_cast<CylinderGauge *>(object));
    if (className == QLatin1String("NumericSpinField") || className == QLatin1String("ButtonSpinBox"))
        return new SpinFieldAccessible(static_cast<QAbstractSpinBox *>(object));
    if (className == QLatin1String("QCheckBox"))
        return new CheckBoxAccessible(static_cast<QCheckBox *>(object));
    if (className == QLatin1String("QToolButton")) {
        auto *button = static_cast<QToolButton *>(object);
        if (auto *group = qobject_cast<SideBarGroup *>(button->parent()); group && group->header() == button)
            return new GroupHeaderAccessible(button, group);
    }
    return nullptr;
}

std::function<void(QObject *, const QVariant &)> &announcementListener()
{
    static std::function<void(QObject *, const QVariant &)> listener;
    return listener;
}

} // namespace

void announceValueChange(QObject *widget, const QVariant &value)
{
    if (announcementListener())
        announcementListener()(widget, value);
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent changed(widget, value);
    QAccessible::updateAccessibility(&changed);
}

void setAnnouncementListener(std::function<void(QObject *, const QVariant &)> listener)
{
    announcementListener() = std::move(listener);
}

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}
