#pragma once

// Halvex's own notices: what the program says about printing, files and the
// help beyond the design's messages, in English and in French. "%1" and "%2"
// stand for a name or a reason filled in by the caller.

#include <string_view>

namespace halvex {

enum class Notice {
    NoPrinter,
    PrinterFailed,     // %1 the printer
    PrintingCancelled, // and nothing went out
    PrintingStopped,   // but what was painted may still go out
    CannotWrite,       // %1 the file, %2 why
    WritingCancelled,  // %1 the file
    NameThePdf,
    ReplaceFile,       // %1 the file
};

// The notice in French when the language is French (in any letter case), in English otherwise.
std::string_view noticeText(Notice notice, std::string_view language);

} // namespace halvex
