#pragma once

#include "stringgrid.h"

#include <stdexcept>
#include <string>
#include <string_view>

// Grid text: the plain text dump of a StringGrid. Lines end in CR LF; the
// first holds the column count, the second the row count (decimal, no
// padding), then one line per cell, column by column: all rows of column 0
// from row 0 down, then column 1, and so on. Cells are written as they
// stand, without escaping.

// Reading a count that is not a number, or one past these limits, fails:
// a damaged file must not make the reader allocate without bound. The
// tally has 9 columns and one row per followed opponent.
constexpr int MaxGridTextColumns = 1024;
constexpr int MaxGridTextRows = 1000000;
constexpr long long MaxGridTextCells = 1 << 20;

class GridTextError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The grid text of `grid` as bytes.
std::string SaveGridText(const StringGrid &grid);
// Writes the grid text to `path`, replacing any file there. Throws
// GridTextError when the file cannot be written.
void SaveGridText(const StringGrid &grid, const std::string &path);

// Reads grid text. Lines may end in CR LF or LF alone. A text with fewer
// cell lines than its counts call for leaves the remaining cells empty;
// lines after the last cell are ignored. Throws GridTextError when a count
// is missing, not a number, or beyond the limits.
StringGrid LoadGridText(std::string_view text);
// Reads the grid text of the file at `path` into `grid`, which is left
// unchanged when reading fails (the error names the file).
void LoadGridText(StringGrid &grid, const std::string &path);
