#pragma once

#include <cstdint>

// Side values of a tile. 0 marks "no tile" (an empty cell or slot).
enum SideValue : std::int32_t { NoSide = 0, Heart = 1, Star = 2, Ring = 3, Drop = 4 };

// A tile's four side values, always kept and sent in this order. Tiles are
// never turned: a tile is placed exactly as it was dealt.
struct tile
{
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t left = 0;

    // Emptiness is judged by the top value alone, as the host does.
    bool isEmpty() const { return top == 0; }
    bool operator==(const tile &) const = default;
};
