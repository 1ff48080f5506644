#include "teaching/TeacherSession.h"

#include <cmath>

namespace halvex {

double percentage(int part, int whole)
{
    // Multiplied first: part × 100 is exact, so a quotient that is exactly a
    // half (5900 / 200 = 29.5) comes out exactly, not as 29.4999….
    return static_cast<double>(part) * 100 / whole;
}

int roundedPercentage(double percentage)
{
    // nearbyint rounds in the current mode, to nearest with ties to even unless changed.
    return static_cast<int>(std::nearbyint(percentage));
}

void TeacherSession::createCategoryStats()
{
    m_categoryStats.emplace();
}

std::optional<TeacherSession::Tally> TeacherSession::categoryStats(AbgCategory category) const
{
    if (!m_categoryStats)
        return std::nullopt;
    return (*m_categoryStats)[static_cast<std::size_t>(categoryCode(category))];
}

std::optional<std::string> TeacherSession::categoryStatsText(AbgCategory category) const
{
    const std::optional<Tally> tally = categoryStats(category);
    if (!tally || tally->answers == 0)
        return std::nullopt;
    const int shown = tally->correct > 0 ? roundedPercentage(percentage(tally->correct, tally->answers)) : 0;
    return std::to_string(shown) + " %";
}

void TeacherSession::sampleGenerated(std::optional<AbgCategory> category)
{
    m_awaitingAnalysis = true;
    m_caseInFields = true;
    ++m_generatedCount;
    m_generatedCategory = category;
}

TeacherSession::Score TeacherSession::scoreAnswer()
{
    m_lastAnswerCorrect = m_generatedCategory == m_chosenCategory;
    if (m_lastAnswerCorrect)
        ++m_correctCount;
    Score score{m_lastAnswerCorrect, 0, std::nullopt, {}};

    // With no sample generated yet the rate cannot be computed, and with a
    // failed generation there is no category to count: the gauge then shows 0.
    if (m_generatedCount == 0)
        return score;
    m_successRate = percentage(m_correctCount, m_generatedCount);
    const std::optional<std::string> statsText = updateCategoryStats();
    if (!statsText)
        return score;
    score.gauge = roundedPercentage(m_successRate);
    score.statsCategory = m_generatedCategory;
    score.statsText = *statsText;
    return score;
}

std::optional<std::string> TeacherSession::updateCategoryStats()
{
    if (!m_generatedCategory || !m_categoryStats)
        return std::nullopt;
    Tally &tally = (*m_categoryStats)[static_cast<std::size_t>(categoryCode(*m_generatedCategory))];
    if (m_lastAnswerCorrect)
        ++tally.correct;
    ++tally.answers;
    return categoryStatsText(*m_generatedCategory);
}

} // namespace halvex
