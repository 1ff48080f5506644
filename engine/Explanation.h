#pragma once

// Why an assessment says what it says: the reasoning step by step, read from
// the same tables that decide it, and teaching notes from the usual formulas,
// which never change the verdict. In the language given; each pressure in the
// unit given, with the mmHg the formulas work in beside it in kPa.

#include "engine/AbgCategory.h"
#include "engine/AnionGap.h"
#include "engine/BloodGasSample.h"
#include "engine/Presentation.h"
#include "engine/Reasoning.h"

#include <string>
#include <vector>

namespace halvex {

// Where the values come from: typed (or read) by a person, or made by the
// generator as an exercise.
enum class CaseOrigin { Typed, Generated };

struct Explanation {
    std::vector<std::string> steps; // whether the values fit, pH, PaCO2, HCO3, the verdict, then oxygenation
    std::vector<std::string> notes; // teaching notes
    std::string reason;             // the verdict's line, for one-line uses
    Reasoning reasoning;            // the figures behind the words
};

// The explanation of a validated blood gas, pressures in mmHg, with the anion
// gap's steps and notes when the electrolytes give one.
Explanation explainAssessment(const BloodGasSample &sample, const Presentation &presentation,
                              CaseOrigin origin = CaseOrigin::Typed, const Electrolytes &electrolytes = {});

// The verdict's line alone: the outcome and, for a category, the sentence that
// joins the values; a question whose values fit together (Henderson–Hasselbalch)
// is a pattern the table names no category for, not a contradiction.
std::string verdictLine(const AcidBaseOutcome &outcome, bool fits, std::string_view language);
// The sentence that joins the values of a category.
std::string whySentence(AbgCategory category, std::string_view language);

// "%1"... in a text replaced by the arguments, in order.
std::string filledIn(std::string_view text, std::initializer_list<std::string_view> arguments);

} // namespace halvex
