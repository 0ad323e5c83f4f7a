#pragma once

#include <cstdint>

// The one pseudo-random generator behind every random choice of the host:
// the pool's tiles, the first player of a game and the computer's moves.
// A 32-bit linear congruential generator: each step replaces the seed by
// seed * 134775813 + 1 (mod 2^32); a number in 0..n-1 is the upper 32 bits of
// the 64-bit product of the new seed and n.
class RandomSource
{
public:
    explicit RandomSource(std::uint32_t seed = 0) : m_seed(seed) {}

    std::uint32_t seed() const { return m_seed; }
    void setSeed(std::uint32_t seed) { m_seed = seed; }

    // Seeds from the current UTC time of day in milliseconds
    // (((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds).
    void randomize();

    // A number in 0..n-1 (0 when n is 0); advances the seed once.
    std::uint32_t random(std::uint32_t n);

    // A number in low..high, both included.
    int between(int low, int high);

    static std::uint32_t timeOfDaySeed();

private:
    std::uint32_t m_seed;
};
