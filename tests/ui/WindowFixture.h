#pragma once

#include "AbgInputPanel.h"
#include "MainForm.h"
#include "RecordingMessageBoxes.h"

#include <QTest>

#include <memory>

// A main window shown and active, with its message boxes recorded and its
// generator fed from a fixed seed sequence.
struct WindowFixture {
    RecordingMessageBoxes boxes;
    std::unique_ptr<TfrmMain> window;

    bool open(std::uint32_t firstSeed = 1)
    {
        boxes = RecordingMessageBoxes();
        window = std::make_unique<TfrmMain>(boxes, halvex::countingSeeds(firstSeed));
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
