#include "cli/GenerateCommand.h"

#include "csv/CsvWriter.h"
#include "engine/ElectrolyteDraw.h"
#include "engine/Presentation.h"
#include "engine/SampleGenerator.h"
#include "numbers/NumberText.h"

#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::cli {
namespace {

// The decimals the input fields show by default.
constexpr int kPhDecimals = 2;

} // namespace

void runGenerate(std::ostream &output, const GenerateOptions &options)
{
    const int decimals = pressureDecimals(options.units);

    CsvWriter csv(output);
    // The pressures' columns name their unit in kPa, so that assess reads them in it.
    const std::string paco2 = pressureColumnName("PaCO2", options.units);
    const std::string pao2 = pressureColumnName("PaO2", options.units);
    std::vector<std::string_view> header{"variant", "category_code", "category", "pH", paco2,
                                         pao2,      "HCO3",          "FiO2",     "Age"};
    if (options.electrolytes)
        header.insert(header.end(), {"Na", "Cl", "Albumin"});
    csv.writeRecord(header);

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
        const std::string fields[] = {
            std::to_string(variant),        std::to_string(code),   std::string(TABG::CategoryName(code)),
            formatFixed(s.pH, kPhDecimals), pressure(s.PaCO2),      pressure(s.PaO2),
            formatFixed(s.HCO3, 0),         formatFixed(s.FiO2, 0), formatFixed(s.Age, 0)};
        std::vector<std::string_view> row(std::begin(fields), std::end(fields));
        // Drawn after the blood gas, from the source the next one re-seeds.
        std::string drawn[3];
        if (options.electrolytes) {
            const Electrolytes e =
                drawElectrolytes(s.HCO3, categoryFromCode(code).value_or(AbgCategory::Normal), abg.random());
            drawn[0] = formatFixed(*e.sodium, 0);
            drawn[1] = formatFixed(*e.chloride, 0);
            drawn[2] = formatFixed(*e.albumin, 0);
            row.insert(row.end(), std::begin(drawn), std::end(drawn));
        }
        csv.writeRecord(row);
    }
    csv.flush();
}

} // namespace halvex::cli
