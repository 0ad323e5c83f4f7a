#pragma once

#include "board.h"
#include "hand.h"

// Legality and score of a placement, judged on the host's board.
//
// Neighbours of (X, Y) are the orthogonal cells on the board; a placed tile's
// side must equal the facing side of every present neighbour:
//   above: top == above.bottom      right: right == right.left
//   below: bottom == below.top      left:  left == left.right

// Result of the host's validation of one placement request; the numbers are
// the error codes sent back in CMD_anerror.
enum PlacementError : int {
    PlacementOk = 0,
    CellTaken = 1,  // also a cell off the board: "You cannot put a tile there."
    SlotEmpty = 2,  // also a slot outside 1..7: "Tile not valid."
    SidesMismatch = 3,
};

// The matching rule alone: does t fit the present neighbours of (x, y)?
// Ignores whether the cell itself is free and needs no neighbour. A
// neighbour is present when its facing side is not 0. Checks above, right,
// below, left and stops at the first mismatch.
bool canplace(const board &b, int x, int y, const tile &t);

// What the present neighbours of (x, y) ask of a tile placed there: each
// side holds the facing side of the neighbour in that direction, or 0 where
// there is none. A tile fits when it equals every side that is not 0.
tile neededsides(const board &b, int x, int y);
bool fitsneeds(const tile &t, const tile &needs);

// The matching rule for a hand tile plus a neighbour count: true when no
// present neighbour mismatches and at least `minimum` neighbours are present.
// Checks left, above, right, below. The computer player asks with minimum
// 3, 2, 1, then 0.
bool checksides(const board &b, int x, int y, const tile &t, int minimum);

// Whether the hand has any legal placement: cells X 0..9 outside, Y 0..8
// inside, free cells only, slots 1..7 in order; the first fit answers true.
bool checkforplay(const board &b, const hand &h);

// What a placement earns: by its number of neighbours (0 to 4), and for
// each 2x2 block it completes.
inline constexpr int NeighbourPoints[5] = {0, 5, 15, 30, 50};
inline constexpr int SquarePoints = 50;

// Points for a tile placed on the free cell (x, y), from the board before it
// is put down: NeighbourPoints for its neighbours, plus SquarePoints for each
// of the four 2x2 blocks around the cell whose other three cells hold tiles.
// 0..250.
int getscore(const board &b, int x, int y);

// The host's checks of one request, in order: cell taken or off the board
// (1), slot empty or not a slot (2), sides do not match (3).
PlacementError validateplacement(const board &b, const hand &h, int x, int y, int slot);
