#include "engine/SampleGenerator.h"

#include "engine/Presentation.h"
#include "engine/Reasoning.h"
#include "numbers/NumberText.h"

#include <array>

namespace halvex {
namespace {

struct IntRange {
    int lowest;
    int highest;
};

struct Variant {
    AbgCategory category;
    IntRange phHundredths; // the pH is 7 + n/100
    IntRange paco2;        // mmHg
    IntRange hco3;         // mEq/L
    IntRange age;          // years
    // For realistic cases, the variant of the same category drawn instead when
    // these ranges hold no pH, PaCO2 and HCO3 that fit together; 0 for none.
    int realisticStandIn = 0;
};

using enum AbgCategory;

constexpr std::array<Variant, kLastVariant> kVariants{{
    {Normal, {35, 44}, {35, 44}, {22, 25}, {5, 94}},     {RA, {0, 19}, {65, 94}, {22, 25}, {50, 94}},
    {RA, {21, 33}, {46, 63}, {22, 25}, {50, 94}},        {PCRA, {25, 33}, {46, 64}, {27, 35}, {50, 94}},
    {PCRA, {15, 23}, {66, 74}, {36, 41}, {50, 94}, 4},   {CRA, {35, 38}, {46, 63}, {27, 34}, {50, 94}},
    {CRA, {35, 38}, {65, 74}, {36, 41}, {50, 94}},       {MA, {0, 19}, {35, 44}, {5, 11}, {15, 94}},
    {MA, {21, 33}, {35, 44}, {13, 20}, {15, 94}},        {PCMA, {15, 23}, {18, 23}, {12, 17}, {15, 94}, 11},
    {PCMA, {25, 33}, {25, 33}, {18, 20}, {15, 94}},      {CMA, {35, 38}, {10, 23}, {9, 16}, {15, 94}},
    {CMA, {35, 38}, {25, 33}, {18, 20}, {15, 94}},       {CRMA, {0, 19}, {65, 94}, {5, 11}, {50, 94}, 15},
    {CRMA, {21, 33}, {46, 63}, {13, 20}, {50, 94}},      {RAK, {46, 59}, {25, 33}, {22, 25}, {15, 94}},
    {RAK, {61, 74}, {15, 23}, {22, 25}, {15, 94}},       {PCRAK, {46, 54}, {25, 33}, {18, 20}, {15, 94}},
    {PCRAK, {56, 74}, {15, 23}, {12, 16}, {15, 94}},     {CRAK, {41, 44}, {25, 33}, {18, 20}, {15, 94}},
    {CRAK, {41, 44}, {15, 23}, {12, 16}, {15, 94}},      {MAK, {46, 59}, {35, 44}, {27, 34}, {15, 94}},
    {MAK, {61, 74}, {35, 44}, {36, 44}, {15, 94}},       {PCMAK, {46, 59}, {46, 54}, {27, 34}, {15, 94}},
    {PCMAK, {61, 74}, {56, 64}, {36, 44}, {15, 94}, 24}, {CMAK, {41, 44}, {46, 54}, {27, 34}, {15, 94}},
    {CMAK, {41, 44}, {56, 64}, {36, 44}, {15, 94}},      {CRMAK, {46, 59}, {25, 33}, {27, 34}, {15, 94}},
    {CRMAK, {61, 74}, {15, 23}, {36, 44}, {15, 94}, 28},
}};

// Inspired oxygen in percent: room air, then 25 to 100 in steps of 5.
constexpr std::array<int, 17> kOxygenPercentages{21, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 95, 100};
constexpr IntRange kPaO2OnRoomAir{40, 99};
constexpr IntRange kPaO2OnOxygen{40, 199};

// Enough draws for the scarcest variant (about 1 in 40 of its pH, PaCO2 and
// HCO3 fit together) to fail only with a vanishing chance.
constexpr int kRealisticAcidBaseDraws = 10000;
constexpr int kRealisticOxygenDraws = 1000;

// A realistic case must hold together in the unit the window shows it in:
// in mmHg, where the values are whole, and in kPa, where the pressures show
// one decimal.
BloodGasSample shownInKpa(BloodGasSample sample)
{
    for (double *pressure : {&sample.PaCO2, &sample.PaO2}) {
        const double kpa = ConvertPressure(PressureUnit::MmHg, PressureUnit::Kpa, *pressure);
        *pressure = ConvertPressure(PressureUnit::Kpa, PressureUnit::MmHg, roundedTo(kpa, kKpaDecimals));
    }
    return sample;
}

bool acidBaseFits(const BloodGasSample &sample)
{
    const BloodGasSample kpa = shownInKpa(sample);
    return checkFit(sample.pH, sample.PaCO2, sample.HCO3).fits && checkFit(kpa.pH, kpa.PaCO2, kpa.HCO3).fits;
}

bool oxygenPossible(const BloodGasSample &sample)
{
    return oxygenFigures(sample).aaGradient >= 0 && oxygenFigures(shownInKpa(sample)).aaGradient >= 0;
}

const Variant &variantRow(int variant)
{
    return kVariants[static_cast<std::size_t>(variant - kFirstVariant)];
}

} // namespace

VariantRange variantsOf(AbgCategory category)
{
    const int code = categoryCode(category);
    return code == 0 ? VariantRange{kFirstVariant, kFirstVariant} : VariantRange{2 * code, 2 * code + 1};
}

int drawRandomVariant(RandomSource &random)
{
    random.reseed();
    return random.uniform(kFirstVariant, kLastRandomVariant);
}

int drawVariantOf(AbgCategory category, RandomSource &random)
{
    const VariantRange variants = variantsOf(category);
    if (variants.first == variants.last)
        return variants.first;
    random.reseed();
    return random.uniform(variants.first, variants.last);
}

TABG::TABG(SeedSource seeds) : m_random(std::move(seeds)) {}

int TABG::Generate(int variant)
{
    m_random.reseed();
    if (variant < kFirstVariant || variant > kLastVariant)
        return kNoCategory;
    m_sample = drawSample(variant, false);
    return categoryCode(variantRow(variant).category);
}

int TABG::GenerateRealistic(int variant)
{
    m_random.reseed();
    if (variant < kFirstVariant || variant > kLastVariant)
        return kNoCategory;
    variant = realisticVariant(variant);
    m_sample = drawSample(variant, true);
    return categoryCode(variantRow(variant).category);
}

int TABG::realisticVariant(int variant)
{
    if (variant < kFirstVariant || variant > kLastVariant)
        return variant;
    const int standIn = variantRow(variant).realisticStandIn;
    return standIn != 0 ? standIn : variant;
}

BloodGasSample TABG::drawSample(int variant, bool realistic)
{
    const Variant &v = variantRow(variant);
    const auto draw = [this](IntRange range) { return m_random.uniform(range.lowest, range.highest); };

    // Both operands are exact, and IEEE division rounds correctly, so this is
    // the double nearest to 7.nn: the same number as the text "7.nn" read back.
    BloodGasSample sample;
    for (int tries = 0; tries < (realistic ? kRealisticAcidBaseDraws : 1); ++tries) {
        sample.pH = (700 + draw(v.phHundredths)) / 100.0;
        sample.PaCO2 = draw(v.paco2);
        sample.HCO3 = draw(v.hco3);
        if (!realistic || acidBaseFits(sample))
            break;
    }
    sample.Age = draw(v.age);
    const int lastOxygen = static_cast<int>(kOxygenPercentages.size()) - 1;
    for (int tries = 0; tries < (realistic ? kRealisticOxygenDraws : 1); ++tries) {
        const auto oxygenIndex = static_cast<std::size_t>(m_random.uniform(0, lastOxygen));
        sample.FiO2 = kOxygenPercentages[oxygenIndex];
        sample.PaO2 = draw(oxygenIndex == 0 ? kPaO2OnRoomAir : kPaO2OnOxygen);
        if (!realistic || oxygenPossible(sample))
            return sample;
    }
    // Pure oxygen leaves room for any PaO2 of the ranges.
    sample.FiO2 = kOxygenPercentages.back();
    sample.PaO2 = kPaO2OnOxygen.lowest;
    return sample;
}

std::string_view TABG::CategoryName(int code)
{
    const auto category = categoryFromCode(code);
    return category ? categoryInfo(*category).englishName : std::string_view{};
}

} // namespace halvex
