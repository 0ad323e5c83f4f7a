#include "randomsource.h"

#include <chrono>

std::uint32_t RandomSource::timeOfDaySeed()
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    constexpr long long msPerDay = 24LL * 60 * 60 * 1000;
    return static_cast<std::uint32_t>(((sinceEpoch % msPerDay) + msPerDay) % msPerDay);
}

void RandomSource::randomize()
{
    m_seed = timeOfDaySeed();
}

std::uint32_t RandomSource::random(std::uint32_t n)
{
    m_seed = m_seed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_seed) * n) >> 32);
}

int RandomSource::between(int low, int high)
{
    return low + static_cast<int>(random(static_cast<std::uint32_t>(high - low + 1)));
}
