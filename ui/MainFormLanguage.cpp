// The interface language: the side bar's language items, the caption sets, the
// category names and Qt's own texts.

#include "ui/MainForm.h"

#include "language/CaptionSets.h"
#include "ui/ControlCaptions.h"
#include "widgets/HoverBoldLabel.h"
#include "widgets/IndexedAction.h"
#include "ui/SamplesPage.h"
#include "ui/StatisticsPage.h"
#include "ui/TeacherPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The language items and the catalogue key each stands for.
constexpr std::pair<BarAction, std::string_view> kLanguageItems[] = {
    {BarAction::English, halvex::kLanguageEnglish},
    {BarAction::French, halvex::kLanguageFrench},
    {BarAction::German, halvex::kLanguageGerman},
    {BarAction::Spanish, halvex::kLanguageSpanish},
};

} // namespace

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
    m_presentation.language = key;
    for (const auto &[item, itemKey] : kLanguageItems)
        action(item)->setImageIndex(itemKey == key ? kTickImage : kNoImage);
    if (key == halvex::kLanguageEnglish || key == halvex::kLanguageFrench) {
        setCaptions(key == halvex::kLanguageFrench);
        useQtTexts(key == halvex::kLanguageFrench);
    }
    showExplanation();
    showReview();
}

void TfrmMain::setCaptions(bool french)
{
    m_frenchCaptions = french;
    writeCaptions(*this);
    SetCategoryCaptions();
    nameControls();
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
    const auto translated = [this](halvex::AbgCategory category) {
        return QString::fromStdString(halvex::Translate(halvex::categoryInfo(category).englishName,
                                                        m_presentation.language));
    };
    // The answer boxes, the sample labels and the statistics names, of the pages built so far.
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories()) {
        if (m_teacherPage)
            m_teacherPage->checkBox(info.category)->setText(translated(info.category));
        if (m_samplesPage)
            m_samplesPage->label(info.category)->setText(translated(info.category));
        if (m_statisticsPage)
            m_statisticsPage->nameLabel(halvex::categoryCode(info.category))->setText(translated(info.category));
    }
}

void TfrmMain::applyStoredLanguage()
{
    const QString stored = m_appSettings[AppSetting::Language].text();
    m_presentation.language = stored.isEmpty() ? std::string(halvex::kLanguageEnglish) : stored.toStdString();
    for (const auto &[item, key] : kLanguageItems)
        action(item)->setImageIndex(kNoImage);
    // Exactly as stored: "french" is kept as it is, ticks nothing and changes no caption,
    // while the catalogue still reads it as French.
    for (const auto &[item, key] : kLanguageItems) {
        if (m_presentation.language == key) {
            selectLanguage(key);
            return;
        }
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
