#include "randomsource.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <sys/random.h>

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

std::uint32_t RandomSource::systemWord()
{
    if (m_used == m_words.size()) {
        auto *bytes = reinterpret_cast<unsigned char *>(m_words.data());
        std::size_t filled = 0;
        while (filled < sizeof m_words) {
            const ssize_t got = ::getrandom(bytes + filled, sizeof m_words - filled, 0);
            if (got > 0)
                filled += std::size_t(got);
            else if (got < 0 && errno != EINTR)
                // A kernel without getrandom (before Linux 3.17) cannot run
                // this program's libraries anyway; dealing predictably
                // would be worse than stopping.
                std::abort();
        }
        m_used = 0;
    }
    return m_words[m_used++];
}

std::uint32_t RandomSource::random(std::uint32_t n)
{
    if (m_system) {
        if (n == 0)
            return 0;
        // Words past the largest multiple of n are drawn again, so that
        // every number in 0..n-1 is equally likely.
        const std::uint32_t limit = std::uint32_t(0) - (std::uint32_t(0) - n) % n;
        for (;;) {
            const std::uint32_t word = systemWord();
            if (limit == 0 || word < limit)
                return word % n;
        }
    }
    m_seed = m_seed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_seed) * n) >> 32);
}

int RandomSource::between(int low, int high)
{
    return low + static_cast<int>(random(static_cast<std::uint32_t>(high - low + 1)));
}
