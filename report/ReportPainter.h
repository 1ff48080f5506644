#pragma once

// Paints laid-out report pages on any paged device: a printer, a PDF file or
// the preview's pages.

#include "report/Report.h"
#include "report/ReportLayout.h"

#include <functional>

class QPagedPaintDevice;
class QPainter;

void paintReportPage(QPainter &painter, const Report &report, const LaidOutPage &page);
// What the page says, for a reader that cannot see it: its texts a band a line, in the order painted.
QString reportPageText(const Report &report, const LaidOutPage &page);

// Sets the device's page to the report's page size with no margins, in the
// device's own orientation, and paints every page; `pageStarted` is told each
// page number from 1 and may return false to stop, and `stopped` then runs
// before the painter ends (a printer aborts its job there, which ending the
// painter would send). False when stopped or when the device could not be
// painted on.
bool renderReport(QPagedPaintDevice &device, const Report &report,
                  const std::function<bool(int page)> &pageStarted = {}, const std::function<void()> &stopped = {});
