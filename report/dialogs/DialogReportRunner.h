#pragma once

// The real report runner: the "Output Options" dialog, then the preview, the
// printer or a PDF file. What went wrong, or was cancelled, is told through
// the messages given, in the interface language.

#include "language/OwnTexts.h"
#include "report/dialogs/ReportRunner.h"

#include <QPointer>
#include <QString>

class QPrinter;
class QWidget;

class DialogReportRunner final : public ReportRunner {
public:
    DialogReportRunner(QWidget *parent, ReportMessages messages);

    void run(const Report &report) override;

private:
    void print(const Report &report, QPrinter &printer);
    void writeFile(const Report &report, const QString &path);
    // One of our own texts, in the interface language.
    QString notice(halvex::OwnText which) const;

    QPointer<QWidget> m_parent;
    ReportMessages m_messages;
};
