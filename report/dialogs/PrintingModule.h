#pragma once

// The printing module: the report dialogs and Qt's print support in a library
// of their own, beside the program, which the window loads when it first
// prints. Kept out of the program itself, Qt's print support costs nothing to
// a start-up that does not print. This is the one function the module exports.

#include "report/dialogs/ReportRunner.h"

class QWidget;

using CreateReportRunner = ReportRunner *(QWidget *parent, const ReportMessages &messages);

inline constexpr char kCreateReportRunner[] = "halvexCreateReportRunner";
