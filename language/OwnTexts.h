#pragma once

// Halvex's own texts, in English and in French, beyond the design's messages
// and captions: what the program says about printing and files, the names it
// gives its controls for screen readers, the pages around the explanation.
// "%1", "%2"... stand for what the caller fills in.

#include <string_view>

namespace halvex {

enum class OwnText {
    NoPrinter,
    PrinterFailed,     // %1 the printer
    PrintingCancelled, // and nothing went out
    PrintingStopped,   // but what was painted may still go out
    PrintingMissing,   // %1 the printing module, %2 why it could not be loaded
    CannotWrite,       // %1 the file, %2 why
    WritingCancelled,  // %1 the file
    NameThePdf,
    ReplaceFile, // %1 the file
    PrintCount,  // accessible names from here
    PrintButton,
    SuccessGauge,
    PhDecimals,
    PaCO2Decimals,
    PaO2Decimals,
    HCO3Decimals,
    TeacherCorrect,   // %1 the generated category
    TeacherIncorrect, // %1 the generated category, %2 the ticked one
    TeacherFailed,    // %1 the ticked category
    ExplanationTitle,
    StepByStep,
    TeachingNotes,
    NothingYet,
    Why,
    WhyHint,
    ExplainAnswers,
    Review,
    WrongOnly,
    LoadAnswer,
    SaveReview,
    SaveReviewTitle,
    CsvFiles,
    PracticeWeak,
    RealisticCases,
    PracticeFocus,  // %1 what new cases favour
    PracticeWeight, // %1 a category, %2 its weight
    PracticeNotMet, // %1 how many categories
    PracticeNothingFavoured,
    ListAnd, // %1 the list so far, %2 its last item
    WrongOnlyHint,
    SaveReviewHint,
    ReviewSaved,       // %1 the file
    CannotOpenAddress, // %1 the address
    SettingsNotSaved,  // %1 the settings file
    NoAnswerYet,
    AnswerCorrect,
    AnswerIncorrect,
    ClearDescription, // screen-reader descriptions from here; the English ones are the status-line hints
    GenerateDescription,
    AnalyzeDescription,
    PrintDescription,
    NormalValuesDescription,
    ElectrolyteOutOfRange, // %1 the field, %2 and %3 its limits, %4 their unit
    Albumin,
    ElectrolytesTitle,
    SodiumCaption,
    ChlorideCaption,
    AlbuminUnitName,
    ClearElectrolytes,
    AnionGapReading,
    GapNeedsSodiumAndChloride,
    WithElectrolytes,
    NewCase,     // news for a screen reader from here; %1 the values as the fields show them
    CaseLoaded,  // %1 the values as the fields show them
    PreviewPage, // %1 the page shown, %2 the pages
};

// The text in French when the language is French (in any letter case), in English otherwise.
std::string_view ownText(OwnText text, std::string_view language);

} // namespace halvex
