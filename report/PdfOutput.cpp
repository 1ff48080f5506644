#include "PdfOutput.h"

#include "ReportPainter.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace {
constexpr int kPdfResolution = 300;
}

std::optional<PdfFailure> writeReportPdf(const Report &report, const QString &path,
                                         const std::function<bool(int page)> &pageStarted)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return PdfFailure{false, QStringLiteral("it is not a regular file")};

    // QPdfWriter says nothing when it cannot write, so the file is opened here first.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return PdfFailure{false, file.errorString()};
    bool cancelled = false;
    bool finished = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setTitle(report.jobTitle);
        writer.setCreator(QStringLiteral("Halvex"));
        finished = renderReport(writer, report, [&](int page) {
            cancelled = pageStarted && !pageStarted(page);
            return !cancelled;
        });
    }
    // Without a commit the temporary file is discarded and the target is not touched.
    if (cancelled)
        return PdfFailure{true, {}};
    if (!finished)
        return PdfFailure{false, file.error() != QFileDevice::NoError ? file.errorString()
                                                                      : QStringLiteral("the pages could not be drawn")};
    if (!file.commit())
        return PdfFailure{false, file.errorString()};
    return std::nullopt;
}
