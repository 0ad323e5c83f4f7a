#include "gridtext.h"
#include "onerowtally.h"
#include "scratchfolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string loadFailure(const std::string &text)
{
    try {
        LoadGridText(text);
    } catch (const GridTextError &error) {
        return error.what();
    }
    return "no failure";
}

} // namespace

TEST(StringGrid, ResizingKeepsCellsInsideTheNewBounds)
{
    StringGrid grid(3, 2);
    grid.setCell(0, 0, "a");
    grid.setCell(2, 1, "z");
    grid.setCell(1, 1, "m");
    grid.setRowCount(4);
    EXPECT_EQ(grid.cell(2, 1), "z");
    EXPECT_EQ(grid.cell(2, 3), "");
    grid.setColCount(2);
    EXPECT_EQ(grid.cell(0, 0), "a");
    EXPECT_EQ(grid.cell(1, 1), "m");
    EXPECT_THROW(grid.cell(2, 1), std::out_of_range);
    grid.setColCount(3);
    EXPECT_EQ(grid.cell(2, 1), "");
    grid.setRowCount(1);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_THROW(grid.setCell(0, 1, "x"), std::out_of_range);
}

TEST(GridText, OneRowTallyIsThirtyThreeBytesColumnByColumn)
{
    std::string expected = "9\r\n1\r\n";
    for (int i = 0; i < 9; ++i)
        expected += "0\r\n";
    EXPECT_EQ(SaveGridText(oneRowTally()), expected);
    EXPECT_EQ(expected.size(), 33u);
}

TEST(GridText, CellsRunDownEachColumnAndEmptyCellsAreEmptyLines)
{
    StringGrid grid(2, 2);
    grid.setCell(0, 0, "Anna");
    grid.setCell(0, 1, "Bo");
    grid.setCell(1, 0, "7");
    EXPECT_EQ(SaveGridText(grid), "2\r\n2\r\nAnna\r\nBo\r\n7\r\n\r\n");
    EXPECT_EQ(LoadGridText(SaveGridText(grid)), grid);
}

TEST(GridText, HighBytesTravelUnchanged)
{
    StringGrid grid(1, 1);
    grid.setCell(0, 0, "J\xF6rg \xE9\xFF");
    EXPECT_EQ(LoadGridText(SaveGridText(grid)).cell(0, 0), "J\xF6rg \xE9\xFF");
}

TEST(GridText, ShortTextLeavesTheRemainingCellsEmpty)
{
    const StringGrid grid = LoadGridText("9\r\n2\r\nAnna\r\nBo\r\n3");
    EXPECT_EQ(grid.colCount(), 9);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cell(0, 1), "Bo");
    EXPECT_EQ(grid.cell(1, 0), "3");
    EXPECT_EQ(grid.cell(8, 1), "");
}

TEST(GridText, LinesEndingInLfAloneAndExtraLinesAreAccepted)
{
    const StringGrid grid = LoadGridText("1\n2\nx\ny\nextra\r\n");
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cell(0, 1), "y");
}

TEST(GridText, MissingOrUnusableCountsFail)
{
    EXPECT_EQ(loadFailure(""), "Grid text : the column count is missing");
    EXPECT_EQ(loadFailure("9\r\n"), "Grid text : the row count is missing");
    EXPECT_EQ(loadFailure("nine\r\n1\r\n"), "Grid text : the column count is not a number from 0 to 1024");
    EXPECT_EQ(loadFailure("9\r\n-1\r\n"), "Grid text : the row count is not a number from 0 to 1000000");
    EXPECT_EQ(loadFailure("9\r\n2000000000\r\n"), "Grid text : the row count is not a number from 0 to 1000000");
    EXPECT_EQ(loadFailure("9\r\n99999999999999999999999\r\n"), "Grid text : the row count is not a number from 0 to 1000000");
    EXPECT_EQ(loadFailure("1024\r\n1000000\r\n"), "Grid text : the table has more than 1048576 cells");
}

TEST(GridText, FilesAreWrittenAndReadByPath)
{
    ScratchFolder folder;
    SaveGridText(oneRowTally(), folder.file("grid.txt"));
    EXPECT_EQ(readWholeFile(folder.file("grid.txt")).size(), 33u);
    StringGrid grid;
    LoadGridText(grid, folder.file("grid.txt"));
    EXPECT_EQ(grid, oneRowTally());

    writeWholeFile(folder.file("grid.txt"), "x\r\n");
    try {
        LoadGridText(grid, folder.file("grid.txt"));
        FAIL() << "no failure";
    } catch (const GridTextError &error) {
        EXPECT_NE(std::string(error.what()).find(folder.file("grid.txt")), std::string::npos);
    }
    EXPECT_EQ(grid, oneRowTally()) << "a failed load keeps the table";
    EXPECT_THROW(LoadGridText(grid, folder.file("absent.txt")), GridTextError);
    EXPECT_THROW(SaveGridText(grid, folder.unwritableFolder() + "/grid.txt"), GridTextError);
}
