// Teacher mode (Generate, the answer boxes, the scoring) and the sample page.

#include "ui/MainForm.h"

#include "ui/AbgInputPanel.h"
#include "widgets/CylinderGauge.h"
#include "widgets/HoverBoldLabel.h"
#include "ui/MessageBoxes.h"
#include "ui/PageText.h"
#include "engine/SampleGenerator.h"
#include "ui/SamplesPage.h"
#include "ui/StatisticsPage.h"
#include "ui/TeacherPage.h"
#include "teaching/WeakCategories.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

void TfrmMain::btnGenerateClick()
{
    m_input->setInputFieldsReadOnly(true);
    if (m_teacher.awaitingAnalysis()
        && !m_boxes.confirm(QStringLiteral("Last generated ABG not analyzed, are you sure you want to generate another?")))
        return;

    const bool weakFirst = m_appSettings[AppSetting::PracticeWeak].isOn();
    const bool realistic = m_appSettings[AppSetting::RealisticCases].isOn();
    int variant = weakFirst ? halvex::drawWeakVariant(halvex::weaknessWeights(m_teacher), m_abg->random())
                            : halvex::drawRandomVariant(m_abg->random());
    if (realistic)
        variant = halvex::TABG::realisticVariant(variant);
    m_lastVariant = variant;
    // The generator's code 99 (no sample made) is no category.
    m_teacher.sampleGenerated(
        halvex::categoryFromCode(realistic ? m_abg->GenerateRealistic(variant) : m_abg->Generate(variant)));
    showVerdict(Verdict::None);
    if (m_teacherPage)
        m_teacherPage->lblGenerated()->setText(QString::number(m_teacher.generatedCount()));
    m_input->clearAssessments();
    ClearCategoryChecks();
    m_input->showSample(m_abg->sample(), m_presentation.unit);
    m_fieldsOrigin = halvex::CaseOrigin::Generated;
    forgetExplanation();
    m_input->btnAnalyze()->setFocus();
}

void TfrmMain::CreateCategoryStats()
{
    m_teacher.createCategoryStats();
}

void TfrmMain::chkNormalClick(halvex::AbgCategory category)
{
    ClearCategoryChecks();
    teacherPage()->checkBox(category)->setChecked(true);
    m_teacher.choose(category);
}

void TfrmMain::ClearCategoryChecks()
{
    if (!m_teacherPage)
        return; // no box can have been ticked on a page never shown
    for (QCheckBox *box : m_teacherPage->checkBoxes())
        box->setChecked(false);
}

bool TfrmMain::AnyCategoryTicked() const
{
    if (!m_teacherPage)
        return false;
    const auto &boxes = m_teacherPage->checkBoxes();
    return std::any_of(boxes.begin(), boxes.end(), [](const QCheckBox *box) { return box->isChecked(); });
}

void TfrmMain::ScoreTeacherAnswer()
{
    const halvex::TeacherSession::Score score = m_teacher.scoreAnswer();
    showVerdict(score.correct ? Verdict::Correct : Verdict::Incorrect);
    if (score.statsCategory)
        showCategoryStats(*score.statsCategory);
    m_gauge = score.gauge;
    if (m_teacherPage)
        m_teacherPage->pb()->setValue(m_gauge);
}

// The teacher page as the session stands: the count, the gauge and the verdict.
void TfrmMain::showTeacherState()
{
    m_teacherPage->lblGenerated()->setText(QString::number(m_teacher.generatedCount()));
    m_teacherPage->pb()->setValue(m_gauge);
    m_teacherPage->chkPracticeWeak()->setChecked(m_appSettings[AppSetting::PracticeWeak].isOn());
    m_teacherPage->chkRealisticCases()->setChecked(m_appSettings[AppSetting::RealisticCases].isOn());
    showVerdict(m_verdict);
}

// "Correct !" in green or "Incorrect" in red, whatever the interface language; empty for none.
void TfrmMain::showVerdict(Verdict verdict)
{
    m_verdict = verdict;
    if (!m_teacherPage)
        return;
    QLabel *label = m_teacherPage->lblResultAcidBase();
    switch (verdict) {
    case Verdict::None:
        label->clear();
        break;
    case Verdict::Correct:
        label->setText(QStringLiteral("Correct !"));
        setTextColour(label, QColor(0, 128, 0));
        break;
    case Verdict::Incorrect:
        label->setText(QStringLiteral("Incorrect"));
        setTextColour(label, QColor(255, 0, 0));
        break;
    }
}

// The category's percentage label, from its tally; "N/A" before its first answer.
void TfrmMain::showCategoryStats(halvex::AbgCategory category)
{
    if (!m_statisticsPage)
        return;
    if (const std::optional<std::string> text = m_teacher.categoryStatsText(category))
        m_statisticsPage->percentageLabel(halvex::categoryCode(category))->setText(QString::fromStdString(*text));
    nameStatistics(category);
}

void TfrmMain::sampleLabelClick(halvex::AbgCategory category)
{
    ShowSample(halvex::drawVariantOf(category, m_abg->random()));
    samplesPage()->resetLabels();
    samplesPage()->label(category)->setBold(true);
}

void TfrmMain::ShowSample(int variant)
{
    m_input->clearAssessments();
    m_abg->Generate(variant);
    m_input->showSample(m_abg->sample(), m_presentation.unit);
    fieldsWritten(halvex::CaseOrigin::Generated);
    m_input->btnAnalyze()->setFocus();
}

void TfrmMain::tsSamplesShow()
{
    samplesPage()->resetLabels();
}
