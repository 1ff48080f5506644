#pragma once

// The command line of halvex-cli: parses the arguments, runs the command and
// says how it ended. Streams are passed in so the whole program can be tested
// in-process.

#include <QStringList>

#include <istream>
#include <ostream>

namespace halvex::cli {

// 2 ends a usage error, an input that cannot be read and an output that cannot be written.
enum ExitStatus { ExitOk = 0, ExitInvalidRows = 1, ExitFailure = 2 };

// `arguments` starts with the program name, as QCoreApplication::arguments().
int runCommandLine(const QStringList &arguments, std::istream &in, std::ostream &out, std::ostream &err);

} // namespace halvex::cli
