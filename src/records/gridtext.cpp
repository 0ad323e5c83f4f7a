#include "gridtext.h"

#include "digits.h"
#include "plainfile.h"
#include "textlines.h"

#include <fstream>
#include <vector>

namespace {

// Reads line `at` as a count of at most `limit`; blanks around it are
// allowed.
int readCount(const std::vector<std::string_view> &lines, std::size_t at, const char *what, int limit)
{
    if (at >= lines.size())
        throw GridTextError(std::string("Grid text : the ") + what + " is missing");
    std::string_view line = lines[at];
    while (!line.empty() && line.front() == ' ')
        line.remove_prefix(1);
    while (!line.empty() && line.back() == ' ')
        line.remove_suffix(1);
    const std::optional<std::uint64_t> value = parseDigits(line, 10, std::uint64_t(limit));
    if (!value)
        throw GridTextError(std::string("Grid text : the ") + what + " is not a number from 0 to " + std::to_string(limit));
    return static_cast<int>(*value);
}

} // namespace

std::string SaveGridText(const StringGrid &grid)
{
    std::string text;
    text += std::to_string(grid.colCount());
    text += "\r\n";
    text += std::to_string(grid.rowCount());
    text += "\r\n";
    for (int col = 0; col < grid.colCount(); ++col) {
        for (int row = 0; row < grid.rowCount(); ++row) {
            text += grid.cell(col, row);
            text += "\r\n";
        }
    }
    return text;
}

void SaveGridText(const StringGrid &grid, const std::string &path)
{
    const std::string text = SaveGridText(grid);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file)
        file.write(text.data(), std::streamsize(text.size()));
    if (file)
        file.close();
    if (!file)
        throw GridTextError("Grid text : unable to write to " + path);
}

StringGrid LoadGridText(std::string_view text)
{
    const std::vector<std::string_view> lines = splitLines(text);
    const int colCount = readCount(lines, 0, "column count", MaxGridTextColumns);
    const int rowCount = readCount(lines, 1, "row count", MaxGridTextRows);
    if (static_cast<long long>(colCount) * rowCount > MaxGridTextCells)
        throw GridTextError("Grid text : the table has more than " + std::to_string(MaxGridTextCells) + " cells");

    StringGrid grid(colCount, rowCount);
    std::size_t at = 2;
    for (int col = 0; col < colCount; ++col) {
        for (int row = 0; row < rowCount; ++row, ++at) {
            if (at >= lines.size())
                return grid;
            grid.setCell(col, row, std::string(lines[at]));
        }
    }
    return grid;
}

void LoadGridText(StringGrid &grid, const std::string &path)
{
    const PlainFile file = readPlainFile(path);
    if (!file.ok())
        throw GridTextError("Grid text : unable to read " + path);
    try {
        grid = LoadGridText(file.bytes);
    } catch (const GridTextError &error) {
        throw GridTextError(std::string(error.what()) + " : " + path);
    }
}
