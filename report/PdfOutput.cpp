#include "report/PdfOutput.h"

#include "report/ReportPainter.h"
#include "report/WholeFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>

namespace {
constexpr int kPdfResolution = 300;
}

std::optional<PdfFailure> writeReportPdf(const Report &report, const QString &path,
                                         const std::function<bool(int page)> &pageStarted)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return PdfFailure{false, QStringLiteral("it is not a regular file")};

    // The pages are drawn into memory, then written whole: QPdfWriter says
    // nothing of a write that fails.
    QBuffer pages;
    pages.open(QIODevice::WriteOnly);
    bool cancelled = false;
    bool finished = false;
    {
        QPdfWriter writer(&pages);
        writer.setResolution(kPdfResolution);
        writer.setTitle(report.jobTitle);
        writer.setCreator(QStringLiteral("Halvex"));
        finished = renderReport(writer, report, [&](int page) {
            cancelled = pageStarted && !pageStarted(page);
            return !cancelled;
        });
    }
    // Nothing is written then, and the target is not touched.
    if (cancelled)
        return PdfFailure{true, {}};
    if (!finished)
        return PdfFailure{false, QStringLiteral("the pages could not be drawn")};
    WholeFile file(path);
    file.write(pages.data());
    if (const std::optional<QString> reason = file.commit())
        return PdfFailure{false, *reason};
    return std::nullopt;
}
