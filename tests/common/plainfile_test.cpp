#include "filesizelimit.h"
#include "plainfile.h"
#include "scratchfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(PlainFile, ReadingTellsMissingFromUnreadable)
{
    ScratchFolder folder;
    EXPECT_EQ(readPlainFile(folder.file("absent")).status, FileRead::Missing);
    EXPECT_EQ(readPlainFile(folder.file("absent/below")).status, FileRead::Missing);
    fs::create_directory(folder.file("folder"));
    EXPECT_EQ(readPlainFile(folder.file("folder")).status, FileRead::CannotOpen);

    const std::string bytes("a\0b\r\n\xFF", 6);
    writeWholeFile(folder.file("f"), bytes);
    const PlainFile file = readPlainFile(folder.file("f"));
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.bytes, bytes);
}

TEST(PlainFile, ReplacingKeepsThePermissionBitsAndFollowsLinks)
{
    ScratchFolder folder;
    const std::string target = folder.file("real.ini");
    writeWholeFile(target, "old");
    ::chmod(target.c_str(), 0600);
    fs::create_symlink(target, folder.file("link.ini"));

    ASSERT_EQ(replaceFileAtomically(folder.file("link.ini"), "new"), 0);
    EXPECT_TRUE(fs::is_symlink(folder.file("link.ini")));
    EXPECT_EQ(readWholeFile(target), "new");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::mask, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::exists(atomicTemporaryPath(target)));
}

TEST(PlainFile, AFailedReplacementLeavesTheOldFileWhole)
{
    ScratchFolder folder;
    const std::string path = folder.file("f");
    writeWholeFile(path, "old bytes");
    {
        FileSizeLimit limit(4);
        EXPECT_NE(replaceFileAtomically(path, "far more than four bytes"), 0);
    }
    EXPECT_EQ(readWholeFile(path), "old bytes");
    EXPECT_FALSE(fs::exists(atomicTemporaryPath(path)));

    // A folder in the file's place cannot be replaced by a file.
    fs::create_directory(folder.file("d"));
    EXPECT_NE(replaceFileAtomically(folder.file("d"), "x"), 0);
    EXPECT_TRUE(fs::is_directory(folder.file("d")));
    EXPECT_NE(replaceFileAtomically(folder.unwritableFolder() + "/f", "x"), 0);
}
