// The page table and the page switch.

#include "ui/MainForm.h"

#include "language/TableOrder.h"
#include "ui/AboutPage.h"
#include "ui/ElectrolytesPage.h"
#include "ui/ExplanationPage.h"
#include "ui/HelpPage.h"
#include "ui/NormalValuesPage.h"
#include "ui/PreferencesPage.h"
#include "ui/PrintPage.h"
#include "ui/ReviewPage.h"
#include "ui/SamplesPage.h"
#include "ui/StatisticsPage.h"
#include "ui/TeacherPage.h"
#include "ui/WindowSession.h"
#include "widgets/IndexedAction.h"

#include <QDir>
#include <QEvent>
#include <QLayout>
#include <QStackedWidget>

#include <algorithm>
#include <utility>

namespace {

template <typename T>
PageWidget *make(PageContext &context, QWidget *host)
{
    return new T(context, host);
}

// The help book is written in English: in English ABG Help opens it and
// leaves the page and the arrow as they are.
bool openHelpBook(PageContext &context)
{
    if (!context.session.presentation().isEnglish())
        return false;
    context.seams.desktop->showHelp(QDir(context.seams.programFolder).filePath(QStringLiteral("Help/HALVEX.html")));
    return true;
}

// In the order of pcABGDetails.
constexpr std::array<TfrmMain::PageRow, kPageCount> kPageRows{{
    {Page::Teacher, "tsABGTeacher", BarAction::Teacher, &make<TeacherPage>},
    {Page::NormalValues, "tsNormalValues", BarAction::NormalValues, &make<NormalValuesPage>},
    {Page::Preferences, "tsUserPrefs", BarAction::Preferences, &make<PreferencesPage>, nullptr,
     QKeySequence::Preferences, Qt::CTRL | Qt::Key_Comma},
    {Page::Help, "tsHelp", BarAction::Help, &make<HelpPage>, &openHelpBook},
    {Page::About, "tsHelpAbout", BarAction::About, &make<AboutPage>},
    {Page::Samples, "tsSamples", BarAction::Samples, &make<SamplesPage>},
    {Page::Statistics, "tsABGStats", BarAction::Statistics, &make<StatisticsPage>},
    {Page::Print, "tsPrint", BarAction::Print, &make<PrintPage>},
    {Page::Explanation, "tsExplanation", BarAction::Explanation, &make<ExplanationPage>},
    {Page::Review, "tsReview", BarAction::Review, &make<ReviewPage>},
    {Page::Electrolytes, "tsElectrolytes", BarAction::Electrolytes, &make<ElectrolytesPage>},
}};

static_assert(rowsInEnumOrder(kPageRows, &TfrmMain::PageRow::page),
              "one page row a page, in the order of the page stack");

} // namespace

const std::array<TfrmMain::PageRow, kPageCount> &TfrmMain::pageRows()
{
    return kPageRows;
}

std::optional<Page> TfrmMain::pageNamed(const QString &name) const
{
    const auto found = std::find_if(kPageRows.begin(), kPageRows.end(),
                                    [&](const PageRow &row) { return name == QLatin1String(row.name); });
    return found == kPageRows.end() ? std::nullopt : std::optional<Page>(found->page);
}

PageWidget *TfrmMain::content(Page page)
{
    PageWidget *&made = m_contents[static_cast<std::size_t>(page)];
    if (made)
        return made;
    QWidget *host = m_pages->widget(static_cast<int>(page));
    made = kPageRows[static_cast<std::size_t>(page)].make(m_context, host);
    host->layout()->addWidget(made);
    made->show(); // now, not when the event loop next runs: the focus may go into it at once
    made->retranslate();
    namePages();
    return made;
}

// The window's first frame holds the frame, the side bar and the input panel;
// the page the settings restored follows as soon as that frame is painted.
bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pages && event->type() == QEvent::Paint) {
        m_pages->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &TfrmMain::showRestoredPage, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::showRestoredPage()
{
    // Unless the user went to a page first.
    if (std::exchange(m_restoredPagePending, false))
        content(static_cast<Page>(m_pages->currentIndex()))->shown();
}

void TfrmMain::namePages()
{
    for (const PageRow &row : kPageRows) {
        if (PageWidget *made = m_contents[static_cast<std::size_t>(row.page)])
            made->setAccessibleName(action(row.action)->text());
    }
}

void TfrmMain::showPage(Page page)
{
    const PageRow &row = kPageRows[static_cast<std::size_t>(page)];
    if (row.opensInstead && row.opensInstead(m_context))
        return;
    switchPage(page);
}

void TfrmMain::goToPage(Page page)
{
    showPage(page);
    if (m_pages->currentIndex() == static_cast<int>(page))
        content(page)->enter(Qt::OtherFocusReason);
}

void TfrmMain::switchPage(Page page)
{
    m_pages->setCurrentIndex(static_cast<int>(page));
    m_restoredPagePending = false;
    content(page)->shown();
    for (const PageRow &row : kPageRows)
        markChoice(row.action, row.page == page ? kArrowImage : kNoImage);
}

void TfrmMain::showPageChosen()
{
    for (const PageRow &row : kPageRows)
        action(row.action)->setChosen(static_cast<int>(row.page) == m_pages->currentIndex());
}
