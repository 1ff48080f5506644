#pragma once

// The start-up sequence: the splash window for 2000 ms, the application title,
// the main window and the hidden error dialog. The wait is passed in, so tests
// and benchmarks run the sequence without waiting.

#include <chrono>
#include <functional>
#include <memory>

class QtMessageBoxes;
class TfrmABGError;
class TfrmMain;

using SplashWait = std::function<void(std::chrono::milliseconds)>;

// Sleeps the user-interface thread: no events are handled meanwhile.
void sleepUserInterface(std::chrono::milliseconds duration);

struct HalvexWindows {
    std::unique_ptr<QtMessageBoxes> boxes; // outlives the windows that show them
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<TfrmABGError> error;

    HalvexWindows();
    HalvexWindows(HalvexWindows &&) noexcept;
    ~HalvexWindows();
};

// Runs the sequence up to the event loop and shows the main window; the caller
// then runs the event loop.
HalvexWindows startHalvex(const SplashWait &wait);
