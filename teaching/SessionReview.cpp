#include "teaching/SessionReview.h"

#include "csv/CsvWriter.h"
#include "engine/SampleGenerator.h"
#include "language/Language.h"
#include "numbers/NumberText.h"

#include <string>

namespace halvex {

std::vector<std::size_t> SessionReview::listed(bool wrongOnly) const
{
    std::vector<std::size_t> indexes;
    for (std::size_t i = m_answers.size(); i-- > 0;) {
        if (!wrongOnly || !m_answers[i].correct)
            indexes.push_back(i);
    }
    return indexes;
}

BloodGasSample sampleOf(const AnswerRecord &answer)
{
    const auto mmHg = [&](double value) { return ConvertPressure(answer.unit, PressureUnit::MmHg, value); };
    const auto &v = answer.values;
    return {v[0], mmHg(v[1]), mmHg(v[2]), v[3], v[5], v[4]};
}

void writeReviewCsv(std::ostream &output, const std::vector<AnswerRecord> &answers, std::string_view language)
{
    CsvWriter csv(output);
    csv.writeRecord({"variant", "category_code", "category", "pH", "PaCO2", "PaO2", "HCO3", "FiO2", "Age",
                     "answered_code", "answered", "correct"});
    // As the field showed it: its own decimals, without trailing zeros.
    const auto number = [](double value) { return formatUpTo(value, 3); };
    const auto name = [&](AbgCategory category) { return Translate(categoryInfo(category).englishName, language); };
    for (const AnswerRecord &answer : answers) {
        const std::string variant = answer.variant ? std::to_string(*answer.variant) : std::string();
        const std::string code = answer.generated ? std::to_string(categoryCode(*answer.generated)) : std::string();
        const std::string category = answer.generated ? name(*answer.generated) : std::string();
        const auto &v = answer.values;
        csv.writeRecord({variant, code, category, number(v[0]), number(v[1]), number(v[2]), number(v[3]), number(v[4]),
                         number(v[5]), std::to_string(categoryCode(answer.answered)), name(answer.answered),
                         answer.correct ? "yes" : "no"});
    }
    csv.flush();
}

} // namespace halvex
