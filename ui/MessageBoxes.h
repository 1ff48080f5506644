#pragma once

// Every modal message the window shows goes through this interface, so that
// tests can replace the real boxes with a recorder and never block on one.

#include <QString>

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Error icon, caption "Error", one OK button.
    virtual void error(const QString &text) = 0;
    // Information icon, caption "Information", one OK button.
    virtual void information(const QString &text) = 0;
    // Yes and No buttons; true for Yes.
    virtual bool confirm(const QString &text) = 0;
    // The "ABG ERROR" dialog with an inconsistency sentence.
    virtual void showAbgError(const QString &text) = 0;
};
