#include "ui/PreferencesPage.h"

#include "widgets/ButtonSpinBox.h"
#include "ui/DecimalPreferences.h"
#include "widgets/Hints.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

// The page shows tooltips: each row's label and field tell the row's unit.
void hintWithToolTip(QWidget *widget, const QString &hint)
{
    setHint(widget, hint);
    widget->setToolTip(hintShortPart(hint));
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

PreferencesPage::PreferencesPage(QWidget *parent)
    : QWidget(parent)
{

    auto *group = new QGroupBox(QStringLiteral("Decimals"), this);
    group->setObjectName(QStringLiteral("gbDecimals"));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    for (std::size_t row = 0; row < kDecimalPreferences.size(); ++row) {
        const DecimalPreference &preference = kDecimalPreferences[row];
        const QString unit = QString::fromLatin1(preference.unit);

        auto *label = new QLabel(QString::fromLatin1(preference.label), group);
        hintWithToolTip(label, unit);
        auto *field = new ButtonSpinBox(group);
        field->setObjectName(QString::fromLatin1(preference.spinName));
        field->setRange(preference.minimum, preference.maximum);
        field->setValue(preference.design);
        field->setFixedWidth(48);
        hintWithToolTip(field, unit);
        auto *example = new QLabel(QString::fromLatin1(preference.example), group);
        example->setObjectName(QString::fromLatin1(preference.exampleName));
        auto *unitLabel = new QLabel(unit, group);

        const int gridRow = static_cast<int>(row);
        grid->addWidget(label, gridRow, 0);
        grid->addWidget(field, gridRow, 1);
        grid->addWidget(example, gridRow, 2);
        grid->addWidget(unitLabel, gridRow, 3);
        m_fields[row] = field;
    }
    grid->setColumnStretch(4, 1);

    m_defaults = button(QStringLiteral("btnDefaults"), QStringLiteral("Restore Defaults"), group);
    m_save = button(QStringLiteral("btnSave"), QStringLiteral("Save"), group);
    m_cancel = button(QStringLiteral("btnCancel"), QStringLiteral("Cancel"), group);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_defaults);
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);

    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(grid);
    groupLayout->addLayout(buttons);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(12, 8, 12, 8);
    page->addWidget(group);
    page->addStretch();
}

ButtonSpinBox *PreferencesPage::decimalsField(DecimalValue value) const
{
    return m_fields[static_cast<std::size_t>(value)];
}
