#include "widgets/AccessibleInterfaces.h"

#include "widgets/ClickableLabel.h"
#include "widgets/CylinderGauge.h"
#include "widgets/SideBarGroup.h"

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

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && widget()->isEnabled())
            m_press();
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

    QStringList actionNames() const override { return {toggleAction(), pressAction()}; }

    void doAction(const QString &name) override
    {
        if ((name == toggleAction() || name == pressAction()) && box()->isEnabled())
            box()->click();
    }

private:
    QCheckBox *box() const { return static_cast<QCheckBox *>(widget()); }
};

class GaugeAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit GaugeAccessible(CylinderGauge *gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Value)
            return gauge()->text();
        return QAccessibleWidget::text(which);
    }

    QVariant currentValue() const override { return gauge()->value(); }
    void setCurrentValue(const QVariant &) override {} // shown, not set by the user
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    CylinderGauge *gauge() const { return static_cast<CylinderGauge *>(widget()); }
};

class GroupHeaderAccessible final : public PressableAccessible {
public:
    GroupHeaderAccessible(QToolButton *header, SideBarGroup *group)
        : PressableAccessible(
            header, QAccessible::Button, [header] { header->click(); }, [header] { return header->text(); })
        , m_group(group)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = !m_group->isCollapsed();
        state.collapsed = m_group->isCollapsed();
        return state;
    }

private:
    SideBarGroup *m_group;
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("ClickableLabel"))
        return new LinkAccessible(static_cast<ClickableLabel *>(object));
    if (className == QLatin1String("CylinderGauge"))
        return new GaugeAccessible(static_cast<CylinderGauge *>(object));
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
