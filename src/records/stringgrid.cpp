#include "stringgrid.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

StringGrid::StringGrid(int colCount, int rowCount)
{
    reshape(colCount, rowCount);
}

void StringGrid::setColCount(int count)
{
    reshape(count, m_rowCount);
}

void StringGrid::setRowCount(int count)
{
    reshape(m_colCount, count);
}

const std::string &StringGrid::cell(int col, int row) const
{
    return m_cells[index(col, row)];
}

void StringGrid::setCell(int col, int row, std::string text)
{
    m_cells[index(col, row)] = std::move(text);
}

std::size_t StringGrid::index(int col, int row) const
{
    if (col < 0 || col >= m_colCount || row < 0 || row >= m_rowCount)
        throw std::out_of_range("StringGrid: cell outside the table");
    return std::size_t(row) * std::size_t(m_colCount) + std::size_t(col);
}

void StringGrid::reshape(int colCount, int rowCount)
{
    colCount = std::max(colCount, 0);
    rowCount = std::max(rowCount, 0);
    if (colCount == m_colCount) {
        // Rows are stored one after another, so only the tail changes.
        m_cells.resize(std::size_t(colCount) * std::size_t(rowCount));
    } else {
        std::vector<std::string> cells(std::size_t(colCount) * std::size_t(rowCount));
        const int keepCols = std::min(colCount, m_colCount);
        const int keepRows = std::min(rowCount, m_rowCount);
        for (int row = 0; row < keepRows; ++row) {
            for (int col = 0; col < keepCols; ++col)
                cells[std::size_t(row) * colCount + col] = std::move(m_cells[index(col, row)]);
        }
        m_cells = std::move(cells);
    }
    m_colCount = colCount;
    m_rowCount = rowCount;
}
