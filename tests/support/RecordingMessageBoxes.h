#pragma once

// Records every message instead of showing it, so no test blocks on a modal box.

#include "ui/MessageBoxes.h"

#include <QStringList>

struct RecordingMessageBoxes final : MessageBoxes {
    QStringList errors;
    QStringList informations;
    QStringList confirmations;
    QStringList abgErrors;
    bool confirmAnswer = true;

    void error(const QString &text) override { errors << text; }
    void information(const QString &text) override { informations << text; }
    bool confirm(const QString &text) override
    {
        confirmations << text;
        return confirmAnswer;
    }
    void showAbgError(const QString &text) override { abgErrors << text; }

    int count() const { return errors.size() + informations.size() + confirmations.size() + abgErrors.size(); }
};
