#include "PdfOutput.h"

#include "ReportPainter.h"

#include <QFile>
#include <QPdfWriter>

namespace {
constexpr int kPdfResolution = 300;
}

QString writeReportPdf(const Report &report, const QString &path, const std::function<bool(int page)> &pageStarted)
{
    // QPdfWriter says nothing when it cannot write, so the file is opened here first.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    bool finished = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setTitle(report.jobTitle);
        writer.setCreator(QStringLiteral("Halvex"));
        finished = renderReport(writer, report, pageStarted);
    }
    file.close();
    if (finished && file.error() == QFileDevice::NoError)
        return {};
    // No half-written sheet is left behind.
    const QString reason = finished ? file.errorString() : QStringLiteral("the report was stopped");
    file.remove();
    return QStringLiteral("Cannot write %1: %2").arg(path, reason);
}
