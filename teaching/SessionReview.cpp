#include "teaching/SessionReview.h"

#include "csv/CsvWriter.h"
#include "engine/SampleGenerator.h"
#include "language/Language.h"
#include "numbers/NumberText.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace halvex {
namespace {

// The one unit of the file's pressures: the answers' own when they share one,
// mmHg when the session switched units midway (and with no answer at all).
PressureUnit reviewUnit(const std::vector<AnswerRecord> &answers)
{
    const bool shared = !answers.empty() && std::all_of(answers.begin(), answers.end(), [&](const AnswerRecord &a) {
        return a.unit == answers.front().unit;
    });
    return shared ? answers.front().unit : PressureUnit::MmHg;
}

} // namespace

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
    const bool withElectrolytes = std::any_of(answers.begin(), answers.end(),
                                              [](const AnswerRecord &answer) { return answer.electrolytes.any(); });
    // A column holds one unit, which its name gives in kPa, so that the file reads back as it was answered.
    const PressureUnit unit = reviewUnit(answers);
    const std::string paco2 = pressureColumnName("PaCO2", unit);
    const std::string pao2 = pressureColumnName("PaO2", unit);
    std::vector<std::string_view> header{"variant", "category_code", "category", "pH", paco2,
                                         pao2,      "HCO3",          "FiO2",     "Age"};
    if (withElectrolytes)
        header.insert(header.end(), {"Na", "Cl", "Albumin"});
    header.insert(header.end(), {"answered_code", "answered", "correct"});
    csv.writeRecord(header);
    // As the field showed it: its own decimals, without trailing zeros.
    const auto number = [](double value) { return formatUpTo(value, 3); };
    const auto optional = [&](const std::optional<double> &value) { return value ? number(*value) : std::string(); };
    const auto name = [&](AbgCategory category) { return Translate(categoryInfo(category).englishName, language); };
    for (const AnswerRecord &answer : answers) {
        const auto &v = answer.values;
        // Converted only when it must be: kPa to kPa would scale the value by 0.9975.
        const auto pressure = [&](double value) {
            return number(answer.unit == unit ? value : ConvertPressure(answer.unit, unit, value));
        };
        std::vector<std::string> fields{answer.variant ? std::to_string(*answer.variant) : std::string(),
                                        answer.generated ? std::to_string(categoryCode(*answer.generated))
                                                         : std::string(),
                                        answer.generated ? name(*answer.generated) : std::string(),
                                        number(v[0]),
                                        pressure(v[1]),
                                        pressure(v[2]),
                                        number(v[3]),
                                        number(v[4]),
                                        number(v[5])};
        if (withElectrolytes) {
            const Electrolytes &e = answer.electrolytes;
            const std::optional<double> albuminGl =
                e.albumin ? std::optional(convertAlbumin(*e.albumin, e.albuminUnit, AlbuminUnit::GramsPerLitre))
                          : std::nullopt;
            fields.insert(fields.end(), {optional(e.sodium), optional(e.chloride), optional(albuminGl)});
        }
        fields.insert(fields.end(), {std::to_string(categoryCode(answer.answered)), name(answer.answered),
                                     answer.correct ? "yes" : "no"});
        const std::vector<std::string_view> views(fields.begin(), fields.end());
        csv.writeRecord(views);
    }
    csv.flush();
}

} // namespace halvex
