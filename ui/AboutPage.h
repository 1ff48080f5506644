#pragma once

// The page tsHelpAbout: the logo, the version lines, and the links to the web
// site, the sales and support addresses and the licence agreement.

#include <QWidget>

class ClickableLabel;

class AboutPage : public QWidget {
    Q_OBJECT

public:
    explicit AboutPage(QWidget *parent = nullptr);

    ClickableLabel *lblWebsite() const { return m_website; }
    ClickableLabel *lblEmailSales() const { return m_sales; }
    ClickableLabel *lblEmailSupport() const { return m_support; }
    ClickableLabel *lblLicenseAgreement() const { return m_license; }

private:
    ClickableLabel *m_website;
    ClickableLabel *m_sales;
    ClickableLabel *m_support;
    ClickableLabel *m_license;
};
