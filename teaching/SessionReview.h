#pragma once

// The review of a practice session: every scored answer, the blood gas as the
// fields showed it, what had been generated and what was ticked. It lives for
// the session, as the statistics do, and can be written as CSV.

#include "engine/AbgCategory.h"
#include "engine/AnionGap.h"
#include "engine/BloodGasSample.h"
#include "engine/Presentation.h"

#include <array>
#include <optional>
#include <ostream>
#include <vector>

namespace halvex {

struct AnswerRecord {
    std::array<double, 6> values{}; // pH, PaCO2, PaO2, HCO3, O2 %, Age, as the fields showed them
    PressureUnit unit = PressureUnit::MmHg;
    std::optional<int> variant;           // of the generated sample; none before any
    std::optional<AbgCategory> generated; // none after a failed generation
    AbgCategory answered = AbgCategory::Normal;
    bool correct = false;
    Electrolytes electrolytes; // those assessed with the answer, if any
};

class SessionReview {
public:
    void record(const AnswerRecord &answer) { m_answers.push_back(answer); }
    const std::vector<AnswerRecord> &answers() const { return m_answers; } // oldest first

    // Newest first, all of them or only the wrong ones; as indexes into answers().
    std::vector<std::size_t> listed(bool wrongOnly) const;

private:
    std::vector<AnswerRecord> m_answers;
};

// The blood gas of an answer in mmHg, as the engine takes it.
BloodGasSample sampleOf(const AnswerRecord &answer);

// Writes the answers, oldest first, as CSV with halvex-cli generate's columns
// (pressures in one unit: the answers' own as shown when they share one, else
// mmHg, the kPa answers converted; the header names kPa as generate does,
// PaCO2_kPa and PaO2_kPa; Na, Cl and albumin in g/L after
// Age when any answer has electrolytes, as generate --electrolytes writes them)
// and answered_code, answered, correct; category names in the language.
// Throws WriteFailure when the stream does not take it.
void writeReviewCsv(std::ostream &output, const std::vector<AnswerRecord> &answers, std::string_view language);

} // namespace halvex
