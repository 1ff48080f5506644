#include "report/dialogs/ReportProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

ReportProgress::ReportProgress(QString format, int pages, QWidget *parent)
    : m_format(std::move(format))
    , m_dialog(std::make_unique<QProgressDialog>(parent))
{
    m_dialog->setWindowTitle(QStringLiteral("Report Status"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setRange(0, pages);
    m_dialog->setMinimumDuration(500);
}

ReportProgress::~ReportProgress() = default;

std::function<bool(int page)> ReportProgress::pageStarted()
{
    return [this](int page) {
        m_dialog->setLabelText(QString(m_format).replace(QLatin1String("%p"), QString::number(page)));
        m_dialog->setValue(page - 1);
        return !m_dialog->wasCanceled();
    };
}
