#pragma once

#include <array>

// The order in which the computer player visits the board from a random
// start (x0, y0): the column after x0 first, wrapping from 9 to 0 and ending
// with x0 itself; within each column the row after y0 first, wrapping from 8
// to 0 and ending with y0. Every one of the 90 cells comes exactly once.
struct ScanCell
{
    int x = 0;
    int y = 0;
    bool operator==(const ScanCell &) const = default;
};

std::array<ScanCell, 90> scanOrder(int x0, int y0);
