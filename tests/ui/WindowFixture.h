#pragma once

#include "ui/AbgInputPanel.h"
#include "ui/MainForm.h"
#include "RecordingFileDialogs.h"
#include "RecordingMessageBoxes.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A main window shown and active, with its message boxes and file dialogs recorded, its
// generator fed from a fixed seed sequence and its settings in a folder of its
// own that lasts until forgetSettings() (so a window can be closed and opened
// again on the same settings).
struct WindowFixture {
    RecordingMessageBoxes boxes;
    // What a file dialog answers (empty: cancelled), and the dialogs asked for.
    QString fileDialogAnswer;
    QStringList fileDialogsAsked;
    std::unique_ptr<TfrmMain> window;
    std::unique_ptr<QTemporaryDir> settingsFolder;

    WindowFixture() { forgetSettings(); }

    void forgetSettings()
    {
        window.reset();
        settingsFolder = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder->path());
    }

    QString settingsFile() const { return settingsFolder->filePath(QStringLiteral("Ostrevane Software/Halvex.conf")); }

    bool open(std::uint32_t firstSeed = 1)
    {
        boxes = RecordingMessageBoxes();
        window = std::make_unique<TfrmMain>(boxes, halvex::countingSeeds(firstSeed));
        fileDialogAnswer.clear();
        fileDialogsAsked.clear();
        window->setFileDialogs(std::make_unique<RecordingFileDialogs>(&fileDialogAnswer, &fileDialogsAsked));
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    void close() { window.reset(); }

    template <typename T>
    T *child(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no child %s", qPrintable(name));
        return found;
    }

    AbgInputPanel *panel() const { return window->inputPanel(); }
};
