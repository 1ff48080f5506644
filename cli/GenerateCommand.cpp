#include "cli/GenerateCommand.h"

#include "csv/CsvWriter.h"
#include "engine/Presentation.h"
#include "engine/SampleGenerator.h"
#include "numbers/NumberText.h"

namespace halvex::cli {
namespace {

// The decimals the input fields show by default.
constexpr int kPhDecimals = 2;

} // namespace

void runGenerate(std::ostream &output, const GenerateOptions &options)
{
    const int decimals = pressureDecimals(options.units);

    CsvWriter csv(output);
    csv.writeRecord({"variant", "category_code", "category", "pH", "PaCO2", "PaO2", "HCO3", "FiO2", "Age"});

    TABG abg(options.seeds);
    for (long long i = 0; i < options.count; ++i) {
        int variant = 0;
        if (options.variant)
            variant = *options.variant;
        else if (options.category)
            variant = drawVariantOf(*options.category, abg.random());
        else
            variant = drawRandomVariant(abg.random());

        if (options.realistic)
            variant = TABG::realisticVariant(variant);
        const int code = options.realistic ? abg.GenerateRealistic(variant) : abg.Generate(variant);
        const BloodGasSample &s = abg.sample();
        const auto pressure = [&](double mmHg) {
            return formatFixed(ConvertPressure(PressureUnit::MmHg, options.units, mmHg), decimals);
        };
        csv.writeRecord({std::to_string(variant), std::to_string(code), TABG::CategoryName(code),
                         formatFixed(s.pH, kPhDecimals), pressure(s.PaCO2), pressure(s.PaO2), formatFixed(s.HCO3, 0),
                         formatFixed(s.FiO2, 0), formatFixed(s.Age, 0)});
    }
    csv.flush();
}

} // namespace halvex::cli
