#pragma once

#include <string>
#include <vector>

// A table of text cells addressed by column and row, as the tally keeps it
// in memory. Cells hold single-byte text. Growing the table adds empty
// cells; shrinking it drops the cells outside the new bounds.
class StringGrid
{
public:
    StringGrid() = default;
    StringGrid(int colCount, int rowCount);

    int colCount() const { return m_colCount; }
    int rowCount() const { return m_rowCount; }
    // Negative counts are taken as 0.
    void setColCount(int count);
    void setRowCount(int count);

    // Cells outside the table throw std::out_of_range.
    const std::string &cell(int col, int row) const;
    void setCell(int col, int row, std::string text);

    bool operator==(const StringGrid &other) const = default;

private:
    std::size_t index(int col, int row) const;
    void reshape(int colCount, int rowCount);

    int m_colCount = 0;
    int m_rowCount = 0;
    std::vector<std::string> m_cells; // row by row
};
