#pragma once

// A practice session as one window holds it: the teacher's state and its
// statistics, the review of every scored answer, the answer box the student
// has ticked, the verdict shown and the gauge; and what one Generate and one
// Analyze change in them. Plain C++: the pages only show what it holds.

#include "engine/AbgCategory.h"
#include "engine/PressureUnits.h"
#include "teaching/SessionReview.h"
#include "teaching/TeacherSession.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace halvex {

// "Correct !" or "Incorrect" on the teacher page, or nothing.
enum class Verdict { None, Correct, Incorrect };

// The verdict as the teacher page shows it, whatever the language: "Correct !", "Incorrect", or nothing.
std::string_view verdictText(Verdict verdict);

// The verdict on one scored answer.
struct AnswerVerdict {
    bool correct = false;
    std::optional<AbgCategory> generated; // none after a failed generation
    AbgCategory chosen = AbgCategory::Normal;
};

// The verdict in words, in the language: "Correct: this is …", "Incorrect: this is …; you ticked …".
std::string answerVerdictLine(const AnswerVerdict &verdict, std::string_view language);
// The verdict of a review record.
AnswerVerdict verdictOf(const AnswerRecord &answer);

class Practice {
public:
    const TeacherSession &teacher() const { return m_teacher; }
    const SessionReview &review() const { return m_review; }
    // The answer box the student has ticked, if any: at most one.
    std::optional<AbgCategory> ticked() const { return m_ticked; }
    Verdict verdict() const { return m_verdict; }
    // The gauge as shown: the success rate rounded, within 0 to 100.
    int gauge() const { return m_gauge; }
    // The variant of the last sample the Generate button made, if any.
    std::optional<int> lastVariant() const { return m_lastVariant; }

    void CreateCategoryStats() { m_teacher.createCategoryStats(); }
    // The Generate button made a sample of the variant (no category when it
    // failed): a new case, so no box is ticked and no verdict is shown.
    void generated(int variant, std::optional<AbgCategory> category);
    // chkNormalClick: exactly the clicked box is ticked.
    void tick(AbgCategory category);
    // No box is ticked; the chosen category keeps its value.
    void ClearCategoryChecks() { m_ticked.reset(); }
    void analysisStarted() { m_teacher.analysisStarted(); }
    // The fields no longer hold the generated case: its box is cleared.
    void caseLeft();

    // The teacher step of an Analyze of these values (as the fields show
    // them, in the unit): scored and recorded only when a box is ticked and
    // the fields still hold the case it was given for; otherwise the box is
    // cleared and nothing is scored.
    // The electrolytes assessed with them are kept with the answer.
    std::optional<AnswerVerdict> ScoreTeacherAnswer(const std::array<double, 6> &values, PressureUnit unit,
                                                    const Electrolytes &electrolytes = {});

private:
    TeacherSession m_teacher;
    SessionReview m_review;
    std::optional<AbgCategory> m_ticked;
    Verdict m_verdict = Verdict::None;
    int m_gauge = 0;
    std::optional<int> m_lastVariant;
};

} // namespace halvex
