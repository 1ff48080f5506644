#include "cli/AssessCommand.h"

#include "cli/InputRows.h"
#include "csv/CsvWriter.h"
#include "csv/StreamFailures.h"
#include "csv/Utf8.h"
#include "engine/AssessAcidBase.h"
#include "engine/Explanation.h"
#include "engine/Reasoning.h"
#include "language/OwnTexts.h"
#include "numbers/NumberText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::cli {
namespace {

constexpr std::array<std::string_view, 11> kOutputColumns{
    "pH", "PaCO2", "PaO2", "HCO3", "FiO2", "Age", "outcome", "category_code", "acid_base", "oxygenation", "message"};
constexpr std::array<std::string_view, 21> kExplainColumns{
    "reason",      "expected_low",   "expected_high", "compensation",  "aa_gradient", "aa_expected", "pf_ratio",
    "hh_ph",       "fits",           "acuity",        "aa_verdict",    "pf_band",     "anion_gap",   "corrected_gap",
    "delta_ratio", "corrected_hco3", "gap_verdict",   "delta_verdict", "sbe",         "sbe_band",    "sbe_expected"};
// The explanation's columns after the reason, and where the anion gap's and the base excess's start among them.
using Figures = std::array<std::string, kExplainColumns.size() - 1>;
constexpr std::size_t kGapColumn = 11;
constexpr std::size_t kSbeColumn = 17;
// The columns that hold pressures in the rows' unit; in kPa their names say so.
constexpr std::array<std::string_view, 5> kPressureColumns{"PaCO2", "PaO2", "aa_gradient", "aa_expected", "pf_ratio"};

// The output's header, its pressure columns named in the unit.
std::vector<std::string> headerNames(PressureUnit unit, bool explain)
{
    std::vector<std::string> names(kOutputColumns.begin(), kOutputColumns.end());
    if (explain)
        names.insert(names.end(), kExplainColumns.begin(), kExplainColumns.end());
    for (std::string &name : names) {
        if (std::find(kPressureColumns.begin(), kPressureColumns.end(), name) != kPressureColumns.end())
            name = pressureColumnName(name, unit);
    }
    return names;
}

struct RowResult {
    std::string_view outcome;
    std::string categoryCode;
    std::string acidBase;
    std::string oxygenation;
    std::string message;
    std::string_view reason; // the verdict's line, as VerdictLines keeps it
    Figures figures{};       // the explanation's other columns
};

std::string_view compensationWord(Compensation where)
{
    static constexpr std::array<std::string_view, 3> kWords{"within", "above", "below"};
    return kWords[static_cast<std::size_t>(where)];
}

std::string_view acuityWord(const std::optional<Acuity> &acuity)
{
    static constexpr std::array<std::string_view, 4> kWords{"acute", "chronic", "either", "between"};
    return acuity ? kWords[static_cast<std::size_t>(*acuity)] : std::string_view{};
}

std::string_view aaVerdictWord(const std::optional<AaVerdict> &verdict)
{
    static constexpr std::array<std::string_view, 3> kWords{"impossible", "within", "raised"};
    return verdict ? kWords[static_cast<std::size_t>(*verdict)] : std::string_view{};
}

std::string_view pfBandWord(PfBand band)
{
    static constexpr std::array<std::string_view, 4> kWords{"none", "mild", "moderate", "severe"};
    return kWords[static_cast<std::size_t>(band)];
}

std::string_view levelWord(Level level)
{
    static constexpr std::array<std::string_view, 3> kWords{"low", "normal", "high"};
    return kWords[static_cast<std::size_t>(level)];
}

std::string_view gapVerdictWord(GapVerdict verdict)
{
    static constexpr std::array<std::string_view, 2> kWords{"normal", "high"};
    return kWords[static_cast<std::size_t>(verdict)];
}

std::string_view deltaVerdictWord(const std::optional<DeltaVerdict> &verdict)
{
    static constexpr std::array<std::string_view, 4> kWords{"normal-gap", "mixed", "high-gap",
                                                            "high-gap-and-alkalosis"};
    return verdict ? kWords[static_cast<std::size_t>(*verdict)] : std::string_view{};
}

// The anion gap's columns, when the row has Na and Cl.
void explainGap(Figures &columns, double HCO3, const Electrolytes &electrolytes)
{
    const std::optional<AnionGap> gap = anionGapOf(HCO3, electrolytes);
    if (!gap)
        return;
    const auto optional = [](std::string &column, const std::optional<double> &value, int decimals) {
        if (value)
            writeFixed(column, *value, decimals);
    };
    writeFixed(columns[kGapColumn], gap->gap, 1);
    optional(columns[kGapColumn + 1], gap->corrected, 1);
    optional(columns[kGapColumn + 2], gap->deltaRatio, 2);
    optional(columns[kGapColumn + 3], gap->correctedHco3, 1);
    columns[kGapColumn + 4] = gapVerdictWord(gap->verdict);
    columns[kGapColumn + 5] = deltaVerdictWord(gap->delta);
}

// The reason column: the verdict's line, which for a category is the same on
// every row, so it is written once per category and language.
class VerdictLines {
public:
    explicit VerdictLines(std::string_view language) : m_language(language) {}
    // Valid until the next call.
    std::string_view of(const AcidBaseOutcome &outcome, bool fits)
    {
        if (outcome.kind != AcidBaseOutcomeKind::Category)
            return m_other = verdictLine(outcome, fits, m_language);
        std::optional<std::string> &line = m_categories[static_cast<std::size_t>(categoryCode(outcome.category))];
        if (!line)
            line = verdictLine(outcome, fits, m_language);
        return *line;
    }

private:
    std::string m_language;
    std::array<std::optional<std::string>, kCategoryCount> m_categories;
    std::string m_other;
};

// The explanation's columns, pressures in the row's unit with one decimal: the
// figures only, without the prose of the window's explanation. Written over
// the cleared columns of the row before, keeping their room.
void explainColumns(RowResult &row, const BloodGasSample &sample, const Presentation &presentation,
                    VerdictLines &verdicts)
{
    const Reasoning reasoning = reasonAbout(sample);
    row.reason = verdicts.of(reasoning.outcome, reasoning.fit.fits);
    Figures &columns = row.figures;
    if (reasoning.outcome.kind != AcidBaseOutcomeKind::Category)
        return;
    const auto pressure = [&](std::string &column, double mmHg, int decimals) {
        writeFixed(column, ConvertPressure(PressureUnit::MmHg, presentation.unit, mmHg), decimals);
    };
    if (const std::optional<ExpectedRange> &range = reasoning.expected) {
        const auto value = [&](std::string &column, double v) {
            if (range->ofPaCO2())
                pressure(column, v, 1);
            else
                writeFixed(column, v, 1);
        };
        value(columns[0], range->low);
        value(columns[1], range->high);
        columns[2] = compensationWord(range->measured);
        columns[8] = acuityWord(range->acuity);
    }
    const OxygenFigures &oxygen = reasoning.oxygen;
    pressure(columns[3], oxygen.aaGradient, 1);
    if (oxygen.aaExpected)
        pressure(columns[4], *oxygen.aaExpected, 1);
    pressure(columns[5], oxygen.pfRatio, 0);
    if (reasoning.fit.hhPh)
        writeFixed(columns[6], *reasoning.fit.hhPh, 2);
    columns[7] = reasoning.fit.fits ? "yes" : "no";
    columns[9] = aaVerdictWord(oxygen.aaVerdict);
    columns[10] = pfBandWord(oxygen.pfBand);
    // The base excess, and what it expects: a PaCO2 for a metabolic family, a
    // chronic response's SBE for a respiratory one (an acute one leaves it at 0).
    writeFixed(columns[kSbeColumn], reasoning.baseExcess.value, 1);
    columns[kSbeColumn + 1] = levelWord(reasoning.baseExcess.level);
    if (const std::optional<ExpectedRange> &sbe = reasoning.sbeExpected) {
        if (sbe->ofPaCO2())
            pressure(columns[kSbeColumn + 2], sbe->first.kept, 1);
        else
            writeFixed(columns[kSbeColumn + 2], sbe->chronic->kept, 1);
    }
}

class RowOutput final : public AssessmentOutput {
public:
    explicit RowOutput(RowResult &row) : m_row(row) {}
    void setAcidBaseText(std::string_view text) override { m_row.acidBase = text; }
    void setOxygenationText(std::string_view text) override { m_row.oxygenation = text; }
    void showAbgError(std::string_view message) override { m_row.message = message; }

private:
    RowResult &m_row;
};

// Fills the row in place, so that its strings keep their room from one row to the next.
void assessRow(RowResult &row, const InputRow &read, const Presentation &presentation, bool explain,
               VerdictLines &verdicts)
{
    RowOutput output(row);
    const BloodGasSample sample = sampleInMmHg(*read.input, presentation.unit);
    const AcidBaseOutcome outcome = AssessAcidBase(output, sample, presentation.unit, presentation.language);
    if (explain) {
        explainColumns(row, sample, presentation, verdicts);
        explainGap(row.figures, sample.HCO3, read.electrolytes);
    }
    switch (outcome.kind) {
    case AcidBaseOutcomeKind::Category:
        row.outcome = "category";
        row.categoryCode = std::to_string(categoryCode(outcome.category));
        break;
    case AcidBaseOutcomeKind::FullCompensation:
        row.outcome = "full-compensation";
        break;
    case AcidBaseOutcomeKind::Question:
        row.outcome = "question";
        break;
    }
}

// Clears the row; the explanation's columns only when they are written.
void clear(RowResult &row, bool explained)
{
    row.outcome = {};
    row.categoryCode.clear();
    row.acidBase.clear();
    row.oxygenation.clear();
    row.message.clear();
    if (!explained)
        return;
    row.reason = {};
    for (std::string &column : row.figures)
        column.clear();
}

} // namespace

int runAssess(std::istream &input, std::ostream &output, const AssessOptions &options)
{
    // The input's header, if any, says the unit the output's header is written in.
    InputRows rows(input, options);
    const Presentation &presentation = rows.presentation();
    CsvWriter csv(output);
    const std::vector<std::string> names = headerNames(presentation.unit, options.explain);
    const std::vector<std::string_view> header(names.begin(), names.end());
    csv.writeRecord(header);

    InputRow read;
    bool anyInvalid = false;
    RowResult row;
    VerdictLines verdicts(presentation.language);
    while (rows.next(read)) {
        clear(row, options.explain);
        if (read.input) {
            assessRow(row, read, presentation, options.explain, verdicts);
        } else {
            row.outcome = "invalid";
            row.message = read.invalid;
        }
        anyInvalid = anyInvalid || !read.input;

        const auto &columns = read.columns;
        std::array<std::string_view, kOutputColumns.size() + kExplainColumns.size()> fields{
            columns[0],  columns[1],       columns[2],   columns[3],      columns[4], columns[5],
            row.outcome, row.categoryCode, row.acidBase, row.oxygenation, row.message};
        if (options.explain) {
            fields[kOutputColumns.size()] = row.reason;
            std::copy(row.figures.begin(), row.figures.end(), fields.begin() + kOutputColumns.size() + 1);
        }
        csv.writeRecord(std::span<const std::string_view>(fields).first(header.size()));
    }
    // The rows read before an error stay written.
    csv.flush();
    if (rows.failed())
        throw ReadFailure{};
    return anyInvalid ? 1 : 0;
}

int runExplain(std::istream &input, std::ostream &output, const ReadOptions &options)
{
    InputRows rows(input, options);
    const Presentation &presentation = rows.presentation();
    const auto heading = [&](OwnText text) { return std::string(ownText(text, presentation.language)); };
    InputRow read;
    std::string block;
    long long number = 0;
    bool anyInvalid = false;
    while (rows.next(read)) {
        // One block a row, each after a blank line; no blank line inside.
        block.clear();
        if (number++ > 0)
            block.push_back('\n');
        // The blood gas's columns, then the electrolytes' when any is written.
        const bool withElectrolytes = std::any_of(read.columns.begin() + kBloodGasColumns, read.columns.end(),
                                                  [](std::string_view column) { return !column.empty(); });
        const std::span<const std::string_view> shown =
            std::span(read.columns).first(withElectrolytes ? read.columns.size() : kBloodGasColumns);
        std::string values;
        for (std::size_t i = 0; i < shown.size(); ++i)
            values.append(i > 0 ? "," : "").append(shown[i]);
        block.append(std::to_string(number)).append(": ");
        appendValidUtf8(block, values);
        block.push_back('\n');
        if (!read.input) {
            anyInvalid = true;
            appendValidUtf8(block, read.invalid);
            block.push_back('\n');
        } else {
            const Explanation explanation = explainAssessment(sampleInMmHg(*read.input, presentation.unit),
                                                              presentation, CaseOrigin::Typed, read.electrolytes);
            block.append(heading(OwnText::StepByStep)).push_back('\n');
            for (std::size_t i = 0; i < explanation.steps.size(); ++i)
                block.append(std::to_string(i + 1)).append(". ").append(explanation.steps[i]).push_back('\n');
            block.append(heading(OwnText::TeachingNotes)).push_back('\n');
            for (const std::string &note : explanation.notes)
                block.append("- ").append(note).push_back('\n');
        }
        if (!output.write(block.data(), std::streamsize(block.size())))
            throw WriteFailure{};
    }
    if (!output.flush())
        throw WriteFailure{};
    if (rows.failed())
        throw ReadFailure{};
    return anyInvalid ? 1 : 0;
}

} // namespace halvex::cli
