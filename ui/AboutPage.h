#pragma once

// The page tsHelpAbout: the logo, the version lines, and the links to the web
// site, the sales and support addresses and the licence agreement.

#include "ui/PageWidget.h"
#include "ui/SideBarActions.h"

class AboutPage : public PageWidget {
    Q_OBJECT

public:
    static constexpr Page kPage = Page::About;

    AboutPage(PageContext &context, QWidget *parent);

    void retranslate() override {}

private:
    void lblWebsiteClick();
    void lblEmailSalesClick();
    void lblEmailSupportClick();
    void lblLicenseAgreementClick();
};
