// libFuzzer target for the grid text reader. Any input either reads or
// fails with GridTextError, within the reader's limits; a grid that reads
// is written out and read back unchanged.

#include "gridtext.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    StringGrid grid;
    try {
        grid = LoadGridText(std::string_view(reinterpret_cast<const char *>(data), size));
    } catch (const GridTextError &) {
        return 0;
    }
    if (grid.colCount() > MaxGridTextColumns || grid.rowCount() > MaxGridTextRows
        || static_cast<long long>(grid.colCount()) * grid.rowCount() > MaxGridTextCells)
        std::abort();
    if (LoadGridText(SaveGridText(grid)) != grid)
        std::abort();
    return 0;
}
