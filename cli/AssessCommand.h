#pragma once

// `halvex-cli assess`: reads blood gases as CSV rows and writes, for each row,
// what the window's Analyze would show for it.

#include "cli/InputRows.h"

#include <istream>
#include <ostream>

namespace halvex::cli {

// How the rows are read, and whether each row also says why.
struct AssessOptions : ReadOptions {
    bool explain = false;
};

// Writes a header and exactly one row per input row, in order; with `explain`,
// twenty-one more columns: reason, expected_low, expected_high, compensation,
// aa_gradient, aa_expected, pf_ratio, hh_ph, fits, acuity, aa_verdict,
// pf_band (for a row that is no category, the reason only), then anion_gap,
// corrected_gap, delta_ratio, corrected_hco3, gap_verdict and delta_verdict
// (empty where they do not apply or the row has no Na and Cl), then sbe,
// sbe_band and sbe_expected (for a category only; the last empty without a
// family's formula). Everything is written in the unit the rows are read in; in
// kPa the pressure columns say so (PaCO2_kPa, PaO2_kPa, aa_gradient_kPa,
// aa_expected_kPa, pf_ratio_kPa). Returns 0 when every row was assessed and 1
// when any row was invalid. Throws UnitConflict, before writing anything, when
// the input's header names units that disagree; ReadFailure when the input
// cannot be read to its end (after writing the rows read before) and
// WriteFailure when the output cannot be written.
int runAssess(std::istream &input, std::ostream &output, const AssessOptions &options);

// `halvex-cli explain`: for each row, the whole explanation the window shows,
// steps then notes, as plain UTF-8 text, in the unit the rows are read in: a
// block a row, the blocks separated by one blank line. A block starts with the
// row's number and values; an invalid row's block then holds its message.
// Returns and throws as runAssess.
int runExplain(std::istream &input, std::ostream &output, const ReadOptions &options);

} // namespace halvex::cli
