#include "ui/QtDesktop.h"

#include "ui/HelpWindow.h"

#include <QDesktopServices>

QtDesktop::QtDesktop(QWidget *owner) : m_owner(owner) {}

QtDesktop::~QtDesktop()
{
    delete m_help;
}

bool QtDesktop::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

void QtDesktop::openDocument(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtDesktop::showHelp(const QString &path)
{
    if (!m_help)
        m_help = new HelpWindow(m_owner);
    m_help->showBook(path);
}
