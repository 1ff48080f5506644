#pragma once

// The acid/base decision table: the pH falls into one of five bands, PaCO2 and
// HCO3 each into one of three levels, and each of the 45 combinations names a
// category, an inconsistency (a question) or full compensation.

#include "AbgCategory.h"

#include <string_view>

namespace halvex {

enum class PhBand { Acidaemic, LowNormal, Exactly740, HighNormal, Alkalaemic };
enum class Level { Low, Normal, High };

enum class AcidBaseOutcomeKind { Category, Question, FullCompensation };

inline constexpr std::string_view kFullCompensationText =
    "Fully Compensated Acid/Base, unknown compensation component";

struct AcidBaseOutcome {
    AcidBaseOutcomeKind kind;
    AbgCategory category;        // Category only
    std::string_view text;       // the category name, the question, or the first compensation text
    std::string_view secondText; // FullCompensation only: the text for the oxygenation field
};

PhBand phBandOf(double pH);
Level paco2LevelOf(double PaCO2); // mmHg
Level hco3LevelOf(double HCO3);   // mEq/L

// The outcome for pH, PaCO2 in mmHg and HCO3 in mEq/L. English texts.
AcidBaseOutcome classifyAcidBase(double pH, double PaCO2, double HCO3);

} // namespace halvex
