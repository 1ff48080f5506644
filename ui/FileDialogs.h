#pragma once

// Every file dialog the window opens goes through this interface, so that
// tests answer it with a recorder and never block on a modal dialog.

#include <QString>

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The file to save into, or empty when the user cancels.
    virtual QString saveFileName(const QString &caption, const QString &suggested, const QString &filter) = 0;
};
