#pragma once

// `halvex-cli assess`: reads blood gases as CSV rows and writes, for each row,
// what the window's Analyze would show for it.

#include "Presentation.h"

#include <istream>
#include <ostream>


namespace halvex::cli {

// The unit of the pressures read, and the language of the texts written.
using AssessOptions = Presentation;

// Writes a header and exactly one row per input row, in order. Returns 0 when
// every row was assessed and 1 when any row was invalid. Throws ReadFailure
// when the input cannot be read to its end (after writing the rows read before)
// and WriteFailure when the output cannot be written.
int runAssess(std::istream &input, std::ostream &output, const AssessOptions &options);

} // namespace halvex::cli
