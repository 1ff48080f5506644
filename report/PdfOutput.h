#pragma once

// Writes a report as a PDF file, whole or not at all.

#include "report/Report.h"

#include <QString>

#include <functional>
#include <optional>

// Why a report was not written.
struct PdfFailure {
    bool cancelled = false; // the user stopped it
    QString reason;         // otherwise, why the file could not be written
};

// The pages go to a temporary file beside the target, which replaces the
// target only once it is complete: a write that fails or is cancelled leaves
// an existing file as it was. A target that exists but is no regular file (a
// folder, a device, a pipe) is refused, never replaced.
std::optional<PdfFailure> writeReportPdf(const Report &report, const QString &path,
                                         const std::function<bool(int page)> &pageStarted = {});
