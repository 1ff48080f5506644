#pragma once

// `halvex-cli assess`: reads blood gases as CSV rows and writes, for each row,
// what the window's Analyze would show for it.

#include "engine/Presentation.h"

#include <istream>
#include <ostream>

namespace halvex::cli {

// The unit of the pressures read and the language of the texts written, and
// whether each row also says why.
struct AssessOptions : Presentation {
    bool explain = false;
};

// Writes a header and exactly one row per input row, in order; with `explain`,
// twelve more columns: reason, expected_low, expected_high, compensation,
// aa_gradient, aa_expected, pf_ratio, hh_ph, fits, acuity, aa_verdict,
// pf_band (for a row that is no category, the reason only). Returns 0 when
// every row was assessed and 1 when any row was invalid. Throws ReadFailure
// when the input cannot be read to its end (after writing the rows read before)
// and WriteFailure when the output cannot be written.
int runAssess(std::istream &input, std::ostream &output, const AssessOptions &options);

// `halvex-cli explain`: for each row, the whole explanation the window shows,
// steps then notes, as plain UTF-8 text: a block a row, the blocks separated by
// one blank line. A block starts with the row's number and values; an invalid
// row's block then holds its message. Returns and throws as runAssess.
int runExplain(std::istream &input, std::ostream &output, const Presentation &presentation);

} // namespace halvex::cli
