// What the side bar's own items do: the unit and the language with their
// ticks, the web site; and the captions of the window's frame.

#include "ui/MainForm.h"

#include "ui/AbgInputPanel.h"
#include "ui/Addresses.h"
#include "ui/ControlCaptions.h"
#include "ui/WindowSession.h"
#include "widgets/IndexedAction.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStackedWidget>
#include <QTranslator>

#include <string_view>
#include <utility>

namespace {

// The language items and the catalogue key each stands for.
constexpr std::pair<BarAction, std::string_view> kLanguageItems[] = {
    {BarAction::English, halvex::kLanguageEnglish},
    {BarAction::French, halvex::kLanguageFrench},
    {BarAction::German, halvex::kLanguageGerman},
    {BarAction::Spanish, halvex::kLanguageSpanish},
};

} // namespace

void TfrmMain::alBarMMHGExecute()
{
    m_session->selectUnit(halvex::PressureUnit::MmHg);
}

void TfrmMain::alBarKPaExecute()
{
    m_session->selectUnit(halvex::PressureUnit::Kpa);
}

void TfrmMain::alBarEnglishExecute()
{
    m_session->selectLanguage(halvex::kLanguageEnglish);
}

void TfrmMain::alBarFrenchExecute()
{
    m_session->selectLanguage(halvex::kLanguageFrench);
}

void TfrmMain::alBarGermanExecute()
{
    m_session->selectLanguage(halvex::kLanguageGerman);
}

void TfrmMain::alBarSpanishExecute()
{
    m_session->selectLanguage(halvex::kLanguageSpanish);
}

void TfrmMain::alBarABGWebsiteExecute()
{
    openAddress(m_seams, *m_session, websiteAddress());
}

void TfrmMain::markChoice(BarAction which, int image)
{
    action(which)->setImageIndex(image);
    action(which)->setChosen(image != kNoImage);
}

void TfrmMain::showUnitTicks()
{
    const bool mmHg = m_session->presentation().unit == halvex::PressureUnit::MmHg;
    markChoice(BarAction::MmHg, mmHg ? kTickImage : kNoImage);
    markChoice(BarAction::Kpa, mmHg ? kNoImage : kTickImage);
}

void TfrmMain::showLanguage()
{
    // The tick on the key in force: none for a stored language that is no key of the side bar.
    const std::string &language = m_session->presentation().language;
    for (const auto &[item, key] : kLanguageItems)
        markChoice(item, key == language ? kTickImage : kNoImage);
    // The frame's captions; the pages and the input panel write their own.
    if (const std::optional<bool> french = m_session->frenchCaptions()) {
        writeCaptionSet(*this, *french, m_input->parentWidget());
        if (language == halvex::kLanguageEnglish || language == halvex::kLanguageFrench)
            useQtTexts(*french);
    }
    for (const BarActionRow &row : kBarActions) {
        if (row.ours)
            action(row.id)->setText(m_session->text(*row.ours));
        if (row.description)
            findChild<QWidget *>(QString::fromLatin1(row.item))
                ->setAccessibleDescription(m_session->text(*row.description));
    }
    namePages();
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
