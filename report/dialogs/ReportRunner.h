#pragma once

// Runs a report: offers the output options, then previews it, prints it or
// writes it to a file, and returns when the user is done. The window holds one;
// tests give it a recorder instead of dialogs.

struct Report;

class ReportRunner {
public:
    virtual ~ReportRunner() = default;
    virtual void run(const Report &report) = 0;
};
