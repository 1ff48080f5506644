#include "ui/AboutPage.h"

#include "ui/Addresses.h"
#include "ui/WindowSession.h"
#include "widgets/Contrast.h"

#include "product/ProductInfo.h"
#include "resources/artwork/Artwork.h"
#include "widgets/ClickableLabel.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>

namespace {

ClickableLabel *link(QWidget *parent, const char *name, const QString &text, const QString &family, QPoint at)
{
    auto *label = new ClickableLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setText(text);
    QFont font(family);
    font.setPixelSize(11);
    font.setUnderline(true);
    label->setFont(font);
    QPalette blue = label->palette();
    blue.setColor(QPalette::WindowText, readableOn(QColor(Qt::blue), blue.color(QPalette::Window)));
    label->setPalette(blue);
    label->move(at);
    return label;
}

QLabel *versionLine(QWidget *parent, const char *name, const QString &text, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    return label;
}

} // namespace

AboutPage::AboutPage(PageContext &context, QWidget *parent) : PageWidget(context, parent)
{
    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setPixmap(artwork::splashPicture());
    logo->setAlignment(Qt::AlignCenter);
    logo->setGeometry(6, 14, 302, 149);

    // The program's own version information, compiled in.
    versionLine(this, "lblCopyright", QStringLiteral("Legal Copyright: " HALVEX_COPYRIGHT), QPoint(346, 13));
    versionLine(this, "lblFileVersion", QStringLiteral("File Version: " HALVEX_FILE_VERSION), QPoint(346, 28));

    // The addresses in MS Sans Serif, as designed, where it is installed; elsewhere
    // in Arial rather than whatever stand-in the font matcher would load for it.
    const QString designed = QStringLiteral("MS Sans Serif");
    const QString sansSerif = QFontDatabase::hasFamily(designed) ? designed : QStringLiteral("Arial");
    const std::pair<ClickableLabel *, void (AboutPage::*)()> links[] = {
        {link(this, "lblWebsite", QStringLiteral(HALVEX_WEBSITE), sansSerif, QPoint(320, 74)),
         &AboutPage::lblWebsiteClick},
        {link(this, "lblEmailSales", QStringLiteral(HALVEX_SALES_EMAIL), sansSerif, QPoint(320, 98)),
         &AboutPage::lblEmailSalesClick},
        {link(this, "lblEmailSupport", QStringLiteral(HALVEX_SUPPORT_EMAIL), sansSerif, QPoint(320, 122)),
         &AboutPage::lblEmailSupportClick},
        {link(this, "lblLicenseAgreement", QStringLiteral("License Agreement"), QStringLiteral("Arial"),
              QPoint(320, 144)),
         &AboutPage::lblLicenseAgreementClick},
    };
    for (const auto &[label, handler] : links)
        connect(label, &ClickableLabel::clicked, this, handler);
}

void AboutPage::lblWebsiteClick()
{
    openAddress(context().seams, session(), websiteAddress());
}

void AboutPage::lblEmailSalesClick()
{
    openAddress(context().seams, session(), QStringLiteral("mailTo:" HALVEX_SALES_EMAIL));
}

void AboutPage::lblEmailSupportClick()
{
    openAddress(context().seams, session(), QStringLiteral("mailTo:" HALVEX_SUPPORT_EMAIL));
}

void AboutPage::lblLicenseAgreementClick()
{
    const QString license = QDir(context().seams.programFolder).filePath(QStringLiteral("License.txt"));
    if (QFileInfo::exists(license))
        context().seams.desktop->openDocument(license);
    else
        context().seams.boxes.error(
            QStringLiteral("Unable to locate license file, please re-install Halvex to view license."));
}
