#include "scratchfolder.h"
#include "storagepaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {

// Sets an environment variable for the length of a test.
class EnvironmentValue
{
public:
    EnvironmentValue(const char *name, const char *value)
        : m_name(name)
    {
        if (const char *old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvironmentValue()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char *m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(StoragePaths, WritableExecutableFolderHoldsBothFiles)
{
    ScratchFolder folder;
    const std::string exe = folder.path().string();
    EXPECT_EQ(storageFolder(exe), exe);
    EXPECT_EQ(settingsFilePath(exe), exe + "/orvellobby.ini");
    EXPECT_EQ(tallyFilePath(exe), exe + "/Tavlixtally.tld");
    // The probe leaves nothing behind.
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(StoragePaths, UnwritableExecutableFolderFallsBackToTheUserDataFolder)
{
    ScratchFolder folder;
    const std::string data = folder.file("data");
    EnvironmentValue xdg("XDG_DATA_HOME", data.c_str());
    const std::string exe = folder.unwritableFolder();
    EXPECT_EQ(storageFolder(exe), data + "/Tavlix");
    EXPECT_TRUE(std::filesystem::is_directory(data + "/Tavlix"));
    EXPECT_EQ(settingsFilePath(exe), data + "/Tavlix/orvellobby.ini");
    EXPECT_EQ(tallyFilePath(exe), data + "/Tavlix/Tavlixtally.tld");
}

TEST(StoragePaths, InstalledCopyInABinOrGamesFolderUsesTheUserDataFolderEvenWhenWritable)
{
    // An installed copy shares bin/ or games/ with other programs: root can
    // write there, yet its files belong in the user's data folder.
    ScratchFolder folder;
    const std::string data = folder.file("data");
    EnvironmentValue xdg("XDG_DATA_HOME", data.c_str());
    for (const std::string &bin : {folder.file("usr/bin"), folder.file("usr/games")}) {
        std::filesystem::create_directories(bin);
        EXPECT_EQ(storageFolder(bin), data + "/Tavlix");
        EXPECT_EQ(storageFolder(bin + "/"), data + "/Tavlix");
        EXPECT_TRUE(std::filesystem::is_empty(bin));
    }
    // A portable copy in a folder of its own keeps its files beside it.
    const std::string portable = folder.file("games/binary-tavlix");
    std::filesystem::create_directories(portable);
    EXPECT_EQ(storageFolder(portable), portable);
}

TEST(StoragePaths, UserDataFolderFollowsXdgThenHome)
{
    ScratchFolder folder;
    EnvironmentValue home("HOME", folder.path().c_str());
    {
        EnvironmentValue xdg("XDG_DATA_HOME", nullptr);
        EXPECT_EQ(perUserDataFolder(), folder.file(".local/share/Tavlix"));
    }
    {
        // Relative values of XDG_DATA_HOME are to be ignored.
        EnvironmentValue xdg("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ(perUserDataFolder(), folder.file(".local/share/Tavlix"));
    }
    EnvironmentValue xdg("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(perUserDataFolder(), "/srv/data/Tavlix");
}
