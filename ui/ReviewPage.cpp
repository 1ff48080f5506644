#include "ui/ReviewPage.h"

#include "report/WholeFile.h"
#include "teaching/WeakCategories.h"
#include "ui/ExplanationHtml.h"
#include "ui/PageText.h"
#include "ui/UnitPresentation.h"
#include "ui/WindowSession.h"
#include "widgets/Contrast.h"
#include "widgets/Hints.h"
#include "widgets/QuietListWidget.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include <sstream>

ReviewPage::ReviewPage(PageContext &context, QWidget *parent)
    : PageWidget(context, parent)
    , m_title(pageTitle(QStringLiteral("lblReviewTitle"), QStringLiteral("Review"), this))
    , m_wrongOnly(new QCheckBox(QStringLiteral("Wrong answers only"), this))
    , m_answers(new QuietListWidget(this))
    , m_answer(readOnlyDocument(QStringLiteral("txtAnswer"), this))
    , m_load(new QPushButton(QStringLiteral("Load into the fields"), this))
    , m_save(new QPushButton(QStringLiteral("Save as CSV..."), this))
    , m_practiceFocus(new QLabel(this))
{
    m_wrongOnly->setObjectName(QStringLiteral("chkWrongOnly"));
    m_answers->setObjectName(QStringLiteral("lstAnswers"));
    // Each answer whole, on as many lines as it takes.
    m_answers->setWordWrap(true);
    m_answers->setTextElideMode(Qt::ElideNone);
    m_answers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_answers->setResizeMode(QListView::Adjust);
    m_practiceFocus->setObjectName(QStringLiteral("lblPracticeFocus"));
    m_practiceFocus->setWordWrap(true);
    m_practiceFocus->hide();
    m_load->setObjectName(QStringLiteral("btnLoadAnswer"));
    m_save->setObjectName(QStringLiteral("btnSaveReview"));
    for (QPushButton *button : {m_load, m_save})
        button->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->addWidget(m_title);
    top->addStretch();
    top->addWidget(m_wrongOnly);
    auto *lists = new QHBoxLayout;
    lists->addWidget(m_answers, 2);
    lists->addWidget(m_answer, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_load);
    buttons->addStretch();
    buttons->addWidget(m_save);
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(8, 4, 8, 4);
    page->setSpacing(3);
    page->addLayout(top);
    page->addLayout(lists, 1);
    page->addWidget(m_practiceFocus);
    page->addLayout(buttons);

    connect(m_wrongOnly, &QCheckBox::toggled, this, &ReviewPage::showReview);
    connect(m_answers, &QListWidget::currentRowChanged, this, &ReviewPage::showReviewedAnswer);
    connect(m_load, &QPushButton::clicked, this, &ReviewPage::loadReviewedAnswer);
    connect(m_save, &QPushButton::clicked, this, &ReviewPage::saveReview);
    connect(&session(), &WindowSession::practiceChanged, this, &ReviewPage::showReview);
    connect(&session(), &WindowSession::unitChanged, this, &ReviewPage::showReviewedAnswer);
    showReview();
}

void ReviewPage::showReview()
{
    const halvex::SessionReview &review = session().practice().review();
    const QSignalBlocker quiet(m_answers);
    m_answers->clear();
    m_rows = review.listed(m_wrongOnly->isChecked());
    const QColor wrong = readableOn(QColor(255, 0, 0), m_answers->palette().color(QPalette::Base));
    for (const std::size_t index : m_rows) {
        const halvex::AnswerRecord &answer = review.answers()[index];
        // The wrong ones marked, in words as well as in colour; the values, to tell the rows apart.
        const QString values = QStringLiteral("pH %1 / PaCO2 %2 %3 / HCO3 %4")
                                   .arg(QString::number(answer.values[0]), QString::number(answer.values[1]),
                                        unitPresentation(answer.unit).label(), QString::number(answer.values[3]));
        const std::string line =
            halvex::answerVerdictLine(halvex::verdictOf(answer), session().presentation().language);
        auto *item = new QListWidgetItem(
            QStringLiteral("%1. %2\n%3").arg(index + 1).arg(QString::fromStdString(line), values), m_answers);
        if (!answer.correct)
            item->setForeground(wrong);
    }
    m_load->setEnabled(!m_rows.empty());
    m_save->setEnabled(!review.answers().empty());
    m_answers->setCurrentRow(m_rows.empty() ? -1 : 0);
    showReviewedAnswer();
    showPracticeFocus();
}

void ReviewPage::showReviewedAnswer()
{
    const int row = m_answers->currentRow();
    if (row < 0 || std::size_t(row) >= m_rows.size()) {
        m_answer->setHtml(paragraphHtml(session().text(halvex::OwnText::NoAnswerYet)));
        return;
    }
    const halvex::AnswerRecord &answer = session().practice().review().answers()[m_rows[std::size_t(row)]];
    m_answer->setHtml(explanationHtml(halvex::sampleOf(answer), halvex::verdictOf(answer),
                                      answer.variant ? halvex::CaseOrigin::Generated : halvex::CaseOrigin::Typed,
                                      session().presentation(), palette(), answer.electrolytes));
}

void ReviewPage::loadReviewedAnswer()
{
    const int row = m_answers->currentRow();
    if (row < 0 || std::size_t(row) >= m_rows.size())
        return;
    const halvex::AnswerRecord &answer = session().practice().review().answers()[m_rows[std::size_t(row)]];
    session().loadSample(halvex::sampleOf(answer),
                         answer.variant ? halvex::CaseOrigin::Generated : halvex::CaseOrigin::Typed);
    session().setElectrolytes(answer.electrolytes);
}

void ReviewPage::saveReview()
{
    Seams &seams = context().seams;
    const QString path = seams.fileDialogs->saveFileName(session().text(halvex::OwnText::SaveReviewTitle),
                                                         QDir::home().filePath(QStringLiteral("Halvex session.csv")),
                                                         session().text(halvex::OwnText::CsvFiles));
    if (path.isEmpty())
        return;
    std::ostringstream csv;
    halvex::writeReviewCsv(csv, session().practice().review().answers(), session().presentation().language);
    // Whole or not at all: the file is replaced only once it is written.
    WholeFile file(path);
    file.write(QByteArray::fromStdString(csv.str()));
    if (const std::optional<QString> failure = file.commit())
        seams.boxes.error(session().text(halvex::OwnText::CannotWrite).arg(QDir::toNativeSeparators(path), *failure));
    else
        seams.boxes.information(session().text(halvex::OwnText::ReviewSaved).arg(QDir::toNativeSeparators(path)));
}

void ReviewPage::showPracticeFocus()
{
    m_practiceFocus->setVisible(session().settings()[AppSetting::PracticeWeak].isOn());
    const halvex::PracticeFocus focus = halvex::practiceFocus(session().practice().teacher());
    QStringList favoured;
    for (const auto &[category, weight] : focus.weak)
        favoured << session().text(halvex::OwnText::PracticeWeight).arg(session().categoryName(category)).arg(weight);
    if (focus.notMetYet > 0)
        favoured << session().text(halvex::OwnText::PracticeNotMet).arg(focus.notMetYet);
    if (favoured.isEmpty()) {
        m_practiceFocus->setText(session().text(halvex::OwnText::PracticeNothingFavoured));
        return;
    }
    QString list = favoured.takeLast();
    if (!favoured.isEmpty())
        list = session().text(halvex::OwnText::ListAnd).arg(favoured.join(QStringLiteral(", ")), list);
    m_practiceFocus->setText(session().text(halvex::OwnText::PracticeFocus).arg(list));
}

void ReviewPage::retranslate()
{
    m_title->setText(session().text(halvex::OwnText::Review));
    m_wrongOnly->setText(session().text(halvex::OwnText::WrongOnly));
    m_load->setText(session().text(halvex::OwnText::LoadAnswer));
    m_save->setText(session().text(halvex::OwnText::SaveReview));
    setHint(m_wrongOnly, QStringLiteral("|") + session().text(halvex::OwnText::WrongOnlyHint));
    setHint(m_save, QStringLiteral("|") + session().text(halvex::OwnText::SaveReviewHint));
    m_answers->setAccessibleName(session().text(halvex::OwnText::Review));
    m_answer->setAccessibleName(session().text(halvex::OwnText::ExplanationTitle));
    showReview();
}
