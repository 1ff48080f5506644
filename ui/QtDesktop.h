#pragma once

// The real desktop: QDesktopServices, and a help window of our own.

#include "ui/Desktop.h"

#include <QPointer>

class HelpWindow;
class QWidget;

class QtDesktop final : public Desktop {
public:
    explicit QtDesktop(QWidget *owner);
    ~QtDesktop() override;

    bool openUrl(const QUrl &url) override;
    void openDocument(const QString &path) override;
    void showHelp(const QString &path) override;

private:
    QPointer<QWidget> m_owner;
    QPointer<HelpWindow> m_help;
};
