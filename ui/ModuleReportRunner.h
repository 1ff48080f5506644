#pragma once

// The window's report runner: it loads the printing module the first time a
// report is run and hands every run to the module's runner. When the module
// cannot be loaded, the user is told so and nothing else happens.

#include "report/dialogs/ReportRunner.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class ModuleReportRunner final : public ReportRunner {
public:
    ModuleReportRunner(QWidget *parent, ReportMessages messages, QString modulePath);

    void run(const Report &report) override;

private:
    // The module's runner, loaded if need be; null if the module could not be loaded.
    ReportRunner *loaded();

    QPointer<QWidget> m_parent;
    ReportMessages m_messages;
    QString m_modulePath;
    std::unique_ptr<ReportRunner> m_runner;
};
