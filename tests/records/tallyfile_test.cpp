#include "elzrw1exception.h"
#include "filesizelimit.h"
#include "gridtext.h"
#include "onerowtally.h"
#include "scratchfolder.h"
#include "tallyfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

// A tally with many opponents whose names do not compress.
StringGrid bigTally()
{
    std::mt19937 random(9);
    StringGrid grid(9, 400);
    for (int row = 0; row < 400; ++row) {
        std::string name;
        for (int i = 0; i < 12; ++i)
            name += static_cast<char>('A' + random() % 58);
        grid.setCell(0, row, name);
        for (int col = 1; col < 9; ++col)
            grid.setCell(col, row, std::to_string(random() % 1000));
    }
    return grid;
}

const std::string OneRowTallyBytes("WRZL\x21\0\0\0\x0E\0\x40\x01\x80\x39\r\n1\r\n0\0\x3F\x01\x25", 24);

} // namespace

TEST(TallyFile, OneRowTallyIsTheKnownTwentyFourBytes)
{
    ScratchFolder folder;
    saveTally(folder.file("Tavlixtally.tld"), oneRowTally());
    EXPECT_EQ(readWholeFile(folder.file("Tavlixtally.tld")), OneRowTallyBytes);
    EXPECT_FALSE(std::filesystem::exists(tallyTemporaryPath(folder.file("Tavlixtally.tld"))));
}

TEST(TallyFile, SavedTallyLoadsBack)
{
    ScratchFolder folder;
    const StringGrid grid = bigTally();
    saveTally(folder.file("t.tld"), grid);
    EXPECT_EQ(loadTally(folder.file("t.tld")), grid);
    saveTally(folder.file("t.tld"), oneRowTally());
    EXPECT_EQ(loadTally(folder.file("t.tld")), oneRowTally());
}

TEST(TallyFile, NoFileMeansNoTally)
{
    ScratchFolder folder;
    EXPECT_FALSE(loadTally(folder.file("absent.tld")).has_value());
}

TEST(TallyFile, AFolderInTheFilesPlaceFailsWithAMessage)
{
    ScratchFolder folder;
    const std::string path = folder.file("Tavlixtally.tld");
    std::filesystem::create_directory(path);
    try {
        loadTally(path);
        FAIL() << "no failure";
    } catch (const TallyFileError &error) {
        EXPECT_EQ(std::string(error.what()), "Unable to read " + path);
    }
    StringGrid grid;
    EXPECT_THROW(LoadGridText(grid, path), GridTextError);
}

TEST(TallyFile, DamagedFileFailsWithAMessageNamingIt)
{
    ScratchFolder folder;
    const std::string path = folder.file("t.tld");
    writeWholeFile(path, OneRowTallyBytes.substr(0, 20));
    try {
        loadTally(path);
        FAIL() << "no failure";
    } catch (const ELzrw1Exception &error) {
        EXPECT_EQ(std::string(error.what()), "Lzrw1 : Error reading from input file : " + path);
    }

    // A container holding text that is not grid text.
    writeWholeFile(path, std::string("WRZL\x03\0\0\0\x04\0\x80xyz", 15));
    try {
        loadTally(path);
        FAIL() << "no failure";
    } catch (const GridTextError &error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
}

TEST(TallyFile, FailedWriteKeepsThePreviousTally)
{
    ScratchFolder folder;
    const std::string path = folder.file("Tavlixtally.tld");
    saveTally(path, oneRowTally());
    {
        FileSizeLimit limit(1024);
        EXPECT_THROW(saveTally(path, bigTally()), TallyFileError);
    }
    EXPECT_EQ(readWholeFile(path), OneRowTallyBytes);
    EXPECT_FALSE(std::filesystem::exists(tallyTemporaryPath(path)));
}

TEST(TallyFile, UnwritableTemporaryFileKeepsThePreviousTally)
{
    ScratchFolder folder;
    const std::string path = folder.file("Tavlixtally.tld");
    saveTally(path, oneRowTally());
    std::filesystem::create_directory(tallyTemporaryPath(path));
    try {
        saveTally(path, bigTally());
        FAIL() << "no failure";
    } catch (const TallyFileError &error) {
        EXPECT_EQ(std::string(error.what()).rfind("Unable to write to " + path, 0), 0u) << error.what();
    }
    EXPECT_EQ(readWholeFile(path), OneRowTallyBytes);
}

TEST(TallyFile, UnwritableFolderFailsWithoutCreatingAnything)
{
    ScratchFolder folder;
    const std::string path = folder.unwritableFolder() + "/Tavlixtally.tld";
    EXPECT_THROW(saveTally(path, oneRowTally()), TallyFileError);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(TallyFile, ATableWithoutNineColumnsOrRowZeroIsDamaged)
{
    ScratchFolder folder;
    const std::string path = folder.file("t.tld");
    for (const StringGrid &shape : {StringGrid(8, 3), StringGrid(9, 0), StringGrid(0, 0)}) {
        saveTally(path, shape);
        EXPECT_THROW(loadTally(path), GridTextError) << shape.colCount() << " x " << shape.rowCount();
    }
    saveTally(path, StringGrid(10, 1));
    EXPECT_EQ(loadTally(path)->colCount(), 10);
}

TEST(TallyFile, DamagedBytesAreKeptBesideTheFileNewestOnly)
{
    ScratchFolder folder;
    const std::string path = folder.file("Tavlixtally.tld");
    EXPECT_TRUE(keepDamagedTally(path)) << "no file, nothing to keep";
    EXPECT_FALSE(std::filesystem::exists(damagedTallyPath(path)));

    writeWholeFile(path, "first damage");
    ASSERT_TRUE(keepDamagedTally(path));
    writeWholeFile(path, std::string("second\0damage", 13));
    ASSERT_TRUE(keepDamagedTally(path));
    EXPECT_EQ(damagedTallyPath(path), path + ".damaged");
    EXPECT_EQ(readWholeFile(damagedTallyPath(path)), std::string("second\0damage", 13));

    // What cannot be read cannot be kept: the caller must leave it alone.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_FALSE(keepDamagedTally(path));
}
