#pragma once

// Runs a report: offers the output options, then previews it, prints it or
// writes it to a file, and returns when the user is done. The window holds one;
// tests give it a recorder instead of dialogs.

#include <QString>

#include <functional>
#include <string>

class QWidget;
struct Report;

// How a runner tells what went wrong, or was cancelled, in the interface
// language; and how it tells a screen reader what changed where the focus
// does not go.
struct ReportMessages {
    std::function<void(const QString &)> error;
    std::function<void(const QString &)> information;
    std::function<std::string()> language; // the interface language in force
    std::function<void(QWidget *within, const QString &news)> announce;
};

class ReportRunner {
public:
    virtual ~ReportRunner() = default;
    virtual void run(const Report &report) = 0;
};
