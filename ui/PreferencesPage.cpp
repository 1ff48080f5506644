#include "ui/PreferencesPage.h"

#include "ui/ControlCaptions.h"
#include "ui/DecimalPreferences.h"
#include "ui/WindowSession.h"
#include "widgets/ButtonSpinBox.h"
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

PreferencesPage::PreferencesPage(PageContext &context, QWidget *parent) : PageWidget(context, parent)
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

    QPushButton *defaults = button(QStringLiteral("btnDefaults"), QStringLiteral("Restore Defaults"), group);
    QPushButton *save = button(QStringLiteral("btnSave"), QStringLiteral("Save"), group);
    QPushButton *cancel = button(QStringLiteral("btnCancel"), QStringLiteral("Cancel"), group);
    connect(save, &QPushButton::clicked, this, &PreferencesPage::btnSaveClick);
    connect(defaults, &QPushButton::clicked, this, &PreferencesPage::btnDefaultsClick);
    // btnCancelClick: Cancel changes nothing.
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(defaults);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(grid);
    groupLayout->addLayout(buttons);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(12, 8, 12, 8);
    page->addWidget(group);
    page->addStretch();
}

void PreferencesPage::tsUserPrefsShow()
{
    const AppSettings &settings = session().settings();
    for (const DecimalPreference &preference : kDecimalPreferences) {
        // A setting stored as an empty text leaves the field as it is, like one never stored.
        if (!settings[preference.setting].text().isEmpty())
            decimalsField(preference.value)->setValue(settings[preference.setting].integer());
    }
}

void PreferencesPage::btnSaveClick()
{
    AppSettings &settings = session().settings();
    for (const DecimalPreference &preference : kDecimalPreferences)
        settings[preference.setting].setInteger(decimalsField(preference.value)->value());
    session().saveSettings();
    session().decimalsSaved();
}

void PreferencesPage::btnDefaultsClick()
{
    for (const DecimalPreference &preference : kDecimalPreferences) {
        const bool pressure = preference.value == DecimalValue::PaCO2 || preference.value == DecimalValue::PaO2;
        decimalsField(preference.value)
            ->setValue(pressure ? halvex::pressureDecimals(session().presentation().unit, preference.design)
                                : preference.design);
    }
    btnSaveClick();
}

void PreferencesPage::retranslate()
{
    if (const std::optional<bool> french = session().frenchCaptions())
        writeCaptionSet(*this, *french);
    for (const DecimalPreference &preference : kDecimalPreferences)
        decimalsField(preference.value)->setAccessibleName(session().text(preference.accessibleName));
}
