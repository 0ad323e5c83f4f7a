#include "tilepool.h"

#include <gtest/gtest.h>

namespace {

struct Seat
{
    bool playing = false;
    ::hand hand;
};

// Pool tile n has distinct sides so each tile can be recognised: top n % 4 + 1,
// and the rest encode n.
tilepool numberedPool()
{
    tilepool pool;
    for (int n = 1; n <= tilepool::Size; ++n)
        pool.tiles[n - 1] = tile{n, n, n, n};
    return pool;
}

} // namespace

TEST(Dealing, PlayingSeatsGetConsecutivePoolTiles)
{
    tilepool pool = numberedPool();
    std::array<Seat, 10> seats{};
    seats[1].playing = seats[2].playing = seats[4].playing = true;
    const tile kept{9, 9, 9, 9};
    seats[3].hand.at(1) = kept;
    seats[5].hand.at(7) = kept;

    dealtiles(pool, seats);

    for (int slot = 1; slot <= 7; ++slot) {
        EXPECT_EQ(seats[1].hand.at(slot).top, slot);
        EXPECT_EQ(seats[2].hand.at(slot).top, 7 + slot);
        EXPECT_EQ(seats[4].hand.at(slot).top, 14 + slot);
    }
    EXPECT_EQ(seats[3].hand.at(1), kept);
    EXPECT_EQ(seats[5].hand.at(7), kept);
    EXPECT_TRUE(seats[6].hand.at(1).isEmpty());
    EXPECT_EQ(pool.poolindex, 21);

    refillslot(pool, seats[2].hand, 3);
    EXPECT_EQ(seats[2].hand.at(3).top, 22) << "the first refill is the next tile";
}

TEST(Dealing, SoloGameDealsSeatsOneAndTwo)
{
    tilepool pool = numberedPool();
    std::array<Seat, 7> seats{};
    seats[1].playing = seats[2].playing = true;
    dealtiles(pool, seats);
    EXPECT_EQ(seats[1].hand.at(7).top, 7);
    EXPECT_EQ(seats[2].hand.at(1).top, 8);
    hand h;
    refillslot(pool, h, 5);
    EXPECT_EQ(h.at(5).top, 15);
}

TEST(Dealing, LoginFillDrawsOnlyForEmptySlots)
{
    tilepool pool = numberedPool();
    pool.poolindex = 30;
    hand h;
    h.at(2) = tile{4, 4, 4, 4};
    h.at(5) = tile{3, 3, 3, 3};
    fillhand(pool, h);
    EXPECT_EQ(h.at(1).top, 31);
    EXPECT_EQ(h.at(2).top, 4);
    EXPECT_EQ(h.at(3).top, 32);
    EXPECT_EQ(h.at(5).top, 3);
    EXPECT_EQ(h.at(7).top, 35);

    const hand full = h;
    fillhand(pool, h);
    EXPECT_EQ(h, full);
    EXPECT_EQ(pool.poolindex, 35) << "a full hand draws nothing";
}

TEST(Dealing, ExhaustedPoolStopsInsteadOfReadingPastIt)
{
    tilepool pool = numberedPool();
    pool.poolindex = 149;
    hand h;
    refillslot(pool, h, 1);
    EXPECT_EQ(h.at(1).top, 150);
    refillslot(pool, h, 2);
    EXPECT_TRUE(h.at(2).isEmpty());
    EXPECT_EQ(pool.poolindex, 150);
    EXPECT_FALSE(pool.draw().has_value());

    refillslot(pool, h, 0);
    refillslot(pool, h, 8);
    EXPECT_EQ(pool.poolindex, 150) << "no slot, no draw";
}

TEST(Dealing, GettilesFillsSidesInOrderFromTheRandomSource)
{
    tilepool pool;
    pool.poolindex = 77;
    RandomSource random(12345);
    gettiles(pool, random);
    EXPECT_EQ(pool.poolindex, 0);

    RandomSource expected(12345);
    for (const tile &t : pool.tiles) {
        EXPECT_EQ(t.top, int(expected.random(4)) + 1);
        EXPECT_EQ(t.right, int(expected.random(4)) + 1);
        EXPECT_EQ(t.bottom, int(expected.random(4)) + 1);
        EXPECT_EQ(t.left, int(expected.random(4)) + 1);
    }
}
