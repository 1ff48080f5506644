#pragma once

// The "Report Preview" window: the report's pages at 100 %, with buttons to
// move between pages, zoom, and print.

#include "report/Report.h"

#include <QDialog>
#include <QPrinter>

#include <functional>

class QPrintPreviewWidget;

class ReportPreviewDialog : public QDialog {
    Q_OBJECT

public:
    // `print` is run by the Print button.
    ReportPreviewDialog(const Report &report, std::function<void()> print, QWidget *parent = nullptr);

private:
    void paintPages(QPrinter *printer);

    const Report &m_report;
    QPrinter m_printer{QPrinter::HighResolution};
    QPrintPreviewWidget *m_preview;
};
