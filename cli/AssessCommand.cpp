#include "AssessCommand.h"

#include "AssessAcidBase.h"
#include "CsvReader.h"
#include "CsvWriter.h"
#include "Explanation.h"
#include "InputValidation.h"
#include "Language.h"
#include "NumberText.h"
#include "StreamFailures.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace halvex::cli {
namespace {

constexpr std::array<std::string_view, 6> kInputColumns{"pH", "PaCO2", "PaO2", "HCO3", "FiO2", "Age"};
enum Column { PhColumn, Paco2Column, Pao2Column, Hco3Column, Fio2Column, AgeColumn };

constexpr std::array<std::string_view, 11> kOutputColumns{
    "pH", "PaCO2", "PaO2", "HCO3", "FiO2", "Age", "outcome", "category_code", "acid_base", "oxygenation", "message"};
constexpr std::array<std::string_view, 7> kExplainColumns{
    "reason", "expected_low", "expected_high", "compensation", "aa_gradient", "aa_expected", "pf_ratio"};

struct RowResult {
    std::string_view outcome;
    std::string categoryCode;
    std::string acidBase;
    std::string oxygenation;
    std::string message;
    std::array<std::string, kExplainColumns.size()> explained{};
};

// The explanation's columns, pressures in the row's unit with one decimal.
std::array<std::string, kExplainColumns.size()> explainedColumns(const BloodGasSample &sample,
                                                                 const Presentation &presentation, bool category)
{
    const Explanation explanation = explainAssessment(sample, presentation);
    std::array<std::string, kExplainColumns.size()> columns{};
    columns[0] = explanation.reason;
    if (!category)
        return columns;
    const auto pressure = [&](double mmHg, int decimals) {
        return formatFixed(ConvertPressure(PressureUnit::MmHg, presentation.unit, mmHg), decimals);
    };
    if (const std::optional<ExpectedRange> &range = explanation.expected) {
        const auto value = [&](double v) { return range->ofPaCO2 ? pressure(v, 1) : formatFixed(v, 1); };
        columns[1] = value(range->low);
        columns[2] = value(range->high);
        columns[3] = range->measured == Compensation::Within  ? "within"
                     : range->measured == Compensation::Above ? "above"
                                                              : "below";
    }
    columns[4] = pressure(*explanation.aaGradient, 1);
    columns[5] = pressure(*explanation.aaExpected, 1);
    columns[6] = pressure(*explanation.pfRatio, 0);
    return columns;
}

class RowOutput final : public AssessmentOutput {
public:
    explicit RowOutput(RowResult &row) : m_row(row) {}
    void setAcidBaseText(const std::string &text) override { m_row.acidBase = text; }
    void setOxygenationText(const std::string &text) override { m_row.oxygenation = text; }
    void showAbgError(const std::string &message) override { m_row.message = message; }

private:
    RowResult &m_row;
};

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool isHeader(const CsvRecord &record)
{
    const auto sameName = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
               });
    };
    return record.fields.size() == kInputColumns.size()
           && std::equal(kInputColumns.begin(), kInputColumns.end(), record.fields.begin(),
                         [&](std::string_view name, const std::string &field) { return sameName(name, trimmed(field)); });
}

RowResult invalid(std::string message)
{
    return {"invalid", {}, {}, {}, std::move(message)};
}

// Reads the six columns as the window reads its fields; an empty O2 % is room
// air and an empty age is 0.
RowResult assessRow(const std::array<std::string_view, 6> &columns, const AssessOptions &options)
{
    std::array<std::optional<double>, 6> values;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string_view text = trimmed(columns[i]);
        if (text.empty())
            continue;
        values[i] = parseNumber(text);
        if (!values[i])
            return invalid(std::string(kInputColumns[i]) + " is not a number: " + std::string(columns[i]));
    }

    const AbgInput input{
        .pH = values[PhColumn],
        .PaCO2 = values[Paco2Column],
        .PaO2 = values[Pao2Column],
        .HCO3 = values[Hco3Column],
        .FiO2 = values[Fio2Column].value_or(kRoomAirFiO2),
        .Age = values[AgeColumn].value_or(0),
    };
    if (const auto failure = validateAbgInput(input, options.unit))
        return invalid(failureText(*failure, options.language));

    RowResult row;
    RowOutput output(row);
    const BloodGasSample sample = sampleInMmHg(input, options.unit);
    const AcidBaseOutcome outcome = AssessAcidBase(output, sample, options.unit, options.language);
    if (options.explain)
        row.explained = explainedColumns(sample, options, outcome.kind == AcidBaseOutcomeKind::Category);
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
    return row;
}

} // namespace

int runAssess(std::istream &input, std::ostream &output, const AssessOptions &options)
{
    CsvWriter csv(output);
    std::vector<std::string_view> header(kOutputColumns.begin(), kOutputColumns.end());
    if (options.explain)
        header.insert(header.end(), kExplainColumns.begin(), kExplainColumns.end());
    csv.writeRecord(header);

    CsvReader reader(input);
    CsvRecord record;
    bool firstRecord = true;
    bool anyInvalid = false;
    while (reader.next(record)) {
        if (record.isBlank())
            continue;
        if (std::exchange(firstRecord, false) && isHeader(record))
            continue;

        std::array<std::string_view, 6> columns{};
        std::copy_n(record.fields.begin(), std::min(record.fields.size(), columns.size()), columns.begin());

        RowResult row;
        if (record.unterminatedQuote)
            row = invalid("unterminated quoted field");
        else if (record.fieldCount > columns.size())
            row = invalid("expected 6 columns, found " + std::to_string(record.fieldCount));
        else if (record.fieldCutShort)
            row = invalid("a field is too long to be a number (more than "
                          + std::to_string(CsvRecord::kMaxFieldBytes) + " characters); it is shown cut short");
        else
            row = assessRow(columns, options);
        anyInvalid = anyInvalid || row.outcome == "invalid";

        std::array<std::string_view, kOutputColumns.size() + kExplainColumns.size()> fields{
            columns[0], columns[1],       columns[2],   columns[3],      columns[4], columns[5],
            row.outcome, row.categoryCode, row.acidBase, row.oxygenation, row.message};
        std::copy(row.explained.begin(), row.explained.end(), fields.begin() + kOutputColumns.size());
        csv.writeRecord(std::span<const std::string_view>(fields).first(header.size()));
    }
    // The rows read before an error stay written.
    csv.flush();
    if (reader.failed())
        throw ReadFailure{};
    return anyInvalid ? 1 : 0;
}

} // namespace halvex::cli
