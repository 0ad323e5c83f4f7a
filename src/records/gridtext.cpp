#include "gridtext.h"

#include "plainfile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Cuts text into lines ending in LF, with an optional CR before it. A last
// line without a line end still counts.
class LineReader
{
public:
    explicit LineReader(std::string_view text)
        : m_text(text)
    {
    }
    bool next(std::string_view &line)
    {
        if (m_pos >= m_text.size())
            return false;
        std::size_t end = m_text.find('\n', m_pos);
        std::size_t after = end == std::string_view::npos ? m_text.size() : end + 1;
        if (end == std::string_view::npos)
            end = m_text.size();
        line = m_text.substr(m_pos, end - m_pos);
        if (!line.empty() && line.back() == '\r' && end < m_text.size())
            line.remove_suffix(1);
        m_pos = after;
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

int readCount(LineReader &lines, const char *what, int limit)
{
    std::string_view line;
    if (!lines.next(line))
        throw GridTextError(std::string("Grid text : the ") + what + " is missing");
    while (!line.empty() && line.front() == ' ')
        line.remove_prefix(1);
    while (!line.empty() && line.back() == ' ')
        line.remove_suffix(1);
    long long value = 0;
    bool valid = !line.empty();
    for (char c : line) {
        if (c < '0' || c > '9' || value > limit) {
            valid = false;
            break;
        }
        value = value * 10 + (c - '0');
    }
    if (!valid || value > limit)
        throw GridTextError(std::string("Grid text : the ") + what + " is not a number from 0 to " + std::to_string(limit));
    return static_cast<int>(value);
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
    LineReader lines(text);
    const int colCount = readCount(lines, "column count", MaxGridTextColumns);
    const int rowCount = readCount(lines, "row count", MaxGridTextRows);
    if (static_cast<long long>(colCount) * rowCount > MaxGridTextCells)
        throw GridTextError("Grid text : the table has more than " + std::to_string(MaxGridTextCells) + " cells");

    StringGrid grid(colCount, rowCount);
    std::string_view line;
    for (int col = 0; col < colCount; ++col) {
        for (int row = 0; row < rowCount; ++row) {
            if (!lines.next(line))
                return grid;
            grid.setCell(col, row, std::string(line));
        }
    }
    return grid;
}

void LoadGridText(StringGrid &grid, const std::string &path)
{
    const std::optional<std::string> text = readPlainFile(path);
    if (!text)
        throw GridTextError("Grid text : unable to read " + path);
    try {
        grid = LoadGridText(*text);
    } catch (const GridTextError &error) {
        throw GridTextError(std::string(error.what()) + " : " + path);
    }
}
