#include "engine/RandomSource.h"

#include <bit>
#include <chrono>
#include <utility>

namespace halvex {
namespace {

// One splitmix64 step: seeds that differ in one bit give unrelated outputs.
std::uint64_t splitMix64(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

std::uint32_t clockSeed()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

SeedSource countingSeeds(std::uint32_t first)
{
    return [next = first]() mutable { return next++; };
}

RandomSource::RandomSource(SeedSource seeds) : m_seeds(std::move(seeds))
{
    // Draws before the first reseed come from a fixed start; no seed is taken
    // here, so a counting seed source starts with its first value at the first reseed.
    restart(0);
}

void RandomSource::reseed()
{
    restart(m_seeds());
}

void RandomSource::restart(std::uint64_t seed)
{
    for (std::uint64_t &word : m_state)
        word = splitMix64(seed);
}

// xoshiro256**: small, fast and statistically sound for drawing teaching cases.
std::uint64_t RandomSource::next()
{
    const std::uint64_t result = std::rotl(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = std::rotl(m_state[3], 45);
    return result;
}

// Lemire's multiply-and-reject method on 32-bit draws: no modulo bias.
int RandomSource::uniform(int lowest, int highest)
{
    constexpr std::uint64_t kTwoPow32 = std::uint64_t{1} << 32;
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(highest) - lowest + 1);
    const std::uint64_t threshold = (kTwoPow32 - span) % span;
    std::uint64_t product = 0;
    do {
        product = (next() >> 32) * span;
    } while ((product & (kTwoPow32 - 1)) < threshold);
    return static_cast<int>(lowest + static_cast<std::int64_t>(product >> 32));
}

} // namespace halvex
