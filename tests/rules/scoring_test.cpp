#include "boardbuilder.h"
#include "placement.h"

#include <gtest/gtest.h>

TEST(Scoring, EmptyBoardScoresNothing)
{
    board b;
    EXPECT_EQ(getscore(b, 4, 4), 0);
    EXPECT_EQ(getscore(b, 0, 0), 0);
}

TEST(Scoring, NeighbourCountGivesBasePoints)
{
    board b;
    put(b, 4, 3);
    EXPECT_EQ(getscore(b, 4, 4), 5);
    put(b, 3, 4);
    EXPECT_EQ(getscore(b, 4, 4), 15);
    put(b, 5, 4);
    EXPECT_EQ(getscore(b, 4, 4), 30);
    put(b, 4, 5);
    EXPECT_EQ(getscore(b, 4, 4), 50);
}

TEST(Scoring, DiagonalAloneIsNoNeighbour)
{
    board b;
    put(b, 3, 3);
    put(b, 5, 5);
    EXPECT_EQ(getscore(b, 4, 4), 0);
}

TEST(Scoring, CornerWithCompletedSquareScores65)
{
    board b;
    put(b, 1, 0);
    put(b, 0, 1);
    put(b, 1, 1);
    EXPECT_EQ(getscore(b, 0, 0), 65);

    board c;
    put(c, 8, 8);
    put(c, 9, 7);
    put(c, 8, 7);
    EXPECT_EQ(getscore(c, 9, 8), 65);
}

TEST(Scoring, ClosingAHoleScoresTheMaximum250)
{
    board b;
    for (int x = 3; x <= 5; ++x)
        for (int y = 3; y <= 5; ++y)
            if (x != 4 || y != 4)
                put(b, x, y);
    EXPECT_EQ(getscore(b, 4, 4), 250);
}

TEST(Scoring, EdgesDoNotLookOffTheBoard)
{
    // With X-major storage the cell "below" (0, 8) would be (1, 0) and the
    // cell "above" (1, 0) would be (0, 8); neither may count.
    board b;
    put(b, 1, 0);
    EXPECT_EQ(getscore(b, 0, 8), 0);

    board c;
    put(c, 0, 8);
    EXPECT_EQ(getscore(c, 1, 0), 0);
    EXPECT_EQ(getscore(c, 1, 8), 5);

    board d;
    put(d, 8, 4);
    EXPECT_EQ(getscore(d, 9, 4), 5);
    EXPECT_EQ(getscore(d, 9, 8), 0);
}

TEST(Scoring, SquareNeedsAllThreeOtherCells)
{
    board b;
    put(b, 4, 3);
    put(b, 3, 4);
    EXPECT_EQ(getscore(b, 4, 4), 15) << "no diagonal: no square";
    put(b, 3, 3);
    EXPECT_EQ(getscore(b, 4, 4), 65);
    put(b, 5, 3);
    put(b, 5, 4);
    EXPECT_EQ(getscore(b, 4, 4), 30 + 100);
}

TEST(Scoring, OffBoardCellScoresNothing)
{
    board b;
    put(b, 4, 8);
    EXPECT_EQ(getscore(b, 4, 9), 0);
    EXPECT_EQ(getscore(b, -1, 0), 0);
    EXPECT_EQ(getscore(b, 10, 0), 0);
}
