#include "report/dialogs/DialogReportRunner.h"

#include "language/OwnTexts.h"
#include "report/PdfOutput.h"
#include "report/ReportLayout.h"
#include "report/ReportPainter.h"
#include "report/dialogs/OutputOptionsDialog.h"
#include "report/dialogs/ReportPreviewDialog.h"
#include "report/dialogs/ReportProgress.h"

#include <QPrintDialog>
#include <QPrinterInfo>

namespace {

int pageCount(const Report &report)
{
    return static_cast<int>(layOutReport(report).size());
}

} // namespace

DialogReportRunner::DialogReportRunner(QWidget *parent, ReportMessages messages)
    : m_parent(parent)
    , m_messages(std::move(messages))
{
}

void DialogReportRunner::run(const Report &report)
{
    OutputOptionsDialog options(m_messages.language(), m_parent);
    if (options.exec() != QDialog::Accepted)
        return;

    switch (options.destination()) {
    case OutputOptionsDialog::Destination::Preview: {
        ReportPreviewDialog preview(
            report,
            [&] {
                QPrintDialog dialog(&options.printer(), m_parent);
                if (dialog.exec() == QDialog::Accepted)
                    print(report, options.printer());
            },
            m_messages, m_parent);
        preview.exec();
        break;
    }
    case OutputOptionsDialog::Destination::Printer:
        print(report, options.printer());
        break;
    case OutputOptionsDialog::Destination::File:
        writeFile(report, options.filePath());
        break;
    }
}

QString DialogReportRunner::notice(halvex::OwnText which) const
{
    return QString::fromUtf8(halvex::ownText(which, m_messages.language()));
}

void DialogReportRunner::print(const Report &report, QPrinter &printer)
{
    if (QPrinterInfo::availablePrinters().isEmpty() && printer.outputFileName().isEmpty()) {
        m_messages.error(notice(halvex::OwnText::NoPrinter));
        return;
    }
    printer.setDocName(report.jobTitle);
    printer.setFullPage(true);
    bool cancelled = false;
    bool printed = false;
    {
        ReportProgress progress(QStringLiteral("Printing page %p"), pageCount(report), m_parent);
        const auto pageStarted = progress.pageStarted();
        // A print job is aborted before the painter ends, which would send what is painted so far.
        printed = renderReport(
            printer, report,
            [&](int page) {
                cancelled = !pageStarted(page);
                return !cancelled;
            },
            [&printer] { printer.abort(); });
    }
    if (cancelled) {
        // Not every print system can take back what was painted before the abort.
        m_messages.information(notice(printer.printerState() == QPrinter::Aborted ? halvex::OwnText::PrintingCancelled
                                                                                  : halvex::OwnText::PrintingStopped));
    } else if (!printed && printer.printerState() == QPrinter::Error) {
        m_messages.error(notice(halvex::OwnText::PrinterFailed).arg(printer.printerName()));
    }
}

void DialogReportRunner::writeFile(const Report &report, const QString &path)
{
    std::optional<PdfFailure> failure;
    {
        ReportProgress progress(QStringLiteral("Generating page %p"), pageCount(report), m_parent);
        failure = writeReportPdf(report, path, progress.pageStarted());
    }
    if (!failure)
        return;
    if (failure->cancelled)
        m_messages.information(notice(halvex::OwnText::WritingCancelled).arg(path));
    else
        m_messages.error(notice(halvex::OwnText::CannotWrite).arg(path, failure->reason));
}
