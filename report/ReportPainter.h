#pragma once

// Paints laid-out report pages on any paged device: a printer, a PDF file or
// the preview's pages.

#include "Report.h"
#include "ReportLayout.h"

#include <functional>

class QPagedPaintDevice;
class QPainter;

void paintReportPage(QPainter &painter, const Report &report, const LaidOutPage &page);

// Sets the device's page to the report's page size with no margins, in the
// device's own orientation, and paints every page; `pageStarted` is told each
// page number from 1 and may return false to stop (a print job is then
// aborted). False when stopped or when the device could not be painted on.
bool renderReport(QPagedPaintDevice &device, const Report &report,
                  const std::function<bool(int page)> &pageStarted = {});
