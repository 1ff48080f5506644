#pragma once

// The pseudo-random integer source of the sample generator, teacher mode, the
// sample page and printing. It is re-seeded from a seed source (the clock, or a
// fixed sequence in tests and the command line) before each series of draws.

#include <cstdint>
#include <functional>

namespace halvex {

using SeedSource = std::function<std::uint32_t()>;

// The low 32 bits of a nanosecond reading of the high-resolution clock.
std::uint32_t clockSeed();

// A seed source that yields first, first + 1, first + 2, ... (wrapping at 2^32).
SeedSource countingSeeds(std::uint32_t first);

class RandomSource {
public:
    explicit RandomSource(SeedSource seeds = clockSeed);

    // Takes the next seed from the seed source and restarts the sequence from it.
    void reseed();
    // A uniformly distributed integer from lowest to highest, both included
    // (lowest must not exceed highest).
    int uniform(int lowest, int highest);

private:
    void restart(std::uint64_t seed);
    std::uint64_t next();

    SeedSource m_seeds;
    std::uint64_t m_state[4] = {};
};

} // namespace halvex
