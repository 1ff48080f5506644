#pragma once

// Halvex's own texts, in English and in French, beyond the design's messages
// and captions: what the program says about printing, files and the help, and
// the names it gives its controls for screen readers. "%1" and "%2" stand for
// a name or a reason filled in by the caller.

#include <string_view>

namespace halvex {

enum class OwnText {
    // Notices.
    NoPrinter,
    PrinterFailed,     // %1 the printer
    PrintingCancelled, // and nothing went out
    PrintingStopped,   // but what was painted may still go out
    CannotWrite,       // %1 the file, %2 why
    WritingCancelled,  // %1 the file
    NameThePdf,
    ReplaceFile,       // %1 the file
    // Accessible names of controls that show no text of their own.
    PrintCount,
    PrintButton,
    SuccessGauge,
    PhDecimals,
    PaCO2Decimals,
    PaO2Decimals,
    HCO3Decimals,
    StatisticsEntry,   // %1 the category, %2 its percentage
};

// The text in French when the language is French (in any letter case), in English otherwise.
std::string_view ownText(OwnText text, std::string_view language);

} // namespace halvex
