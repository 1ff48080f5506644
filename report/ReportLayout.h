#pragma once

// Where every band of a report goes: page by page, which band of which
// section, for which row, at what height in the region. No pixels here.

#include "report/Report.h"

#include <vector>

struct PlacedBand {
    enum class Kind { Header, Row };
    Kind kind;
    int section;
    int row;    // the data row, for row bands; -1 for headers
    double top; // inches from the top of the region
};

struct LaidOutPage {
    std::vector<PlacedBand> bands;
};

// A section with an unknown data view prints its header and no rows.
std::vector<LaidOutPage> layOutReport(const Report &report);
