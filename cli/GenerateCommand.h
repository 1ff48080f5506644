#pragma once

// `halvex-cli generate`: writes random blood gases as CSV, drawn the way
// teacher mode, the sample page or a fixed variant would draw them.

#include "engine/AbgCategory.h"
#include "engine/PressureUnits.h"
#include "engine/RandomSource.h"

#include <optional>
#include <ostream>

namespace halvex::cli {

struct GenerateOptions {
    long long count = 1;
    std::optional<int> variant;              // 1 to 29
    std::optional<AbgCategory> category;     // one of its variants, as the sample page draws
    PressureUnit units = PressureUnit::MmHg; // the unit the pressures are written in
    SeedSource seeds = clockSeed;
    bool realistic = false;    // values that fit together, as TABG::GenerateRealistic draws them
    bool electrolytes = false; // Na, Cl and albumin (g/L) that fit each case, as drawElectrolytes draws them
};

void runGenerate(std::ostream &output, const GenerateOptions &options);

} // namespace halvex::cli
