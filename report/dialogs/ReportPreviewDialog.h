#pragma once

// The "Report Preview" window: the report's pages at 100 %, with buttons to
// move between pages, zoom, and print. Every button takes the focus; the page
// shown is named by its number in the interface language and read as text,
// and a page turned to from a button is told to a screen reader.

#include "report/Report.h"
#include "report/ReportLayout.h"
#include "report/dialogs/ReportRunner.h"

#include <QDialog>
#include <QPrinter>

#include <functional>
#include <vector>

class QPrintPreviewWidget;

class ReportPreviewDialog : public QDialog {
    Q_OBJECT

public:
    // `print` is run by the Print button; `messages` give the language and tell the news.
    ReportPreviewDialog(const Report &report, std::function<void()> print, ReportMessages messages,
                        QWidget *parent = nullptr);

private:
    void paintPages(QPrinter *printer);
    // The page view's name and text follow the page shown.
    void describePage();

    const Report &m_report;
    ReportMessages m_messages;
    int m_described = 0; // the page the view is named for; none before the first
    QPrinter m_printer{QPrinter::HighResolution};
    QPrintPreviewWidget *m_preview;
    std::vector<LaidOutPage> m_pages;
};
