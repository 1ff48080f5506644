// The pressure unit (mmHg or kPa) and the decimal-place preferences.

#include "ui/MainForm.h"

#include "ui/AbgInputPanel.h"
#include "widgets/ButtonSpinBox.h"
#include "ui/DecimalPreferences.h"
#include "widgets/IndexedAction.h"
#include "ui/NormalValuesPage.h"
#include "widgets/NumericSpinField.h"
#include "ui/PreferencesPage.h"
#include "ui/UnitPresentation.h"

#include <QSettings>

void TfrmMain::alBarMMHGExecute()
{
    selectUnit(kMmHgPresentation);
}

void TfrmMain::alBarKPaExecute()
{
    selectUnit(kKpaPresentation);
}

void TfrmMain::selectUnit(const UnitPresentation &target)
{
    const halvex::PressureUnit unit = target.unit;
    const bool mmHg = unit == halvex::PressureUnit::MmHg;
    // Selecting the unit already in force converts nothing: kPa to kPa would
    // scale the user's values by 0.9975 at every click.
    const bool sameUnit = m_presentation.unit == unit;

    m_appSettings[AppSetting::Units].setText(QString::fromLatin1(halvex::unitName(unit).data()));
    m_input->showPressureUnits(target);
    m_input->nameFields();
    if (m_normalValues)
        m_normalValues->showUnits(target);
    action(BarAction::MmHg)->setImageIndex(mmHg ? kTickImage : kNoImage);
    action(BarAction::Kpa)->setImageIndex(mmHg ? kNoImage : kTickImage);

    // The values are read before the new decimals round them.
    NumericSpinField *paco2 = m_input->edtPaCO2();
    NumericSpinField *pao2 = m_input->edtPaO2();
    const double paco2Value = paco2->value();
    const double pao2Value = pao2->value();
    paco2->setDecimals(halvex::pressureDecimals(unit, storedDecimals(m_appSettings, DecimalValue::PaCO2)));
    pao2->setDecimals(halvex::pressureDecimals(unit, storedDecimals(m_appSettings, DecimalValue::PaO2)));
    if (!sameUnit) {
        paco2->setValue(halvex::ConvertPressure(m_presentation.unit, unit, paco2Value));
        pao2->setValue(halvex::ConvertPressure(m_presentation.unit, unit, pao2Value));
    }
    m_presentation.unit = unit;
    showExplanation();
    showReview();
}

void TfrmMain::applyStoredUnit()
{
    // A stored name other than mmHg's, in any letter case, is kPa; nothing stored is mmHg.
    const QString stored = m_appSettings[AppSetting::Units].text();
    if (stored.isEmpty() || halvex::pressureUnitNamed(stored.toStdString()) == halvex::PressureUnit::MmHg) {
        alBarMMHGExecute();
        return;
    }
    alBarKPaExecute();
}

void TfrmMain::applyStoredDecimals()
{
    // The saved pH and HCO3 decimals survive a restart, as the pressure decimals
    // do through the mmHg selection.
    for (const auto &[value, field] : {std::pair{DecimalValue::Ph, m_input->edtPh()},
                                       std::pair{DecimalValue::HCO3, m_input->edtHCO3()}}) {
        if (!m_appSettings[decimalPreference(value).setting].isEmpty())
            field->setDecimals(storedDecimals(m_appSettings, value));
    }
}

void TfrmMain::tsUserPrefsShow()
{
    for (const DecimalPreference &preference : kDecimalPreferences) {
        // A setting stored as an empty text leaves the field as it is, like one never stored.
        if (!m_appSettings[preference.setting].text().isEmpty())
            preferencesPage()->decimalsField(preference.value)->setValue(m_appSettings[preference.setting].integer());
    }
}

void TfrmMain::btnSaveClick()
{
    for (const DecimalPreference &preference : kDecimalPreferences)
        m_appSettings[preference.setting].setInteger(preferencesPage()->decimalsField(preference.value)->value());
    saveApplicationSettings();
    const std::pair<DecimalValue, NumericSpinField *> targets[] = {{DecimalValue::Ph, m_input->edtPh()},
                                                                   {DecimalValue::PaCO2, m_input->edtPaCO2()},
                                                                   {DecimalValue::PaO2, m_input->edtPaO2()},
                                                                   {DecimalValue::HCO3, m_input->edtHCO3()}};
    for (const auto &[value, field] : targets)
        field->setDecimals(preferencesPage()->decimalsField(value)->value());
}

void TfrmMain::btnDefaultsClick()
{
    for (const DecimalPreference &preference : kDecimalPreferences) {
        const bool pressure = preference.value == DecimalValue::PaCO2 || preference.value == DecimalValue::PaO2;
        preferencesPage()->decimalsField(preference.value)
            ->setValue(pressure ? halvex::pressureDecimals(m_presentation.unit, preference.design) : preference.design);
    }
    btnSaveClick();
}
