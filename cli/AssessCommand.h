#pragma once

// `halvex-cli assess`: reads blood gases as CSV rows and writes, for each row,
// what the window's Analyze would show for it.

#include <istream>
#include <ostream>
#include <string>

namespace halvex::cli {

struct AssessOptions {
    std::string units = "MMHG";     // the unit of the pressures read
    std::string language = "ENGLISH"; // passed to the catalogue as given
};

// Writes a header and exactly one row per input row, in order. Returns 0 when
// every row was assessed and 1 when any row was invalid. Throws ReadFailure
// when the input cannot be read to its end (after writing the rows read before)
// and WriteFailure when the output cannot be written.
int runAssess(std::istream &input, std::ostream &output, const AssessOptions &options);

} // namespace halvex::cli
