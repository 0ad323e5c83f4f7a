#include "boardbuilder.h"
#include "placement.h"

#include <gtest/gtest.h>

TEST(Matching, EmptyBoardAcceptsAnyTileAnywhere)
{
    board b;
    EXPECT_TRUE(canplace(b, 0, 0, tile{1, 2, 3, 4}));
    EXPECT_TRUE(canplace(b, 9, 8, tile{4, 3, 2, 1}));
    EXPECT_EQ(validateplacement(b, handOf({tile{1, 2, 3, 4}}), 5, 5, 1), PlacementOk);
}

TEST(Matching, EachFacingPairIsCompared)
{
    board b;
    put(b, 4, 3, tile{1, 1, 2, 1}); // above: its bottom 2 faces our top
    put(b, 5, 4, tile{1, 1, 1, 3}); // right: its left 3 faces our right
    put(b, 4, 5, tile{4, 1, 1, 1}); // below: its top 4 faces our bottom
    put(b, 3, 4, tile{1, 2, 1, 1}); // left: its right 2 faces our left
    const tile fits{2, 3, 4, 2};
    EXPECT_TRUE(canplace(b, 4, 4, fits));
    EXPECT_TRUE(checksides(b, 4, 4, fits, 4));

    const tile wrongSides[] = {{1, 3, 4, 2}, {2, 1, 4, 2}, {2, 3, 1, 2}, {2, 3, 4, 1}};
    for (const tile &t : wrongSides) {
        EXPECT_FALSE(canplace(b, 4, 4, t));
        EXPECT_FALSE(checksides(b, 4, 4, t, 0));
        EXPECT_EQ(validateplacement(b, handOf({t}), 4, 4, 1), SidesMismatch);
    }
}

TEST(Matching, OnlyTheTouchingSideMatters)
{
    board b;
    put(b, 4, 3, tile{3, 3, 1, 3});
    EXPECT_TRUE(canplace(b, 4, 4, tile{1, 2, 3, 4}));
    EXPECT_FALSE(canplace(b, 4, 4, tile{2, 1, 1, 1}));
}

TEST(Matching, CornerNeighboursBothCompared)
{
    board b;
    put(b, 9, 7, tile{1, 1, 1, 2}); // right of (8, 7), left side 2
    put(b, 8, 8, tile{3, 1, 1, 1}); // below (8, 7), top 3
    EXPECT_TRUE(canplace(b, 8, 7, tile{4, 2, 3, 4}));
    EXPECT_EQ(validateplacement(b, handOf({tile{4, 1, 3, 4}}), 8, 7, 1), SidesMismatch);
    EXPECT_EQ(validateplacement(b, handOf({tile{4, 2, 1, 4}}), 8, 7, 1), SidesMismatch);
}

TEST(Matching, RightEdgeConsultsOnlyTheLeftNeighbour)
{
    board b;
    put(b, 8, 4, tile{1, 3, 1, 1});
    put(b, 0, 5, tile{2, 2, 2, 2}); // would be the "right" neighbour if the edge wrapped
    EXPECT_TRUE(canplace(b, 9, 4, tile{4, 4, 4, 3}));
    EXPECT_EQ(getscore(b, 9, 4), 5);
}

TEST(Matching, ChecksidesDemandsTheMinimumNeighbours)
{
    board b;
    put(b, 4, 3, uniform(2));
    put(b, 3, 4, uniform(2));
    const tile t = uniform(2);
    EXPECT_TRUE(checksides(b, 4, 4, t, 0));
    EXPECT_TRUE(checksides(b, 4, 4, t, 2));
    EXPECT_FALSE(checksides(b, 4, 4, t, 3));
    EXPECT_FALSE(checksides(b, 4, 4, uniform(1), 0));
}

TEST(Validation, ErrorsComeInTheirOrder)
{
    board b;
    put(b, 4, 4, uniform(1));
    put(b, 4, 3, uniform(1));
    const hand h = handOf({uniform(3), tile{}, uniform(1)});

    // Cell taken beats an empty slot.
    EXPECT_EQ(validateplacement(b, h, 4, 4, 2), CellTaken);
    // Empty slot beats a mismatch.
    EXPECT_EQ(validateplacement(b, h, 4, 5, 2), SlotEmpty);
    EXPECT_EQ(validateplacement(b, h, 5, 3, 1), SidesMismatch);
    EXPECT_EQ(validateplacement(b, h, 5, 3, 3), PlacementOk);
}

TEST(Validation, OutOfRangeRequestsAreRefusedWithoutReadingOutside)
{
    board b;
    const hand h = handOf({uniform(1)});
    // Row 9 comes from a click on the last two pixel rows of the board view.
    EXPECT_EQ(validateplacement(b, h, 4, 9, 1), CellTaken);
    EXPECT_EQ(validateplacement(b, h, 10, 0, 1), CellTaken);
    EXPECT_EQ(validateplacement(b, h, -1, 0, 1), CellTaken);
    EXPECT_EQ(validateplacement(b, h, 0, -1, 1), CellTaken);
    EXPECT_EQ(validateplacement(b, h, 0, 0, 0), SlotEmpty);
    EXPECT_EQ(validateplacement(b, h, 0, 0, 8), SlotEmpty);
    EXPECT_FALSE(canplace(b, 10, 9, uniform(1)));
    EXPECT_FALSE(checksides(b, -1, 3, uniform(1), 0));
}

TEST(CheckForPlay, AnyFreeCellWithoutNeighbourIsAPlay)
{
    board b;
    const hand h = handOf({uniform(1), uniform(1), uniform(1), uniform(1), uniform(1), uniform(1), uniform(1)});
    EXPECT_TRUE(checkforplay(b, h));
    put(b, 0, 0, uniform(4));
    EXPECT_TRUE(checkforplay(b, h)) << "cells far from (0, 0) have no neighbour";
}

TEST(CheckForPlay, FalseOnlyWhenEveryFreeCellTouchesAndNothingFits)
{
    // Fill the board in a checkerboard of 4s, leaving the other cells free:
    // every free cell then touches tiles showing 4 on all sides.
    board b;
    for (int x = 0; x < board::Columns; ++x)
        for (int y = 0; y < board::Rows; ++y)
            if ((x + y) % 2 == 0)
                put(b, x, y, uniform(4));

    hand none;
    for (int slot = 1; slot <= hand::Slots; ++slot)
        none.at(slot) = tile{1, 2, 3, 1};
    EXPECT_FALSE(checkforplay(b, none));

    hand almost = none;
    almost.at(7) = uniform(4);
    EXPECT_TRUE(checkforplay(b, almost));

    // One free cell with no neighbour makes any hand playable again.
    board open = b;
    for (int x = 0; x <= 2; ++x)
        for (int y = 0; y <= 2; ++y)
            open.at(x, y) = tile{};
    EXPECT_TRUE(checkforplay(open, none));
}
