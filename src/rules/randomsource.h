#pragma once

#include <array>
#include <cstdint>

// The one pseudo-random generator behind every random choice of the host:
// the pool's tiles, the first player of a game and the computer's moves.
// A 32-bit linear congruential generator: each step replaces the seed by
// seed * 134775813 + 1 (mod 2^32); a number in 0..n-1 is the upper 32 bits of
// the 64-bit product of the new seed and n.
//
// A generator of 32 bits is no secret: a player who knows it tries every
// seed against his own seven tiles and then knows every hand and the pool.
// So the hosting program draws from the operating system's randomness
// instead (useSystemRandomness), which no seed reproduces; tests and
// benchmarks keep the seeded generator, which setSeed() returns to.
class RandomSource
{
public:
    explicit RandomSource(std::uint32_t seed = 0) : m_seed(seed) {}

    std::uint32_t seed() const { return m_seed; }
    void setSeed(std::uint32_t seed)
    {
        m_seed = seed;
        m_system = false;
    }

    // From now on every number comes from the system (getrandom), each one
    // unbiased; the seed stays as it was.
    void useSystemRandomness() { m_system = true; }
    bool systemRandomness() const { return m_system; }

    // Seeds from the current UTC time of day in milliseconds
    // (((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds).
    void randomize();

    // A number in 0..n-1 (0 when n is 0); advances the seed once.
    std::uint32_t random(std::uint32_t n);

    // A number in low..high, both included.
    int between(int low, int high);

    static std::uint32_t timeOfDaySeed();

private:
    std::uint32_t systemWord();

    std::uint32_t m_seed;
    bool m_system = false;
    // Words drawn from the system ahead, so that a deal costs a system
    // call now and then, not one per tile.
    std::array<std::uint32_t, 64> m_words{};
    std::size_t m_used = 64;
};
