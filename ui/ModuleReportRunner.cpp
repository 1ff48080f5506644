#include "ui/ModuleReportRunner.h"

#include "language/OwnTexts.h"
#include "report/dialogs/PrintingModule.h"

#include <QDir>
#include <QLibrary>

ModuleReportRunner::ModuleReportRunner(QWidget *parent, ReportMessages messages, QString modulePath)
    : m_parent(parent)
    , m_messages(std::move(messages))
    , m_modulePath(std::move(modulePath))
{
}

void ModuleReportRunner::run(const Report &report)
{
    if (ReportRunner *runner = loaded())
        runner->run(report);
}

ReportRunner *ModuleReportRunner::loaded()
{
    if (m_runner)
        return m_runner.get();
    // The library stays loaded once resolved: the runner's code lives in it.
    QLibrary module(m_modulePath);
    auto *create = reinterpret_cast<CreateReportRunner *>(module.resolve(kCreateReportRunner));
    if (!create) {
        m_messages.error(QString::fromUtf8(halvex::ownText(halvex::OwnText::PrintingMissing, m_messages.language()))
                             .arg(QDir::toNativeSeparators(m_modulePath), module.errorString()));
        return nullptr;
    }
    m_runner.reset(create(m_parent, m_messages));
    return m_runner.get();
}
