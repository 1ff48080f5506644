#include "DialogReportRunner.h"

#include "OutputOptionsDialog.h"
#include "PdfOutput.h"
#include "ReportLayout.h"
#include "ReportPainter.h"
#include "ReportPreviewDialog.h"
#include "ReportProgress.h"

#include <QPrintDialog>
#include <QPrinterInfo>

namespace {

int pageCount(const Report &report)
{
    return static_cast<int>(layOutReport(report).size());
}

} // namespace

DialogReportRunner::DialogReportRunner(QWidget *parent, std::function<void(const QString &)> showError)
    : m_parent(parent)
    , m_showError(std::move(showError))
{
}

void DialogReportRunner::run(const Report &report)
{
    OutputOptionsDialog options(m_parent);
    if (options.exec() != QDialog::Accepted)
        return;

    switch (options.destination()) {
    case OutputOptionsDialog::Destination::Preview: {
        ReportPreviewDialog preview(report, [&] {
            QPrintDialog dialog(&options.printer(), m_parent);
            if (dialog.exec() == QDialog::Accepted)
                print(report, options.printer());
        }, m_parent);
        preview.exec();
        break;
    }
    case OutputOptionsDialog::Destination::Printer:
        print(report, options.printer());
        break;
    case OutputOptionsDialog::Destination::File: {
        ReportProgress progress(QStringLiteral("Generating page %p"), pageCount(report), m_parent);
        const QString error = writeReportPdf(report, options.filePath(), progress.pageStarted());
        if (!error.isEmpty())
            m_showError(error);
        break;
    }
    }
}

void DialogReportRunner::print(const Report &report, QPrinter &printer)
{
    if (QPrinterInfo::availablePrinters().isEmpty() && printer.outputFileName().isEmpty()) {
        m_showError(QStringLiteral("No printer is installed. Choose the preview or a PDF file instead."));
        return;
    }
    printer.setDocName(report.jobTitle);
    printer.setFullPage(true);
    ReportProgress progress(QStringLiteral("Printing page %p"), pageCount(report), m_parent);
    if (!renderReport(printer, report, progress.pageStarted()) && printer.printerState() == QPrinter::Error)
        m_showError(QStringLiteral("The printer %1 could not print the sheet.").arg(printer.printerName()));
}
