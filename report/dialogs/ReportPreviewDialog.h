#pragma once

// The "Report Preview" window: the report's pages at 100 %, with buttons to
// move between pages, zoom, and print. Every button takes the focus; the page
// shown is named by its number and read as text.

#include "report/Report.h"
#include "report/ReportLayout.h"

#include <QDialog>
#include <QPrinter>

#include <functional>
#include <vector>

class QPrintPreviewWidget;

class ReportPreviewDialog : public QDialog {
    Q_OBJECT

public:
    // `print` is run by the Print button.
    ReportPreviewDialog(const Report &report, std::function<void()> print, QWidget *parent = nullptr);

private:
    void paintPages(QPrinter *printer);
    // The page view's name and text follow the page shown.
    void describePage();

    const Report &m_report;
    QPrinter m_printer{QPrinter::HighResolution};
    QPrintPreviewWidget *m_preview;
    std::vector<LaidOutPage> m_pages;
};
