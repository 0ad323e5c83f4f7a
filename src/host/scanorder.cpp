#include "scanorder.h"

#include "board.h"

std::array<ScanCell, 90> scanOrder(int x0, int y0)
{
    std::array<ScanCell, 90> cells{};
    std::size_t i = 0;
    for (int dx = 1; dx <= board::Columns; ++dx) {
        const int x = (x0 + dx) % board::Columns;
        for (int dy = 1; dy <= board::Rows; ++dy)
            cells[i++] = {x, (y0 + dy) % board::Rows};
    }
    return cells;
}
