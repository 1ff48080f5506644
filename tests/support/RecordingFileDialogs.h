#pragma once

// Answers every file dialog with the path a test sets (empty: cancelled) and
// records what was asked, so no test blocks on a modal dialog.

#include "ui/FileDialogs.h"

#include <QStringList>

struct RecordingFileDialogs final : FileDialogs {
    QString *answer;
    QStringList *asked;
    RecordingFileDialogs(QString *answerWith, QStringList *record) : answer(answerWith), asked(record) {}

    QString saveFileName(const QString &caption, const QString &, const QString &) override
    {
        *asked << caption;
        return *answer;
    }
};
