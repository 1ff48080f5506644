// Halvex's start-up without the splash wait, up to the main window shown and idle.

#include "ProbeReport.h"
#include "app/StartUp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const HalvexWindows windows = startHalvex([](std::chrono::milliseconds) {});
    reportWhenIdle();
    return QApplication::exec();
}
