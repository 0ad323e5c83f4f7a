#include "randomsource.h"

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
