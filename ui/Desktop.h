#pragma once

// What the window asks of the desktop: open an address or a document with the
// default handler, and show the product's help. Tests replace it with a recorder,
// so that none starts a browser.

#include <QString>
#include <QUrl>

class Desktop {
public:
    virtual ~Desktop() = default;
    // False when no program of the desktop took the address.
    virtual bool openUrl(const QUrl &url) = 0;
    virtual void openDocument(const QString &path) = 0;
    // Shows the help book at its contents.
    virtual void showHelp(const QString &path) = 0;
};
