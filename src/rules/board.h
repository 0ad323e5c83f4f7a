#pragma once

#include "tile.h"

#include <array>

// The shared board: 10 columns (X 0..9) by 9 rows (Y 0..8). Storage is
// X-major, the nine cells of a column together, and every scan of the board
// runs X outside, Y inside.
struct board
{
    static constexpr int Columns = 10;
    static constexpr int Rows = 9;

    std::array<std::array<tile, Rows>, Columns> cells{};

    static constexpr bool onBoard(int x, int y)
    {
        return x >= 0 && x < Columns && y >= 0 && y < Rows;
    }

    // Callers check onBoard first; these never range-check.
    tile &at(int x, int y) { return cells[x][y]; }
    const tile &at(int x, int y) const { return cells[x][y]; }

    // A cell is taken when its top is not 0. Off-board cells are never taken.
    bool taken(int x, int y) const { return onBoard(x, y) && !cells[x][y].isEmpty(); }

    void clear() { cells = {}; }

    bool operator==(const board &) const = default;
};
