#pragma once

// Why an assessment says what it says: the reasoning step by step, read from
// the same tables that decide it, and teaching notes from the usual formulas,
// which never change the verdict. In the language given; pressures in the unit
// given, computed in mmHg.

#include "AbgCategory.h"
#include "BloodGasSample.h"
#include "Presentation.h"

#include <optional>
#include <string>
#include <vector>

namespace halvex {

enum class Compensation { Within, Above, Below };

// The range the usual formula expects for the compensating value.
struct ExpectedRange {
    bool ofPaCO2;   // PaCO2 for the metabolic families (in mmHg here), HCO3 for the respiratory ones
    double low;
    double high;
    Compensation measured;
};

struct Explanation {
    std::vector<std::string> steps; // pH, PaCO2, HCO3, the verdict, then oxygenation
    std::vector<std::string> notes; // teaching notes
    std::string reason;             // the verdict's line, for one-line uses
    std::string why;                // for a category, the sentence that joins the values; otherwise the reason
    // The figures of the notes, for a category only; pressures in mmHg.
    std::optional<ExpectedRange> expected;
    std::optional<double> aaGradient;
    std::optional<double> aaExpected;
    std::optional<double> pfRatio;
};

// The explanation of a validated blood gas, pressures in mmHg.
Explanation explainAssessment(const BloodGasSample &sample, const Presentation &presentation);

// "%1"... in a text replaced by the arguments, in order.
std::string filledIn(std::string_view text, std::initializer_list<std::string_view> arguments);

} // namespace halvex
