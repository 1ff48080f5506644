// Speed of the clinical engine: one full assessment (acid/base, oxygenation and
// translation of both texts) and one Generate.

#include "engine/AssessAcidBase.h"
#include "engine/SampleGenerator.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace halvex;

// Keeps the texts as a window's result fields would, so nothing is optimised away.
struct FieldOutput final : AssessmentOutput {
    std::string acidBase;
    std::string oxygenation;
    void setAcidBaseText(std::string_view text) override { acidBase = text; }
    void setOxygenationText(std::string_view text) override { oxygenation = text; }
    void showAbgError(std::string_view message) override { acidBase = message; }
};

void fullAssessment(benchmark::State &state, const char *language)
{
    FieldOutput output;
    BloodGasSample sample{.pH = 7.25, .PaCO2 = 50, .PaO2 = 75, .HCO3 = 18, .Age = 70, .FiO2 = 40};
    for (auto _ : state) {
        benchmark::DoNotOptimize(sample);
        AssessAcidBase(output, sample, halvex::PressureUnit::MmHg, language);
        benchmark::DoNotOptimize(output.acidBase.data());
        benchmark::DoNotOptimize(output.oxygenation.data());
    }
}
BENCHMARK_CAPTURE(fullAssessment, English, "ENGLISH");
BENCHMARK_CAPTURE(fullAssessment, French, "FRENCH");

void generate(benchmark::State &state)
{
    TABG abg; // seeded from the clock, as in the window
    int variant = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(abg.Generate(variant));
        benchmark::DoNotOptimize(abg.sample());
        variant = variant % kLastVariant + 1;
    }
}
BENCHMARK(generate);

} // namespace

BENCHMARK_MAIN();
