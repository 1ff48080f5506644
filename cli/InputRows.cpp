#include "cli/InputRows.h"

#include "numbers/NumberText.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace halvex::cli {
namespace {

enum Column {
    PhColumn,
    Paco2Column,
    Pao2Column,
    Hco3Column,
    Fio2Column,
    AgeColumn,
    SodiumColumn,
    ChlorideColumn,
    AlbuminColumn
};
// A header must name the four values that cannot be left out.
constexpr std::size_t kRequiredColumns = 4;

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

InputRows::InputRows(std::istream &input, const Presentation &presentation, AlbuminUnit albuminUnit)
    : m_reader(input)
    , m_presentation(presentation)
    , m_albuminUnit(albuminUnit)
{
}

bool InputRows::readHeader()
{
    std::array<std::optional<std::size_t>, kInputColumns.size()> places{};
    for (std::size_t field = 0; field < m_record.fields.size(); ++field) {
        for (std::size_t column = 0; column < kInputColumns.size(); ++column) {
            if (!places[column] && sameName(trimmed(m_record.fields[field]), kInputColumns[column]))
                places[column] = field;
        }
    }
    if (!std::all_of(places.begin(), places.begin() + kRequiredColumns, [](const auto &place) { return place; }))
        return false;
    m_header = places;
    return true;
}

bool InputRows::next(InputRow &row)
{
    while (m_reader.next(m_record)) {
        if (m_record.isBlank())
            continue;
        if (std::exchange(m_first, false) && readHeader())
            continue;
        read(row);
        return true;
    }
    return false;
}

void InputRows::read(InputRow &row) const
{
    // Reset in place: the message keeps its room from one row to the next.
    row.columns.fill({});
    row.input.reset();
    row.electrolytes = {};
    row.invalid.clear();
    const std::vector<std::string> &fields = m_record.fields;
    for (std::size_t column = 0; column < kInputColumns.size(); ++column) {
        const std::optional<std::size_t> place = m_header ? (*m_header)[column] : std::optional<std::size_t>(column);
        if (place && *place < fields.size())
            row.columns[column] = fields[*place];
    }
    if (m_record.unterminatedQuote) {
        row.invalid = "unterminated quoted field";
        return;
    }
    if (!m_header && m_record.fieldCount > kInputColumns.size()) {
        row.invalid = "expected 6 to 9 columns, found " + std::to_string(m_record.fieldCount);
        return;
    }
    if (m_record.fieldCutShort) {
        row.invalid = "a field is too long to be a number (more than " + std::to_string(CsvRecord::kMaxFieldBytes)
                      + " characters); it is shown cut short";
        return;
    }

    // An empty O2 % is room air and an empty age is 0, as in the window.
    std::array<std::optional<double>, kInputColumns.size()> values;
    for (std::size_t i = 0; i < row.columns.size(); ++i) {
        const std::string_view text = trimmed(row.columns[i]);
        if (text.empty())
            continue;
        values[i] = parseNumber(text);
        if (!values[i]) {
            row.invalid = std::string(kInputColumns[i]) + " is not a number: " + std::string(row.columns[i]);
            return;
        }
    }
    const AbgInput input{
        .pH = values[PhColumn],
        .PaCO2 = values[Paco2Column],
        .PaO2 = values[Pao2Column],
        .HCO3 = values[Hco3Column],
        .FiO2 = values[Fio2Column].value_or(kRoomAirFiO2),
        .Age = values[AgeColumn].value_or(0),
    };
    if (const auto failure = validateAbgInput(input, m_presentation.unit)) {
        row.invalid = failureText(*failure, m_presentation.language);
        return;
    }
    // Nothing is assessed from a refused electrolyte.
    const Electrolytes electrolytes{values[SodiumColumn], values[ChlorideColumn], values[AlbuminColumn], m_albuminUnit};
    if (const auto failure = validateElectrolytes(electrolytes)) {
        row.invalid = electrolyteFailureText(*failure, m_presentation.language);
        return;
    }
    row.input = input;
    row.electrolytes = electrolytes;
}

} // namespace halvex::cli
