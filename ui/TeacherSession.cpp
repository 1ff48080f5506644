#include "TeacherSession.h"

#include <cmath>

int roundedPercentage(int part, int whole)
{
    // nearbyint rounds in the current mode, to nearest with ties to even unless changed.
    return static_cast<int>(std::nearbyint(static_cast<long double>(part) / whole * 100));
}

void TeacherSession::createCategoryStats()
{
    m_categoryStats.emplace();
}

std::optional<TeacherSession::Tally> TeacherSession::categoryStats(int categoryCode) const
{
    if (!m_categoryStats || categoryCode < 0 || categoryCode >= static_cast<int>(m_categoryStats->size()))
        return std::nullopt;
    return (*m_categoryStats)[static_cast<std::size_t>(categoryCode)];
}

std::optional<std::string> TeacherSession::categoryStatsText(int categoryCode) const
{
    const std::optional<Tally> tally = categoryStats(categoryCode);
    if (!tally || tally->answers == 0)
        return std::nullopt;
    const int percentage = tally->correct > 0 ? roundedPercentage(tally->correct, tally->answers) : 0;
    return std::to_string(percentage) + " %";
}

void TeacherSession::sampleGenerated(int categoryCode)
{
    m_awaitingAnalysis = true;
    ++m_generatedCount;
    m_generatedCategory = categoryCode;
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
    m_successRate = static_cast<double>(static_cast<long double>(m_correctCount) / m_generatedCount * 100);
    const std::optional<std::string> statsText = updateCategoryStats();
    if (!statsText)
        return score;
    score.gauge = roundedPercentage(m_correctCount, m_generatedCount);
    score.statsCategory = m_generatedCategory;
    score.statsText = *statsText;
    return score;
}

std::optional<std::string> TeacherSession::updateCategoryStats()
{
    if (!categoryStats(m_generatedCategory))
        return std::nullopt;
    Tally &tally = (*m_categoryStats)[static_cast<std::size_t>(m_generatedCategory)];
    if (m_lastAnswerCorrect)
        ++tally.correct;
    ++tally.answers;
    return categoryStatsText(m_generatedCategory);
}
