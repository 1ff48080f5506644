#include "cli/InputRows.h"

#include "numbers/NumberText.h"

#include <algorithm>
#include <cctype>
#include <string>
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

bool isPressure(std::size_t column)
{
    return column == Paco2Column || column == Pao2Column;
}

// Whether a header's field names the column: by its name, or for a pressure
// by its name and a unit after an underscore, which `unit` then holds.
bool namesColumn(std::string_view field, std::size_t column, std::optional<PressureUnit> &unit)
{
    const std::string_view name = kInputColumns[column];
    unit.reset();
    if (sameName(field, name))
        return true;
    if (!isPressure(column) || field.size() <= name.size() || !sameName(field.substr(0, name.size()), name))
        return false;
    const std::string_view suffix = field.substr(name.size());
    for (const PressureUnit named : {PressureUnit::MmHg, PressureUnit::Kpa}) {
        if (suffix.front() == '_' && sameName(suffix.substr(1), unitSymbol(named))) {
            unit = named;
            return true;
        }
    }
    return false;
}

// A pressure column as the header names it, and the unit its name gives, if any.
struct PressureName {
    std::string_view written;
    std::optional<PressureUnit> unit;
};

std::string unitAndName(const PressureName &name)
{
    return std::string(unitSymbol(*name.unit)) + " (" + std::string(name.written) + ")";
}

// The unit of the header's pressures: the one their names give, or else the
// one given (mmHg by default). A name that says another unit than the other
// name, or than the unit asked for, cannot be read in either.
PressureUnit headerUnit(const PressureName &paco2, const PressureName &pao2, const ReadOptions &options)
{
    if (paco2.unit && pao2.unit && *paco2.unit != *pao2.unit)
        throw UnitConflict{"the header names " + unitAndName(paco2) + " but " + unitAndName(pao2)};
    const PressureName &named = paco2.unit ? paco2 : pao2;
    if (!named.unit || *named.unit == options.unit)
        return options.unit;
    const std::string given(unitSymbol(options.unit));
    if (options.unitGiven)
        throw UnitConflict{"the header names " + unitAndName(named) + " but --units is " + given};
    const PressureName &bare = paco2.unit ? pao2 : paco2;
    if (!bare.unit)
        throw UnitConflict{"the header names " + unitAndName(named) + " but " + given + " for "
                           + std::string(bare.written) + ", which names no unit"};
    return *named.unit;
}

} // namespace

InputRows::InputRows(std::istream &input, const ReadOptions &options)
    : m_reader(input)
    , m_presentation(options)
    , m_albuminUnit(options.albuminUnit)
{
    // Only the first row that is not blank can be the header; one that is not
    // waits for next(). A single record is held: the input is never read whole.
    while (m_reader.next(m_record)) {
        if (m_record.isBlank())
            continue;
        m_firstRowWaiting = !readHeader(options);
        return;
    }
}

bool InputRows::readHeader(const ReadOptions &options)
{
    std::array<std::optional<std::size_t>, kInputColumns.size()> places{};
    std::array<PressureName, 2> pressures{}; // PaCO2's and PaO2's
    for (std::size_t field = 0; field < m_record.fields.size(); ++field) {
        const std::string_view name = trimmed(m_record.fields[field]);
        for (std::size_t column = 0; column < kInputColumns.size(); ++column) {
            std::optional<PressureUnit> unit;
            if (places[column] || !namesColumn(name, column, unit))
                continue;
            places[column] = field;
            if (isPressure(column))
                pressures[column - Paco2Column] = {name, unit};
        }
    }
    if (!std::all_of(places.begin(), places.begin() + kRequiredColumns, [](const auto &place) { return place; }))
        return false;
    m_presentation.unit = headerUnit(pressures[0], pressures[1], options);
    m_header = places;
    m_headerFields = m_record.fieldCount;
    return true;
}

bool InputRows::next(InputRow &row)
{
    if (std::exchange(m_firstRowWaiting, false)) {
        read(row);
        return true;
    }
    while (m_reader.next(m_record)) {
        if (m_record.isBlank())
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
    // A field the header does not name could be a value shifted out of its column.
    if (m_header && m_record.fieldCount > m_headerFields) {
        row.invalid =
            "expected " + std::to_string(m_headerFields) + " columns, found " + std::to_string(m_record.fieldCount);
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
