#pragma once

#include "stringgrid.h"

// The tally table of a first run: one row of nine "0" cells.
inline StringGrid oneRowTally()
{
    StringGrid grid(9, 1);
    for (int col = 0; col < 9; ++col)
        grid.setCell(col, 0, "0");
    return grid;
}
