#pragma once

// Writes a report as a PDF file.

#include "Report.h"

#include <QString>

#include <functional>

// An empty string when the file was written; otherwise why it could not be.
QString writeReportPdf(const Report &report, const QString &path,
                       const std::function<bool(int page)> &pageStarted = {});
