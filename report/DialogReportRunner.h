#pragma once

// The real report runner: the "Output Options" dialog, then the preview, the
// printer or a PDF file. A printer or file error is told through `showError`.

#include "ReportRunner.h"

#include <QPointer>
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

class DialogReportRunner final : public ReportRunner {
public:
    DialogReportRunner(QWidget *parent, std::function<void(const QString &)> showError);

    void run(const Report &report) override;

private:
    void print(const Report &report, QPrinter &printer);

    QPointer<QWidget> m_parent;
    std::function<void(const QString &)> m_showError;
};
