#pragma once

// The "Report Status" window shown while pages are produced: "Generating page
// %p" for the preview and files, "Printing page %p" for the printer.

#include <QString>

#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

class ReportProgress {
public:
    // `format` holds "%p" where the page number goes.
    ReportProgress(QString format, int pages, QWidget *parent);
    ~ReportProgress();

    // For renderReport: shows the page and returns false once the user cancelled.
    std::function<bool(int page)> pageStarted();

private:
    QString m_format;
    std::unique_ptr<QProgressDialog> m_dialog;
};
