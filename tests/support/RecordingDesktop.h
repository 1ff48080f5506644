#pragma once

// Records what the window asks of the desktop ("url …", "document …", "help …")
// instead of starting a browser or a document viewer; `takes` says whether a
// program takes the addresses.

#include "ui/Desktop.h"

#include <QStringList>

struct RecordingDesktop final : Desktop {
    QStringList *opened;
    bool *takes;
    RecordingDesktop(QStringList *into, bool *programTakes) : opened(into), takes(programTakes) {}

    bool openUrl(const QUrl &url) override
    {
        *opened << "url " + url.toString();
        return *takes;
    }
    void openDocument(const QString &path) override { *opened << "document " + path; }
    void showHelp(const QString &path) override { *opened << "help " + path; }
};
