#include "MainForm.h"

#include "Desktop.h"
#include "Language.h"
#include "MessageBoxes.h"
#include "ProductInfo.h"

#include <QDir>
#include <QFileInfo>

void TfrmMain::alBarABGHelpExecute()
{
    // The help book is written in English; other languages get the help page.
    // Opening the book leaves the page and the arrow as they are.
    if (m_presentation.isEnglish())
        m_desktop->showHelp(QDir(m_programFolder).filePath(QStringLiteral("Help/HALVEX.html")));
    else
        switchPage(Page::Help);
}

void TfrmMain::alBarABGWebsiteExecute()
{
    m_desktop->openUrl(QUrl(QStringLiteral("http://" HALVEX_WEBSITE)));
}

void TfrmMain::lblWebsiteClick()
{
    alBarABGWebsiteExecute();
}

void TfrmMain::lblEmailSalesClick()
{
    m_desktop->openUrl(QUrl(QStringLiteral("mailTo:" HALVEX_SALES_EMAIL)));
}

void TfrmMain::lblEmailSupportClick()
{
    m_desktop->openUrl(QUrl(QStringLiteral("mailTo:" HALVEX_SUPPORT_EMAIL)));
}

void TfrmMain::lblLicenseAgreementClick()
{
    const QString license = QDir(m_programFolder).filePath(QStringLiteral("License.txt"));
    if (QFileInfo::exists(license))
        m_desktop->openDocument(license);
    else
        m_boxes.error(QStringLiteral("Unable to locate license file, please re-install Halvex to view license."));
}
