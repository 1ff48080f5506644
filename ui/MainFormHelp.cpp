#include "ui/MainForm.h"

#include "ui/Desktop.h"
#include "language/Language.h"
#include "ui/MessageBoxes.h"
#include "product/ProductInfo.h"

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

void TfrmMain::openAddress(const QString &address)
{
    // Without a program to take it, nothing would happen: the user is told.
    if (!m_desktop->openUrl(QUrl(address)))
        m_boxes.error(ownText(halvex::OwnText::CannotOpenAddress).arg(address));
}

void TfrmMain::alBarABGWebsiteExecute()
{
    openAddress(QStringLiteral("http://" HALVEX_WEBSITE));
}

void TfrmMain::lblWebsiteClick()
{
    alBarABGWebsiteExecute();
}

void TfrmMain::lblEmailSalesClick()
{
    openAddress(QStringLiteral("mailTo:" HALVEX_SALES_EMAIL));
}

void TfrmMain::lblEmailSupportClick()
{
    openAddress(QStringLiteral("mailTo:" HALVEX_SUPPORT_EMAIL));
}

void TfrmMain::lblLicenseAgreementClick()
{
    const QString license = QDir(m_programFolder).filePath(QStringLiteral("License.txt"));
    if (QFileInfo::exists(license))
        m_desktop->openDocument(license);
    else
        m_boxes.error(QStringLiteral("Unable to locate license file, please re-install Halvex to view license."));
}
