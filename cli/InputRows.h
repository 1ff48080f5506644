#pragma once

// The blood gases of halvex-cli's input, row by row: CSV records read with
// bounded memory, blank lines skipped, and the six values read as the window
// reads its fields, then the electrolytes Na, Cl and albumin if given. A first
// row that names the columns (pH, PaCO2, PaO2 and HCO3, and FiO2, Age, Na, Cl
// and Albumin if present, in any order and letter case) is a header: the
// values are then read from the columns it names and any other column is left
// aside, so that generate's output, a saved review or a spreadsheet can be
// read as they stand. A header may name the pressures' unit (PaCO2_kPa,
// PaO2_mmHg), and they are read in it. Without a header the columns come in
// that order, six to nine of them.

#include "csv/CsvReader.h"
#include "engine/AnionGap.h"
#include "engine/InputValidation.h"
#include "engine/Presentation.h"

#include <array>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace halvex::cli {

inline constexpr std::array<std::string_view, 9> kInputColumns{"pH",  "PaCO2", "PaO2", "HCO3",   "FiO2",
                                                               "Age", "Na",    "Cl",   "Albumin"};
// The blood gas's own columns, before the electrolytes.
inline constexpr std::size_t kBloodGasColumns = 6;

// How the rows are read: the unit of the pressures (unless a header names
// one) and of the albumin, and the language of the messages.
struct ReadOptions : Presentation {
    AlbuminUnit albuminUnit = AlbuminUnit::GramsPerLitre;
    // The unit was asked for (--units): a header that names another is refused
    // rather than read in either.
    bool unitGiven = false;
};

// A header whose pressure columns name units that disagree, with each other or
// with the unit asked for: which unit the values are in cannot be told.
struct UnitConflict {
    std::string reason;
};

struct InputRow {
    std::array<std::string_view, kInputColumns.size()> columns{}; // as written; valid until the next row
    std::optional<AbgInput> input;                                // the values, when they may be assessed
    Electrolytes electrolytes;                                    // with them, those given
    std::string invalid;                                          // otherwise, why not
};

class InputRows {
public:
    // Reads up to the first row that is not blank, so that a header's unit is
    // known before anything is written in it. Throws UnitConflict when the
    // header's units disagree.
    InputRows(std::istream &input, const ReadOptions &options);

    // The unit the pressures are read in (the header's, or else the one
    // given) and the language; the output is written in the same.
    const Presentation &presentation() const { return m_presentation; }
    // The next row that is neither blank nor the header; false at the end or after a read error.
    bool next(InputRow &row);
    // The input could not be read to its end.
    bool failed() const { return m_reader.failed(); }

private:
    bool readHeader(const ReadOptions &options);
    void read(InputRow &row) const;

    CsvReader m_reader;
    CsvRecord m_record;
    Presentation m_presentation;
    AlbuminUnit m_albuminUnit;
    // The first row, read to look for a header, is no header and waits to be handed out.
    bool m_firstRowWaiting = false;
    // Where each value stands, when a header named them, and how many fields the header has.
    std::optional<std::array<std::optional<std::size_t>, kInputColumns.size()>> m_header;
    std::size_t m_headerFields = 0;
};

} // namespace halvex::cli
