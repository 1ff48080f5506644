#pragma once

// What every part of the window works through: the window's one session, and
// the outside world behind small interfaces (message boxes, the desktop, file
// dialogs, the report runner), which tests replace with recorders.

#include "report/dialogs/ReportRunner.h"
#include "ui/Desktop.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"

#include <QString>

#include <memory>

class WindowSession;

struct Seams {
    MessageBoxes &boxes;
    std::unique_ptr<Desktop> desktop;
    std::unique_ptr<FileDialogs> fileDialogs;
    std::unique_ptr<ReportRunner> reportRunner;
    QString programFolder; // holds Help/ and License.txt
};

struct PageContext {
    WindowSession &session;
    Seams &seams;
};
