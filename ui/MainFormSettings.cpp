#include "MainForm.h"

#include "AbgInputPanel.h"
#include "AsciiCase.h"
#include "ButtonSpinBox.h"
#include "CaptionSets.h"
#include "ControlCaptions.h"
#include "DecimalPreferences.h"
#include "GlobalCode.h"
#include "GlobalData.h"
#include "HoverBoldLabel.h"
#include "IndexedAction.h"
#include "Language.h"
#include "NormalValuesPage.h"
#include "NumericSpinField.h"
#include "PreferencesPage.h"
#include "SamplesPage.h"
#include "SideBarActions.h"
#include "SideBarGroup.h"
#include "StatisticsPage.h"
#include "TeacherPage.h"
#include "UnitPresentation.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>

#include <utility>

void TfrmMain::bindFormSettings()
{
    for (SideBarGroup *group : m_groups) {
        m_formSettings.bind({group->objectName() + QStringLiteral(".Collapsed"), FormSettings::Kind::Boolean, false,
                             [group] { return QVariant(group->isCollapsed()); },
                             [group](const QVariant &value) {
                                 group->setCollapsed(value.toBool());
                                 return true;
                             }});
    }
    m_formSettings.bind({QStringLiteral("pcABGDetails.ActivePage"), FormSettings::Kind::Text,
                         QString::fromLatin1(kDesignPage), [this] { return QVariant(m_pages->currentWidget()->objectName()); },
                         [this](const QVariant &value) {
                             QWidget *stored = page(value.toString());
                             if (stored)
                                 m_pages->setCurrentWidget(stored);
                             return stored != nullptr;
                         }});
    for (const BarActionRow &row : kBarActions) {
        if (!row.page)
            continue;
        IndexedAction *pageAction = action(row.action);
        m_formSettings.bind({QString::fromLatin1(row.action) + QStringLiteral(".ImageIndex"),
                             FormSettings::Kind::Integer, row.designedImage,
                             [pageAction] { return QVariant(pageAction->imageIndex()); },
                             [pageAction](const QVariant &value) {
                                 const int index = value.toInt();
                                 if (index < kNoImage || index > kArrowImage)
                                     return false;
                                 pageAction->setImageIndex(index);
                                 return true;
                             }});
    }
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!std::exchange(m_shown, true))
        FormShow();
}

void TfrmMain::FormShow()
{
    CreateCategoryStats();
    m_appSettings.load(*m_store);
    applyStoredUnit();
    applyStoredLanguage();
    applyStoredDecimals();
    m_appSettings.save(*m_store);
    showVerdict(Verdict::None);
    // The page restored from the settings is shown now, as a switch to it would show it.
    runShowHook(m_pages->currentWidget());
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TfrmMain::FormClose()
{
    m_appSettings[AppSetting::Language].setText(QString::fromStdString(halvex::CurrentLanguage));
    m_appSettings.save(*m_store);
    saveFormSettings();
}

void TfrmMain::saveFormSettings()
{
    if (std::exchange(m_formSettingsSaved, true))
        return;
    const QScreen *screen = this->screen();
    // The window's position is its frame's corner, as move() and every desktop take it.
    const QPoint frameOffset = frameGeometry().topLeft() - geometry().topLeft();
    m_formSettings.save(*m_store, normalGeometry().topLeft() + frameOffset, screen ? screen->size() : QSize());
}

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
    const bool mmHg = &target == &kMmHgPresentation;
    // Selecting the unit already in force converts nothing: kPa to kPa would
    // scale the user's values by 0.9975 at every click.
    const bool sameUnit = halvex::toUpperAscii(halvex::CurrentUnits) == target.units;

    m_appSettings[AppSetting::Units].setText(QString::fromLatin1(target.units));
    m_input->showPressureUnits(target);
    m_units = &target;
    if (m_normalValues)
        m_normalValues->showUnits(target);
    action("alBarMMHG")->setImageIndex(mmHg ? kTickImage : kNoImage);
    action("alBarKPa")->setImageIndex(mmHg ? kNoImage : kTickImage);

    // The values are read before the new decimals round them.
    NumericSpinField *paco2 = m_input->edtPaCO2();
    NumericSpinField *pao2 = m_input->edtPaO2();
    const double paco2Value = paco2->value();
    const double pao2Value = pao2->value();
    paco2->setDecimals(mmHg ? storedDecimals(m_appSettings, AppSetting::PaCO2Dec) : kKpaDecimals);
    pao2->setDecimals(mmHg ? storedDecimals(m_appSettings, AppSetting::PaO2Dec) : kKpaDecimals);
    if (!sameUnit) {
        paco2->setValue(halvex::ConvertPressure(halvex::CurrentUnits, target.units, paco2Value));
        pao2->setValue(halvex::ConvertPressure(halvex::CurrentUnits, target.units, pao2Value));
    }
    halvex::CurrentUnits = target.units;
}

void TfrmMain::applyStoredUnit()
{
    const QString stored = m_appSettings[AppSetting::Units].text();
    halvex::CurrentUnits = stored.isEmpty() ? std::string(halvex::kUnitsMmHg) : stored.toStdString();
    if (halvex::isMmHg(halvex::CurrentUnits)) {
        alBarMMHGExecute();
        return;
    }
    alBarKPaExecute();
    // The fields still hold their design values in mmHg.
    for (NumericSpinField *field : {m_input->edtPaCO2(), m_input->edtPaO2()})
        field->setValue(halvex::ConvertPressure(halvex::kUnitsMmHg, halvex::kUnitsKpa, field->value()));
}

void TfrmMain::alBarEnglishExecute()
{
    selectLanguage(halvex::kLanguageEnglish);
}

void TfrmMain::alBarFrenchExecute()
{
    selectLanguage(halvex::kLanguageFrench);
}

void TfrmMain::alBarGermanExecute()
{
    selectLanguage(halvex::kLanguageGerman);
}

void TfrmMain::alBarSpanishExecute()
{
    selectLanguage(halvex::kLanguageSpanish);
}

void TfrmMain::selectLanguage(std::string_view key)
{
    halvex::CurrentLanguage = key;
    const std::pair<const char *, std::string_view> items[] = {{"alBarEnglish", halvex::kLanguageEnglish},
                                                               {"alBarFrench", halvex::kLanguageFrench},
                                                               {"alBarGerman", halvex::kLanguageGerman},
                                                               {"alBarSpanish", halvex::kLanguageSpanish}};
    for (const auto &[name, itemKey] : items)
        action(name)->setImageIndex(itemKey == key ? kTickImage : kNoImage);
    if (key == halvex::kLanguageEnglish || key == halvex::kLanguageFrench) {
        setCaptions(key == halvex::kLanguageFrench);
        useQtTexts(key == halvex::kLanguageFrench);
    }
}

void TfrmMain::useQtTexts(bool french)
{
    if (!m_qtTexts)
        m_qtTexts = new QTranslator(this);
    if (!french) {
        QCoreApplication::removeTranslator(m_qtTexts);
        return;
    }
    // Without Qt's translations installed, its texts stay in English.
    if (m_qtTexts->isEmpty()
        && !m_qtTexts->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(m_qtTexts);
}

void TfrmMain::setCaptions(bool french)
{
    m_frenchCaptions = french;
    writeCaptions(*this);
    SetCategoryCaptions();
}

void TfrmMain::writeCaptions(const QObject &root)
{
    const ControlCaptions controls(root);
    for (const halvex::Caption &caption : halvex::captionSets()) {
        const std::string_view text = *m_frenchCaptions ? caption.french : caption.english;
        const QString control = QString::fromLatin1(caption.control.data(), qsizetype(caption.control.size()));
        controls.set(control, QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
}

void TfrmMain::SetCategoryCaptions()
{
    const auto translated = [](halvex::AbgCategory category) {
        return QString::fromStdString(halvex::Translate(halvex::categoryInfo(category).englishName,
                                                        halvex::CurrentLanguage));
    };
    // The answer boxes, the sample labels and the statistics names, of the pages built so far.
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories()) {
        const int code = halvex::categoryCode(info.category);
        if (m_teacherPage)
            m_teacherPage->checkBoxes()[std::size_t(code)]->setText(translated(info.category));
        if (m_samplesPage)
            m_samplesPage->label(info.category)->setText(translated(info.category));
        if (m_statisticsPage)
            m_statisticsPage->nameLabel(code)->setText(translated(info.category));
    }
}

void TfrmMain::applyStoredLanguage()
{
    const QString stored = m_appSettings[AppSetting::Language].text();
    halvex::CurrentLanguage = stored.isEmpty() ? std::string(halvex::kLanguageEnglish) : stored.toStdString();
    for (const char *name : {"alBarEnglish", "alBarFrench", "alBarGerman", "alBarSpanish"})
        action(name)->setImageIndex(kNoImage);
    // Exactly as stored: "french" is kept as it is, ticks nothing and changes no caption,
    // while the catalogue still reads it as French.
    for (const std::string_view key :
         {halvex::kLanguageEnglish, halvex::kLanguageFrench, halvex::kLanguageGerman, halvex::kLanguageSpanish}) {
        if (halvex::CurrentLanguage == key) {
            selectLanguage(key);
            return;
        }
    }
}

void TfrmMain::applyStoredDecimals()
{
    // The saved pH and HCO3 decimals survive a restart, as the pressure decimals
    // do through the mmHg selection.
    for (const auto &[setting, field] : {std::pair{AppSetting::phDec, m_input->edtPh()},
                                         std::pair{AppSetting::HCO3Dec, m_input->edtHCO3()}}) {
        if (!m_appSettings[setting].isEmpty())
            field->setDecimals(storedDecimals(m_appSettings, setting));
    }
}

void TfrmMain::tsUserPrefsShow()
{
    for (const DecimalPreference &preference : kDecimalPreferences) {
        // A setting stored as an empty text leaves the field as it is, like one never stored.
        if (!m_appSettings[preference.setting].text().isEmpty())
            preferencesPage()->decimalsField(preference.setting)->setValue(m_appSettings[preference.setting].integer());
    }
}

void TfrmMain::btnSaveClick()
{
    for (const DecimalPreference &preference : kDecimalPreferences)
        m_appSettings[preference.setting].setInteger(preferencesPage()->decimalsField(preference.setting)->value());
    m_appSettings.save(*m_store);
    const std::pair<AppSetting, NumericSpinField *> targets[] = {{AppSetting::phDec, m_input->edtPh()},
                                                                 {AppSetting::PaCO2Dec, m_input->edtPaCO2()},
                                                                 {AppSetting::PaO2Dec, m_input->edtPaO2()},
                                                                 {AppSetting::HCO3Dec, m_input->edtHCO3()}};
    for (const auto &[setting, field] : targets)
        field->setDecimals(preferencesPage()->decimalsField(setting)->value());
}

void TfrmMain::btnDefaultsClick()
{
    const bool kpa = halvex::CurrentUnits == halvex::kUnitsKpa;
    for (const DecimalPreference &preference : kDecimalPreferences) {
        const bool pressure = preference.setting == AppSetting::PaCO2Dec || preference.setting == AppSetting::PaO2Dec;
        preferencesPage()->decimalsField(preference.setting)->setValue(pressure && kpa ? kKpaDecimals : preference.design);
    }
    btnSaveClick();
}
