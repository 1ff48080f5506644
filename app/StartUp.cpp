#include "StartUp.h"

#include "ErrorForm.h"
#include "MainForm.h"
#include "QtMessageBoxes.h"
#include "splashform.h"

#include <QApplication>
#include <QThread>

namespace {
constexpr std::chrono::milliseconds kSplashTime{2000};
}

void sleepUserInterface(std::chrono::milliseconds duration)
{
    QThread::msleep(static_cast<unsigned long>(duration.count()));
}

HalvexWindows::HalvexWindows() = default;
HalvexWindows::HalvexWindows(HalvexWindows &&) noexcept = default;
HalvexWindows::~HalvexWindows() = default;

HalvexWindows startHalvex(const SplashWait &wait)
{
    {
        TfrmSplash splash;
        splash.show();
        splash.repaint();
        QApplication::processEvents(); // let the window system draw it before the wait
        wait(kSplashTime);
    }

    QApplication::setApplicationDisplayName(QStringLiteral("Halvex"));
    // Every window of the program, dialogs included, writes in Arial 12 px.
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    QApplication::setFont(arial);

    HalvexWindows windows;
    windows.boxes = std::make_unique<QtMessageBoxes>();
    windows.main = std::make_unique<TfrmMain>(*windows.boxes);
    windows.error = std::make_unique<TfrmABGError>();
    windows.boxes->setParentWindow(windows.main.get());
    windows.boxes->setErrorForm(windows.error.get());
    windows.main->show();
    return windows;
}
