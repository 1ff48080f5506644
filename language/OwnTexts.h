#pragma once

// Halvex's own texts, in English and in French, beyond the design's messages
// and captions: what the program says about printing and files, the names it
// gives its controls for screen readers, and the sentences that explain an
// assessment. "%1", "%2"... stand for what the caller fills in.

#include <string_view>

namespace halvex {

enum class OwnText {
    NoPrinter,
    PrinterFailed, // %1 the printer
    PrintingCancelled, // and nothing went out
    PrintingStopped, // but what was painted may still go out
    CannotWrite, // %1 the file, %2 why
    WritingCancelled, // %1 the file
    NameThePdf,
    ReplaceFile, // %1 the file
    PrintCount, // accessible names from here
    PrintButton,
    SuccessGauge,
    PhDecimals,
    PaCO2Decimals,
    PaO2Decimals,
    HCO3Decimals,
    StatisticsEntry, // %1 the category, %2 its percentage
    PhAcidaemic, // %1 the pH, then the limits
    PhLowNormal,
    PhExactly,
    PhHighNormal,
    PhAlkalaemic,
    LevelLow, // %1 the value's name, %2 the value and unit, %3 the limit, %4 its effect
    LevelNormal,
    LevelHigh,
    Acidic,
    Alkalotic,
    VerdictCategory, // %1 the category, %2 why
    VerdictQuestion, // %1 the question
    VerdictFullCompensation, // %1 the outcome
    WhyNormal, // why each category, in category order
    WhyRA,
    WhyPCRA,
    WhyCRA,
    WhyMA,
    WhyPCMA,
    WhyCMA,
    WhyCRMA,
    WhyRAK,
    WhyPCRAK,
    WhyCRAK,
    WhyMAK,
    WhyPCMAK,
    WhyCMAK,
    WhyCRMAK,
    AgeNoCorrection, // %1 the age
    AgeCorrection, // %1 the age, %2 the correction
    AgeOver80, // %1 the age
    GradeLimits, // the limits, then the unit
    GradeLimitsOver80, // the limits, then the unit
    PaO2Falls, // %1 the value and unit, %2 the grade
    RoomAir,
    RoomAirError,
    OxygenCorrected, // %1 the O2 %
    OxygenUncorrected, // %1 the O2 %
    OxygenExcessive, // %1 the O2 %
    NoteWinter, // the range, then the unit
    NoteMetabolicAlkalosis, // the range, then the unit
    NoteRespiratoryAcidosis, // the range
    NoteRespiratoryAlkalosis, // the range
    NoteWithin, // %1 the value's name, %2 the value and unit
    NoteAbove, // %3 what that suggests
    NoteBelow, // %3 what that suggests
    AlsoRespiratoryAcidosis,
    AlsoRespiratoryAlkalosis,
    AlsoMetabolicAcidosis,
    AlsoMetabolicAlkalosis,
    NoteNoRange,
    NoteAlveolar, // %1 PAO2, %2 A–a, %3 expected, %4 age, %5 judgement
    WithinExpected,
    AboveExpected,
    NotePfRatio, // %1 the ratio and unit
    NoNotes,
    TeacherCorrect, // %1 the generated category
    TeacherIncorrect, // %1 the generated category, %2 the ticked one
    TeacherFailed, // %1 the ticked category
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
    NoAnswerYet,
    AnswerCorrect,
    AnswerIncorrect,
};

// The text in French when the language is French (in any letter case), in English otherwise.
std::string_view ownText(OwnText text, std::string_view language);

} // namespace halvex
