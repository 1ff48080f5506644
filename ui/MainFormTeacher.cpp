#include "MainForm.h"

#include "AbgInputPanel.h"
#include "CategoryControls.h"
#include "CylinderGauge.h"
#include "GlobalData.h"
#include "HoverBoldLabel.h"
#include "MessageBoxes.h"
#include "PageText.h"
#include "SamplesPage.h"
#include "StatisticsPage.h"
#include "Tags.h"
#include "TeacherPage.h"
#include "Unit_ABG.h"

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

    const int variant = halvex::drawRandomVariant(m_abg->random());
    m_teacher.sampleGenerated(m_abg->Generate(variant));
    showVerdict(Verdict::None);
    if (m_teacherPage)
        m_teacherPage->lblGenerated()->setText(QString::number(m_teacher.generatedCount()));
    m_input->clearAssessments();
    ClearCategoryChecks();
    m_input->showSample(m_abg->sample(), halvex::CurrentUnits);
    m_input->btnAnalyze()->setFocus();
}

void TfrmMain::CreateCategoryStats()
{
    m_teacher.createCategoryStats();
}

void TfrmMain::chkNormalClick(int code)
{
    ClearCategoryChecks();
    teacherPage()->checkBoxes()[static_cast<std::size_t>(code)]->setChecked(true);
    m_teacher.choose(code);
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
    const TeacherSession::Score score = m_teacher.scoreAnswer();
    showVerdict(score.correct ? Verdict::Correct : Verdict::Incorrect);
    if (score.statsCategory)
        showCategoryStats(*score.statsCategory);
    m_gauge = score.gauge;
    if (m_teacherPage)
        m_teacherPage->pb()->setValue(m_gauge);
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
void TfrmMain::showCategoryStats(int code)
{
    if (!m_statisticsPage)
        return;
    if (const std::optional<std::string> text = m_teacher.categoryStatsText(code))
        m_statisticsPage->percentageLabel(code)->setText(QString::fromStdString(*text));
}

void TfrmMain::sampleLabelClick(halvex::AbgCategory category)
{
    ShowSample(halvex::drawVariantOf(category, m_abg->random()));
    ResetSampleLabels();
    samplesPage()->label(category)->setBold(true);
}

void TfrmMain::ShowSample(int variant)
{
    m_input->clearAssessments();
    m_abg->Generate(variant);
    m_input->showSample(m_abg->sample(), halvex::CurrentUnits);
    m_input->btnAnalyze()->setFocus();
}

void TfrmMain::ResetSampleLabels()
{
    for (QLabel *label : findChildren<QLabel *>()) {
        if (tagOf(label) == kCategoryLabelTag) {
            QFont regular = label->font();
            regular.setBold(false);
            label->setFont(regular);
        }
    }
}

void TfrmMain::tsSamplesShow()
{
    ResetSampleLabels();
}
