#pragma once

// The one driver of the main window that GUI tests share: a window shown and
// active, with its message boxes, file dialogs and desktop recorded, its
// generator fed from a fixed seed sequence and its settings in a folder of its
// own that lasts until forgetSettings() (so a window can be closed and opened
// again on the same settings); and the user's moves: Generate, Analyze, a tick,
// a side-bar action, the settings as stored.

#include "engine/AbgCategory.h"
#include "tests/support/RecordingDesktop.h"
#include "tests/support/RecordingFileDialogs.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "ui/AbgInputPanel.h"
#include "ui/CategoryControls.h"
#include "ui/MainForm.h"
#include "ui/TeacherPage.h"
#include "ui/WindowSession.h"
#include "widgets/AccessibleInterfaces.h"
#include "widgets/ReadableStyle.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

struct WindowFixture {
    RecordingMessageBoxes boxes;
    // What a file dialog answers (empty: cancelled), and the dialogs asked for.
    QString fileDialogAnswer;
    QStringList fileDialogsAsked;
    // What was asked of the desktop, and whether a program takes addresses.
    QStringList desktopOpened;
    bool desktopTakes = true;
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
    // The settings as stored, read and written as another program would.
    static QVariant stored(const QString &key)
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Ostrevane Software", "Halvex").value(key);
    }
    static void store(const QString &key, const QVariant &value)
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Ostrevane Software", "Halvex").setValue(key, value);
    }

    bool open(std::uint32_t firstSeed = 1)
    {
        boxes = RecordingMessageBoxes();
        // As the program's start-up does, before the window's first widget.
        installAccessibleInterfaces();
        useReadableStyle();
        window = std::make_unique<TfrmMain>(boxes, halvex::countingSeeds(firstSeed));
        fileDialogAnswer.clear();
        fileDialogsAsked.clear();
        desktopOpened.clear();
        desktopTakes = true;
        window->setFileDialogs(std::make_unique<RecordingFileDialogs>(&fileDialogAnswer, &fileDialogsAsked));
        window->setDesktop(std::make_unique<RecordingDesktop>(&desktopOpened, &desktopTakes));
        window->show();
        window->activateWindow();
        // As a user sees it: the window, then the page restored from the settings in it.
        return QTest::qWaitForWindowActive(window.get()) && QTest::qWaitFor([this] {
                   return window->pcABGDetails()->currentWidget()->findChild<PageWidget *>() != nullptr;
               });
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
    // A control of a page, the page made first if need be.
    template <typename Page, typename T>
    T *onPage(const QString &name) const
    {
        window->page<Page>();
        return child<T>(name);
    }

    AbgInputPanel *panel() const { return window->inputPanel(); }
    const halvex::Practice &practice() const { return window->session().practice(); }
    const halvex::TeacherSession &teacher() const { return practice().teacher(); }
    halvex::AbgCategory generated() const { return teacher().generatedCategory().value(); }

    // What a user does.
    void generate() const { QTest::mouseClick(panel()->btnGenerate(), Qt::LeftButton); }
    void analyze() const { QTest::mouseClick(panel()->btnAnalyze(), Qt::LeftButton); }
    void trigger(const char *action) const { child<QAction>(QString::fromLatin1(action))->trigger(); }
    QCheckBox *answerBox(halvex::AbgCategory category) const
    {
        return onPage<TeacherPage, QCheckBox>(categoryControlName(QStringLiteral("chk"), category));
    }
    // A click on the box itself, not on its caption.
    void tick(halvex::AbgCategory category) const
    {
        QCheckBox *box = answerBox(category);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
};
