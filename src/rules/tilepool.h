#pragma once

#include "hand.h"
#include "randomsource.h"

#include <array>
#include <optional>

// The round's 150 tiles. Drawing adds 1 to poolindex and copies tile number
// poolindex, so tiles go out strictly in the order 1, 2, 3, ...
// A round needs at most 132 draws (42 for the hands, 90 for the cells).
struct tilepool
{
    static constexpr int Size = 150;

    std::array<tile, Size> tiles{};
    int poolindex = 0;

    // The next tile, or nothing once all 150 are drawn.
    std::optional<tile> draw();
};

// Fills the pool for a new round: tile 1 to 150, each side in the order top,
// right, bottom, left, a random value 1..4; then poolindex := 0.
void gettiles(tilepool &pool, RandomSource &random);

// Puts the next pool tile into the slot; an exhausted pool leaves it empty.
void refillslot(tilepool &pool, hand &h, int slot);

// Fill on login during a game: every empty slot, 1 to 7 in order, draws one
// tile; slots holding a tile keep it.
void fillhand(tilepool &pool, hand &h);

// The deal at the start of a round: for seats 1 to 6 in ascending order, a
// seat whose `playing` flag is set gets slots 1 to 7 refilled in order,
// replacing what they held. Other seats keep their hands. `seats` is indexed
// by seat number and must cover 1..6; its elements need `playing` and `hand`.
// Messages to the seats are the caller's business.
template <class SeatTable>
void dealtiles(tilepool &pool, SeatTable &seats)
{
    for (int seat = 1; seat <= 6; ++seat) {
        if (!seats[seat].playing)
            continue;
        for (int slot = 1; slot <= hand::Slots; ++slot)
            refillslot(pool, seats[seat].hand, slot);
    }
}
