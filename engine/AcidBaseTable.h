#pragma once

// The acid/base decision table: the pH falls into one of five bands, PaCO2 and
// HCO3 each into one of three levels, and each of the 45 combinations names a
// category, an inconsistency (a question) or full compensation.

#include "engine/AbgCategory.h"

#include <string_view>

namespace halvex {

enum class PhBand { Acidaemic, LowNormal, Exactly740, HighNormal, Alkalaemic };
enum class Level { Low, Normal, High };

// The limits of the bands and levels: normal from the lowest to the highest, both included.
struct NormalRange {
    double lowest;
    double highest;
};
inline constexpr NormalRange kPhNormalRange{7.35, 7.45};
inline constexpr double kPhNeutral = 7.40;
inline constexpr NormalRange kPaco2NormalRange{35, 45}; // mmHg
inline constexpr NormalRange kHco3NormalRange{22, 26};  // mEq/L

enum class AcidBaseOutcomeKind { Category, Question, FullCompensation };

inline constexpr std::string_view kFullCompensationText = "Fully Compensated Acid/Base, unknown compensation component";

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
