// What screen readers read of the window: every control a user can operate
// named in the interface language in force, renamed whenever the captions, the
// unit or a statistic change.

#include "ui/MainForm.h"

#include "ui/AbgInputPanel.h"
#include "widgets/ButtonSpinBox.h"
#include "widgets/CylinderGauge.h"
#include "ui/DecimalPreferences.h"
#include "ui/ExplanationPage.h"
#include "ui/ReviewPage.h"
#include "widgets/Hints.h"
#include "widgets/IndexedAction.h"
#include "widgets/NumericSpinField.h"
#include "language/OwnTexts.h"
#include "ui/PreferencesPage.h"
#include "ui/PrintPage.h"
#include "ui/StatisticsPage.h"
#include "ui/TeacherPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QListWidget>

QString TfrmMain::ownText(halvex::OwnText text) const
{
    // The language of the captions: a stored "french" keeps the English ones.
    const std::string_view language = m_frenchCaptions.value_or(false) ? halvex::kLanguageFrench
                                                                       : halvex::kLanguageEnglish;
    const std::string_view own = halvex::ownText(text, language);
    return QString::fromUtf8(own.data(), qsizetype(own.size()));
}

void TfrmMain::nameControls()
{
    // Captions of our own controls, beside the design's caption sets.
    action(BarAction::Explanation)->setText(ownText(halvex::OwnText::ExplanationTitle));
    m_input->btnWhy()->setText(ownText(halvex::OwnText::Why));
    // In English whatever the language, as the hints of the design's buttons beside it.
    setHint(m_input->btnWhy(),
            QStringLiteral("|") + QString::fromUtf8(halvex::ownText(halvex::OwnText::WhyHint, halvex::kLanguageEnglish)));
    action(BarAction::Review)->setText(ownText(halvex::OwnText::Review));
    if (m_explanationPage) {
        m_explanationPage->title()->setText(ownText(halvex::OwnText::ExplanationTitle));
        m_explanationPage->text()->setAccessibleName(ownText(halvex::OwnText::ExplanationTitle));
    }
    if (m_reviewPage) {
        m_reviewPage->title()->setText(ownText(halvex::OwnText::Review));
        m_reviewPage->chkWrongOnly()->setText(ownText(halvex::OwnText::WrongOnly));
        m_reviewPage->btnLoadAnswer()->setText(ownText(halvex::OwnText::LoadAnswer));
        m_reviewPage->btnSaveReview()->setText(ownText(halvex::OwnText::SaveReview));
        setHint(m_reviewPage->chkWrongOnly(), QStringLiteral("|") + ownText(halvex::OwnText::WrongOnlyHint));
        setHint(m_reviewPage->btnSaveReview(), QStringLiteral("|") + ownText(halvex::OwnText::SaveReviewHint));
        m_reviewPage->lstAnswers()->setAccessibleName(ownText(halvex::OwnText::Review));
        m_reviewPage->txtAnswer()->setAccessibleName(ownText(halvex::OwnText::ExplanationTitle));
    }
    if (m_teacherPage) {
        m_teacherPage->chkPracticeWeak()->setText(ownText(halvex::OwnText::PracticeWeak));
        m_teacherPage->chkRealisticCases()->setText(ownText(halvex::OwnText::RealisticCases));
    }

    m_input->nameFields();
    if (m_printPage) {
        m_printPage->chkExplainAnswers()->setText(ownText(halvex::OwnText::ExplainAnswers));
        m_printPage->chkExplainAnswers()->adjustSize(); // placed by hand: as wide as its caption in each language
        m_printPage->spinABGCount()->setAccessibleName(ownText(halvex::OwnText::PrintCount));
        m_printPage->btnPrintABGs()->setAccessibleName(ownText(halvex::OwnText::PrintButton));
    }
    if (m_teacherPage)
        m_teacherPage->pb()->setAccessibleName(ownText(halvex::OwnText::SuccessGauge));
    if (m_preferences) {
        for (const DecimalPreference &preference : kDecimalPreferences)
            m_preferences->decimalsField(preference.value)->setAccessibleName(ownText(preference.accessibleName));
    }
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories())
        nameStatistics(info.category);
}

void TfrmMain::nameStatistics(halvex::AbgCategory category)
{
    if (!m_statisticsPage)
        return;
    // The name and the percentage read together: "Compensated Metabolic Acidosis: 67 %".
    const int code = halvex::categoryCode(category);
    QLabel *name = m_statisticsPage->nameLabel(code);
    name->setAccessibleName(ownText(halvex::OwnText::StatisticsEntry)
                                .arg(name->text(), m_statisticsPage->percentageLabel(code)->text()));
}
