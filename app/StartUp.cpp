#include "app/StartUp.h"

#include "app/SplashMemory.h"
#include "app/splashform.h"
#include "resources/artwork/Artwork.h"
#include "ui/ErrorForm.h"
#include "ui/MainForm.h"
#include "ui/QtMessageBoxes.h"
#include "widgets/AccessibleInterfaces.h"
#include "widgets/ReadableStyle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>

namespace {

constexpr std::chrono::milliseconds kSplashTime{2000};
// How long the splash may wait for the window system to map it before it is painted all the same.
constexpr int kExposeCapMs = 500;

// Under a window manager the window is mapped some time after show(): painting
// before then paints nothing, and the wait would then show a black rectangle.
void paintOnceExposed(QWidget &window)
{
    QElapsedTimer waited;
    waited.start();
    const QWindow *handle = window.windowHandle();
    while (handle && !handle->isExposed() && waited.elapsed() < kExposeCapMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!handle->isExposed())
            QThread::msleep(2);
    }
    // Exposed, the window painted itself as the exposure came; unexposed, it is painted all the same.
    if (!handle || !handle->isExposed())
        window.repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

void sleepUserInterface(std::chrono::milliseconds duration)
{
    QThread::msleep(static_cast<unsigned long>(duration.count()));
}

HalvexWindows::HalvexWindows() = default;
HalvexWindows::HalvexWindows(HalvexWindows &&) noexcept = default;
HalvexWindows::~HalvexWindows() = default;

HalvexWindows startHalvex(const SplashWait &wait)
{
    // Before any widget: Qt keeps the first accessible interface it makes for
    // an object, and a screen reader may already be asking.
    installAccessibleInterfaces();
    useReadableStyle();
    {
        TfrmSplash splash;
        prepareHeapForSplash(splash.size());
        splash.show();
        paintOnceExposed(splash);
        wait(kSplashTime);
    }

    // The application title. Not the display name: the window system would
    // add that to every window's caption ("Error — Halvex").
    QApplication::setApplicationName(QStringLiteral("Halvex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ostrevane.Halvex"));
    // Compiled in rather than looked up in the icon theme, which would cost the
    // start-up a walk through the theme's folders.
    QApplication::setWindowIcon(artwork::windowIcon());
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
