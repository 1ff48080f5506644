#include "report/dialogs/ReportPreviewDialog.h"

#include "language/OwnTexts.h"
#include "report/ReportPainter.h"
#include "report/dialogs/ReportProgress.h"

#include <QAction>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

ReportPreviewDialog::ReportPreviewDialog(const Report &report, std::function<void()> print, ReportMessages messages,
                                         QWidget *parent)
    : QDialog(parent)
    , m_report(report)
    , m_messages(std::move(messages))
    , m_preview(new QPrintPreviewWidget(&m_printer, this))
    , m_pages(layOutReport(report))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("Report Preview"));
    setModal(true);
    m_printer.setDocName(report.jobTitle);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &ReportPreviewDialog::paintPages);

    auto *tools = new QToolBar(this);
    tools->addAction(QStringLiteral("&Print..."), this, [print] { print(); });
    tools->addSeparator();
    tools->addAction(QStringLiteral("First page"), m_preview, [this] { m_preview->setCurrentPage(1); });
    tools->addAction(QStringLiteral("Previous page"), m_preview,
                     [this] { m_preview->setCurrentPage(m_preview->currentPage() - 1); });
    tools->addAction(QStringLiteral("Next page"), m_preview,
                     [this] { m_preview->setCurrentPage(m_preview->currentPage() + 1); });
    tools->addAction(QStringLiteral("Last page"), m_preview,
                     [this] { m_preview->setCurrentPage(m_preview->pageCount()); });
    tools->addSeparator();
    tools->addAction(QStringLiteral("Zoom in"), m_preview, [this] { m_preview->zoomIn(); });
    tools->addAction(QStringLiteral("Zoom out"), m_preview, [this] { m_preview->zoomOut(); });
    tools->addAction(QStringLiteral("100 %"), m_preview, [this] { m_preview->setZoomFactor(1.0); });
    tools->addAction(QStringLiteral("Fit width"), m_preview, [this] { m_preview->fitToWidth(); });
    tools->addSeparator();
    tools->addAction(QStringLiteral("&Close"), this, &QDialog::accept);
    // A tool bar's buttons take no focus by default: here Tab reaches each.
    for (QToolButton *button : tools->findChildren<QToolButton *>())
        button->setFocusPolicy(Qt::TabFocus);
    // The page shown changes with the zoom and as the pages scroll by.
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &ReportPreviewDialog::describePage);
    if (auto *view = m_preview->findChild<QGraphicsView *>())
        connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this, &ReportPreviewDialog::describePage);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tools);
    layout->addWidget(m_preview);

    m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_preview->setZoomFactor(1.0);
    // Maximised; and as large as the screen where no window manager maximises it.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

void ReportPreviewDialog::describePage()
{
    auto *view = m_preview->findChild<QGraphicsView *>();
    const int page = m_preview->currentPage();
    if (!view || page < 1 || std::size_t(page) > m_pages.size())
        return;
    const QString name = QString::fromUtf8(halvex::ownText(halvex::OwnText::PreviewPage, m_messages.language()))
                             .arg(page)
                             .arg(m_pages.size());
    view->setAccessibleName(name);
    view->setAccessibleDescription(reportPageText(m_report, m_pages[std::size_t(page) - 1]));
    // A screen reader reads the page view's new name where the view has the
    // focus; where a button turned the page, it is told. The first page is
    // read as the focus enters the view.
    if (m_described != 0 && page != m_described && !view->hasFocus())
        m_messages.announce(this, name);
    m_described = page;
}

void ReportPreviewDialog::paintPages(QPrinter *printer)
{
    ReportProgress progress(QStringLiteral("Generating page %p"), static_cast<int>(m_pages.size()), this);
    renderReport(*printer, m_report, progress.pageStarted(), [printer] { printer->abort(); });
}
