#pragma once

#include "board.h"
#include "hand.h"

#include <optional>

// The Strong computer player: a choice of placement from what a person in
// the seat may know, the board and the seat's own hand. It never sees the
// pool or another hand; tiles it cannot see count as random tiles.
struct StrongMove
{
    int x = 0;
    int y = 0;
    int slot = 0;
    bool operator==(const StrongMove &) const = default;
};

// The placement the Strong player makes. `opponents`: how many other seats
// can still place this round (each moves before this seat's next turn).
// An empty board is opened on (5, 5), as every computer seat opens. Nothing
// when the hand has no legal placement.
std::optional<StrongMove> strongmove(const board &b, const hand &h, int opponents);
