// The review of the session: every scored answer, its explanation, loading it
// back into the fields, saving the session as CSV; and the practice aimed at
// weak categories.

#include "ui/MainForm.h"

#include "ui/AbgInputPanel.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"
#include "widgets/NumericSpinField.h"
#include "ui/ReviewPage.h"
#include "csv/StreamFailures.h"
#include "ui/TeacherPage.h"
#include "ui/UnitPresentation.h"
#include "report/WholeFile.h"
#include "teaching/WeakCategories.h"
#include "widgets/Contrast.h"
#include "language/Language.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

#include <sstream>

void TfrmMain::recordAnswer(const halvex::AbgInput &input)
{
    halvex::AnswerRecord answer;
    answer.values = {input.pH.value_or(0), input.PaCO2.value_or(0), input.PaO2.value_or(0), input.HCO3.value_or(0),
                     input.FiO2, input.Age};
    answer.unit = m_presentation.unit;
    answer.variant = m_lastVariant;
    answer.generated = m_teacher.generatedCategory();
    answer.answered = m_teacher.chosenCategory();
    answer.correct = m_teacher.lastAnswerCorrect();
    m_review.record(answer);
    showReview();
}

void TfrmMain::showReview()
{
    if (!m_reviewPage)
        return;
    QListWidget *list = m_reviewPage->lstAnswers();
    const QSignalBlocker quiet(list);
    list->clear();
    m_reviewRows = m_review.listed(m_reviewPage->chkWrongOnly()->isChecked());
    const QColor wrong = readableOn(QColor(255, 0, 0), list->palette().color(QPalette::Base));
    for (const std::size_t index : m_reviewRows) {
        const halvex::AnswerRecord &answer = m_review.answers()[index];
        const AnswerVerdict verdict{answer.correct, answer.generated, answer.answered};
        // The wrong ones marked, in words as well as in colour; the values, to tell the rows apart.
        const QString values = QStringLiteral("pH %1 / PaCO2 %2 %3 / HCO3 %4")
                                   .arg(QString::number(answer.values[0]), QString::number(answer.values[1]),
                                        unitPresentation(answer.unit).label(), QString::number(answer.values[3]));
        auto *item = new QListWidgetItem(QStringLiteral("%1. %2\n%3")
                                             .arg(index + 1)
                                             .arg(QString::fromStdString(verdictLine(verdict)), values),
                                         list);
        if (!answer.correct)
            item->setForeground(wrong);
    }
    m_reviewPage->btnLoadAnswer()->setEnabled(!m_reviewRows.empty());
    m_reviewPage->btnSaveReview()->setEnabled(!m_review.answers().empty());
    list->setCurrentRow(m_reviewRows.empty() ? -1 : 0);
    showReviewedAnswer();
    showPracticeFocus();
}

// What the practice aimed at weak categories favours now, in words; hidden while it is off.
void TfrmMain::showPracticeFocus()
{
    QLabel *label = m_reviewPage->lblPracticeFocus();
    label->setVisible(m_appSettings[AppSetting::PracticeWeak].isOn());
    const halvex::PracticeFocus focus = halvex::practiceFocus(m_teacher);
    QStringList favoured;
    for (const auto &[category, weight] : focus.weak)
        favoured << ownText(halvex::OwnText::PracticeWeight)
                        .arg(QString::fromStdString(halvex::Translate(halvex::categoryInfo(category).englishName,
                                                                      m_presentation.language)))
                        .arg(weight);
    if (focus.notMetYet > 0)
        favoured << ownText(halvex::OwnText::PracticeNotMet).arg(focus.notMetYet);
    if (favoured.isEmpty()) {
        label->setText(ownText(halvex::OwnText::PracticeNothingFavoured));
        return;
    }
    QString list = favoured.takeLast();
    if (!favoured.isEmpty())
        list = ownText(halvex::OwnText::ListAnd).arg(favoured.join(QStringLiteral(", ")), list);
    label->setText(ownText(halvex::OwnText::PracticeFocus).arg(list));
}

void TfrmMain::showReviewedAnswer()
{
    if (!m_reviewPage)
        return;
    const int row = m_reviewPage->lstAnswers()->currentRow();
    if (row < 0 || std::size_t(row) >= m_reviewRows.size()) {
        m_reviewPage->txtAnswer()->setHtml(QStringLiteral("<p>") + ownText(halvex::OwnText::NoAnswerYet).toHtmlEscaped()
                                           + QStringLiteral("</p>"));
        return;
    }
    const halvex::AnswerRecord &answer = m_review.answers()[m_reviewRows[std::size_t(row)]];
    m_reviewPage->txtAnswer()->setHtml(
        explanationHtml(halvex::sampleOf(answer), AnswerVerdict{answer.correct, answer.generated, answer.answered},
                        answer.variant ? halvex::CaseOrigin::Generated : halvex::CaseOrigin::Typed));
}

void TfrmMain::loadReviewedAnswer()
{
    const int row = m_reviewPage->lstAnswers()->currentRow();
    if (row < 0 || std::size_t(row) >= m_reviewRows.size())
        return;
    // As the sample page does: the values only, nothing of teacher mode.
    const halvex::AnswerRecord &answer = m_review.answers()[m_reviewRows[std::size_t(row)]];
    m_input->clearAssessments();
    m_input->showSample(halvex::sampleOf(answer), m_presentation.unit);
    fieldsWritten(answer.variant ? halvex::CaseOrigin::Generated : halvex::CaseOrigin::Typed);
    m_input->btnAnalyze()->setFocus();
}

void TfrmMain::saveReview()
{
    const QString path = m_fileDialogs->saveFileName(ownText(halvex::OwnText::SaveReviewTitle),
                                                     QDir::home().filePath(QStringLiteral("Halvex session.csv")),
                                                     ownText(halvex::OwnText::CsvFiles));
    if (path.isEmpty())
        return;
    std::ostringstream csv;
    halvex::writeReviewCsv(csv, m_review.answers(), m_presentation.language);
    // Whole or not at all: the file is replaced only once it is written.
    WholeFile file(path);
    file.write(QByteArray::fromStdString(csv.str()));
    if (const std::optional<QString> failure = file.commit())
        m_boxes.error(ownText(halvex::OwnText::CannotWrite).arg(QDir::toNativeSeparators(path), *failure));
    else
        m_boxes.information(ownText(halvex::OwnText::ReviewSaved).arg(QDir::toNativeSeparators(path)));
}

void TfrmMain::chkPracticeWeakClick(bool on)
{
    m_appSettings[AppSetting::PracticeWeak].setOn(on);
    if (m_reviewPage)
        showPracticeFocus();
}
