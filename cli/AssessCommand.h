#pragma once

// `halvex-cli assess`: reads blood gases as CSV rows and writes, for each row,
// what the window's Analyze would show for it.

#include "Presentation.h"

#include <istream>
#include <ostream>


namespace halvex::cli {

// The unit of the pressures read and the language of the texts written, and
// whether each row also says why.
struct AssessOptions : Presentation {
    bool explain = false;
};

// Writes a header and exactly one row per input row, in order; with `explain`,
// seven more columns: reason, expected_low, expected_high, compensation,
// aa_gradient, aa_expected, pf_ratio. Returns 0 when
// every row was assessed and 1 when any row was invalid. Throws ReadFailure
// when the input cannot be read to its end (after writing the rows read before)
// and WriteFailure when the output cannot be written.
int runAssess(std::istream &input, std::ostream &output, const AssessOptions &options);

} // namespace halvex::cli
