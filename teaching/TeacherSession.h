#pragma once

// The state of teacher mode for one run of the program: what was generated,
// what the student chose, how many answers were right, per category and in
// all. Plain C++: the window only shows what it holds.

#include "engine/AbgCategory.h"

#include <array>
#include <optional>
#include <string>

namespace halvex {

// The tally of one category: correct answers and answers.
struct CategoryTally {
    int correct = 0;
    int answers = 0;
    friend bool operator==(const CategoryTally &, const CategoryTally &) = default;
};

class TeacherSession {
public:
    using Tally = CategoryTally;

    // What scoring one answer changes on the screen.
    struct Score {
        bool correct;
        int gauge;                                // 0 to 100 is shown; may exceed 100
        std::optional<AbgCategory> statsCategory; // the category whose percentage changed
        std::string statsText;                    // its new text, as "67 %"
    };

    int generatedCount() const { return m_generatedCount; }
    int correctCount() const { return m_correctCount; }
    double successRate() const { return m_successRate; }
    bool lastAnswerCorrect() const { return m_lastAnswerCorrect; }
    // The category of the last sample the Generate button made: Normal until
    // then, none after a failed generation.
    std::optional<AbgCategory> generatedCategory() const { return m_generatedCategory; }
    AbgCategory chosenCategory() const { return m_chosenCategory; }
    bool awaitingAnalysis() const { return m_awaitingAnalysis; }

    // CreateCategoryStats: every category at no answer. Until then no answer is counted per category.
    void createCategoryStats();
    // The tally of a category, if the statistics exist.
    std::optional<Tally> categoryStats(AbgCategory category) const;
    // Its percentage as the statistics page shows it ("67 %"); nothing before its first answer.
    std::optional<std::string> categoryStatsText(AbgCategory category) const;

    // The Generate button made a sample of this category (none when it failed)
    // and wrote it into the fields.
    void sampleGenerated(std::optional<AbgCategory> category);
    // The fields no longer hold the generated sample: typed into, cleared,
    // or filled with a sample or a reviewed answer.
    void caseLeft() { m_caseInFields = false; }
    // An answer is scored only against the case it was given for: while the
    // fields still hold the sample the Generate button made.
    bool caseInFields() const { return m_caseInFields; }
    void choose(AbgCategory category) { m_chosenCategory = category; }
    void analysisStarted() { m_awaitingAnalysis = false; }

    // ScoreTeacherAnswer: judges the chosen category against the generated one.
    Score scoreAnswer();

private:
    // UpdateCategoryStats: counts the answer for the generated category; its new text, or nothing when
    // the statistics have no entry for it.
    std::optional<std::string> updateCategoryStats();

    int m_generatedCount = 0;
    int m_correctCount = 0;
    double m_successRate = 0;
    bool m_lastAnswerCorrect = false;
    std::optional<AbgCategory> m_generatedCategory = AbgCategory::Normal;
    AbgCategory m_chosenCategory = AbgCategory::Normal;
    bool m_awaitingAnalysis = false;
    bool m_caseInFields = false;
    std::optional<std::array<Tally, kCategoryCount>> m_categoryStats;
};

// A ratio in percent, exact whenever the exact value is a whole or a half number.
double percentage(int part, int whole);
// A percentage rounded to the nearest integer, an exact half to the even neighbour (12.5 to 12, 29.5 to 30).
int roundedPercentage(double percentage);

} // namespace halvex
