#include "randomsource.h"
#include "tilepool.h"

#include <algorithm>

#include <gtest/gtest.h>

// Expected values worked out from seed * 134775813 + 1 (mod 2^32) and
// (newseed * n) >> 32.
TEST(RandomSource, FollowsTheLinearCongruentialFormula)
{
    RandomSource random(12345);
    EXPECT_EQ(random.random(10), 3u);
    EXPECT_EQ(random.seed(), 1655067934u);
    EXPECT_EQ(random.random(9), 2u);
    EXPECT_EQ(random.seed(), 1242767767u);
    EXPECT_EQ(random.random(4), 0u);
    EXPECT_EQ(random.random(7), 3u);
    EXPECT_EQ(random.random(100), 63u);
    EXPECT_EQ(random.random(1), 0u);
    EXPECT_EQ(random.seed(), 1467157059u);
}

TEST(RandomSource, SeedWrapsModulo2To32)
{
    RandomSource random(0xFFFFFFFFu);
    EXPECT_EQ(random.random(6), 5u);
    EXPECT_EQ(random.seed(), 4160191484u);

    RandomSource zero(0);
    EXPECT_EQ(zero.random(4), 0u);
    EXPECT_EQ(zero.seed(), 1u);
}

TEST(RandomSource, ZeroRangeGivesZeroAndStillAdvances)
{
    RandomSource random(5);
    EXPECT_EQ(random.random(0), 0u);
    EXPECT_NE(random.seed(), 5u);
}

TEST(RandomSource, TimeOfDaySeedIsWithinOneDay)
{
    EXPECT_LT(RandomSource::timeOfDaySeed(), 24u * 60 * 60 * 1000);
}

TEST(RandomSource, BetweenStaysInItsRange)
{
    RandomSource random(99);
    for (int i = 0; i < 1000; ++i) {
        const int v = random.between(1, 7);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 7);
    }
}

// A host deals from the system's randomness: two hosts that start in the
// same millisecond deal different pools, and no seed of the time of day
// around the deal (the seeds a cheater would try first) gives it again.
TEST(RandomSource, TheSystemsDealIsReproducedByNoSeed)
{
    RandomSource first;
    RandomSource second;
    first.randomize();
    second.setSeed(first.seed());
    first.useSystemRandomness();
    second.useSystemRandomness();
    tilepool dealt;
    tilepool other;
    gettiles(dealt, first);
    gettiles(other, second);
    EXPECT_NE(dealt.tiles, other.tiles);

    const std::uint32_t around = RandomSource::timeOfDaySeed();
    tilepool seeded;
    for (std::uint32_t seed = around - std::min<std::uint32_t>(around, 60000); seed <= around + 1000; ++seed) {
        RandomSource guess(seed);
        gettiles(seeded, guess);
        ASSERT_NE(seeded.tiles, dealt.tiles) << seed;
    }
}
