#include "teaching/Practice.h"

#include "engine/Explanation.h"
#include "language/Language.h"
#include "language/OwnTexts.h"

#include <algorithm>
#include <array>

namespace halvex {

std::string_view verdictText(Verdict verdict)
{
    static constexpr std::array<std::string_view, 3> kTexts{"", "Correct !", "Incorrect"};
    return kTexts[static_cast<std::size_t>(verdict)];
}

std::string answerVerdictLine(const AnswerVerdict &verdict, std::string_view language)
{
    // In the language of the catalogue, as the result fields.
    const auto name = [&](AbgCategory category) { return Translate(categoryInfo(category).englishName, language); };
    const std::string chosen = name(verdict.chosen);
    if (!verdict.generated)
        return filledIn(ownText(OwnText::TeacherFailed, language), {chosen});
    if (verdict.correct)
        return filledIn(ownText(OwnText::TeacherCorrect, language), {name(*verdict.generated)});
    return filledIn(ownText(OwnText::TeacherIncorrect, language), {name(*verdict.generated), chosen});
}

AnswerVerdict verdictOf(const AnswerRecord &answer)
{
    return {answer.correct, answer.generated, answer.answered};
}

void Practice::generated(int variant, std::optional<AbgCategory> category)
{
    m_lastVariant = variant;
    m_teacher.sampleGenerated(category);
    ClearCategoryChecks();
    m_verdict = Verdict::None;
}

void Practice::tick(AbgCategory category)
{
    m_ticked = category;
    m_teacher.choose(category);
}

void Practice::caseLeft()
{
    if (!m_teacher.caseInFields())
        return;
    m_teacher.caseLeft();
    ClearCategoryChecks();
}

std::optional<AnswerVerdict> Practice::ScoreTeacherAnswer(const std::array<double, 6> &values, PressureUnit unit,
                                                          const Electrolytes &electrolytes)
{
    if (!m_ticked)
        return std::nullopt;
    if (!m_teacher.caseInFields()) {
        ClearCategoryChecks();
        return std::nullopt;
    }
    const TeacherSession::Score score = m_teacher.scoreAnswer();
    m_verdict = score.correct ? Verdict::Correct : Verdict::Incorrect;
    // The gauge clamps the rate: two answers on one sample give 200, shown as 100.
    m_gauge = std::clamp(score.gauge, 0, 100);
    const AnswerVerdict verdict{score.correct, m_teacher.generatedCategory(), m_teacher.chosenCategory()};
    m_review.record({values, unit, m_lastVariant, verdict.generated, verdict.chosen, verdict.correct, electrolytes});
    return verdict;
}

} // namespace halvex
