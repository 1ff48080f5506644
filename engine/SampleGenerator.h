#pragma once

// The sample generator: random blood gases of a chosen variant, each variant a
// milder or a more marked form of one acid/base category.

#include "engine/AbgCategory.h"
#include "engine/BloodGasSample.h"
#include "engine/RandomSource.h"

#include <string_view>

namespace halvex {

inline constexpr int kFirstVariant = 1;
inline constexpr int kLastVariant = 29;
// Teacher mode and printing draw from these; variant 29 is reached only from the sample page.
inline constexpr int kLastRandomVariant = 28;

struct VariantRange {
    int first;
    int last;
};

// The variants of a category: 1 for Normal, 2k and 2k + 1 for the category of code k.
VariantRange variantsOf(AbgCategory category);

// Teacher mode's and printing's choice: re-seeds and draws a variant 1 to 28.
int drawRandomVariant(RandomSource &random);
// The sample page's choice for a category: variant 1 for Normal; otherwise
// re-seeds and draws one of the category's two variants.
int drawVariantOf(AbgCategory category, RandomSource &random);

class TABG {
public:
    explicit TABG(SeedSource seeds = clockSeed);

    // Re-seeds the random source, fills the sample with a random blood gas of
    // the variant (pressures in mmHg) and returns the variant's category code;
    // 99 with the sample unchanged for a variant outside 1 to 29.
    int Generate(int variant);

    // Realistic cases: like Generate, but the values are drawn within the
    // variant's ranges until they fit together (Henderson–Hasselbalch) and the
    // PaO2 is no higher than the alveolar PAO2, with a bounded number of draws.
    // A variant whose ranges hold no such values is replaced by
    // realisticVariant's stand-in of the same category.
    int GenerateRealistic(int variant);
    // The variant a realistic case is drawn from: the variant itself, or the
    // other variant of its category when its own ranges hold no values that fit.
    static int realisticVariant(int variant);

    // The English name of a category code; empty for any other code.
    static std::string_view CategoryName(int code);

    const BloodGasSample &sample() const { return m_sample; }
    // The one random source shared by the generator and the callers that draw
    // a variant before generating.
    RandomSource &random() { return m_random; }

private:
    // One sample of the variant, drawn in the design's order: pH, PaCO2, HCO3, age, oxygen, PaO2.
    BloodGasSample drawSample(int variant, bool realistic);

    RandomSource m_random;
    BloodGasSample m_sample;
};

} // namespace halvex
