#pragma once

#include "tile.h"

#include <array>

// A seat's seven tiles, in slots numbered 1 to 7. A slot whose top is 0 is
// empty.
struct hand
{
    static constexpr int Slots = 7;

    std::array<tile, Slots> tiles{};

    static constexpr bool validSlot(int slot) { return slot >= 1 && slot <= Slots; }

    // Callers check validSlot first.
    tile &at(int slot) { return tiles[slot - 1]; }
    const tile &at(int slot) const { return tiles[slot - 1]; }

    bool operator==(const hand &) const = default;
};
