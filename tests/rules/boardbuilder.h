#pragma once

#include "board.h"
#include "hand.h"

#include <initializer_list>

// Test helpers for laying out boards.
inline tile uniform(std::int32_t v) { return tile{v, v, v, v}; }

inline void put(board &b, int x, int y, tile t = uniform(1)) { b.at(x, y) = t; }

inline hand handOf(std::initializer_list<tile> tiles)
{
    hand h;
    int slot = 1;
    for (const tile &t : tiles)
        h.at(slot++) = t;
    return h;
}
