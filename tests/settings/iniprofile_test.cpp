#include "filesizelimit.h"
#include "iniprofile.h"
#include "plainfile.h"
#include "scratchfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

TEST(IniProfile, MissingFileSectionOrKeyReadsAsMissing)
{
    ScratchFolder folder;
    IniProfile profile(folder.file("orvellobby.ini"));
    EXPECT_FALSE(profile.readString("Tavlix", "Top"));
    writeWholeFile(profile.path(), "[Other]\r\nTop=5\r\n");
    EXPECT_FALSE(profile.readString("Tavlix", "Top"));
    writeWholeFile(profile.path(), "[Tavlix]\r\nLeft=5\r\n");
    EXPECT_FALSE(profile.readString("Tavlix", "Top"));
}

TEST(IniProfile, KeysAndSectionsMatchWithoutRegardToCase)
{
    ScratchFolder folder;
    IniProfile profile(folder.file("p.ini"));
    writeWholeFile(profile.path(), "[other]\nBOTSPEED=1\n[tavlix]\nBOTSPEED=500\n");
    EXPECT_EQ(profile.readString("Tavlix", "Botspeed"), "500");
}

TEST(IniProfile, ValuesAreTrimmedAndLoseOnePairOfQuotes)
{
    ScratchFolder folder;
    IniProfile profile(folder.file("p.ini"));
    writeWholeFile(profile.path(),
                   "[Tavlix]\r\n"
                   "  Phrase1 =   hello there  \r\n"
                   "Phrase2=\"quoted \"\r\n"
                   "Phrase3='single'\r\n"
                   "Phrase4=\"'both'\"\r\n"
                   "Phrase5=\"unbalanced'\r\n"
                   "Phrase6=a=b\r\n"
                   "Phrase7=\r\n");
    EXPECT_EQ(profile.readString("Tavlix", "Phrase1"), "hello there");
    EXPECT_EQ(profile.readString("Tavlix", "Phrase2"), "quoted ");
    EXPECT_EQ(profile.readString("Tavlix", "Phrase3"), "single");
    EXPECT_EQ(profile.readString("Tavlix", "Phrase4"), "'both'");
    EXPECT_EQ(profile.readString("Tavlix", "Phrase5"), "\"unbalanced'");
    EXPECT_EQ(profile.readString("Tavlix", "Phrase6"), "a=b");
    EXPECT_EQ(profile.readString("Tavlix", "Phrase7"), "");
}

TEST(IniProfile, AtMost2047CharactersAreRead)
{
    ScratchFolder folder;
    IniProfile profile(folder.file("p.ini"));
    writeWholeFile(profile.path(), "[Tavlix]\nPhrase1=" + std::string(3000, 'x') + "\n");
    EXPECT_EQ(profile.readString("Tavlix", "Phrase1")->size(), 2047u);
}

TEST(IniProfile, FirstWriteCreatesTheFile)
{
    ScratchFolder folder;
    IniProfile profile(folder.file("orvellobby.ini"));
    profile.writeString("Tavlix", "Help", "2");
    EXPECT_EQ(readWholeFile(profile.path()), "[Tavlix]\r\nHelp=2\r\n");
}

TEST(IniProfile, WritingAKeyKeepsEveryOtherLineInItsPlace)
{
    ScratchFolder folder;
    IniProfile profile(folder.file("p.ini"));
    writeWholeFile(profile.path(),
                   "; launcher settings\r\n"
                   "[Lobby]\r\n"
                   "Server=example\r\n"
                   "\r\n"
                   "[Tavlix]\r\n"
                   "Top=10\r\n"
                   "left=20\r\n"
                   "\r\n"
                   "[Last]\r\n"
                   "X=1\r\n");
    profile.writeString("Tavlix", "Left", "30");
    profile.writeString("Tavlix", "Width", "800");
    profile.writeString("Fresh", "Y", "2");
    EXPECT_EQ(readWholeFile(profile.path()),
              "; launcher settings\r\n"
              "[Lobby]\r\n"
              "Server=example\r\n"
              "\r\n"
              "[Tavlix]\r\n"
              "Top=10\r\n"
              "Left=30\r\n"
              "Width=800\r\n"
              "\r\n"
              "[Last]\r\n"
              "X=1\r\n"
              "[Fresh]\r\n"
              "Y=2\r\n");
}

TEST(IniProfile, LfFilesStayLfAndValuesCannotAddLines)
{
    ScratchFolder folder;
    IniProfile profile(folder.file("p.ini"));
    writeWholeFile(profile.path(), "[Tavlix]\nTop=1");
    profile.writeString("Tavlix", "Phrase1", "hi\r\nHelp=1");
    EXPECT_EQ(readWholeFile(profile.path()), "[Tavlix]\nTop=1\nPhrase1=hi  Help=1\n");
    EXPECT_FALSE(profile.readString("Tavlix", "Help"));
}

TEST(IniProfile, EveryAccessReadsTheFileAfresh)
{
    ScratchFolder folder;
    IniProfile profile(folder.file("p.ini"));
    profile.writeString("Tavlix", "Top", "1");
    writeWholeFile(profile.path(), "[Tavlix]\r\nTop=7\r\n");
    EXPECT_EQ(profile.readString("Tavlix", "Top"), "7");
    profile.writeString("Tavlix", "Left", "2");
    EXPECT_EQ(profile.readString("Tavlix", "Top"), "7");
}

TEST(IniProfile, FailedWriteNamesTheFullPath)
{
    ScratchFolder folder;
    const std::string path = folder.unwritableFolder() + "/orvellobby.ini";
    IniProfile profile(path);
    try {
        profile.writeString("Tavlix", "Help", "2");
        FAIL() << "no failure";
    } catch (const IniWriteError &error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
    EXPECT_FALSE(profile.readString("Tavlix", "Help"));
}

TEST(IniProfile, AFolderInTheFilesPlaceReadsAsMissingAndCannotBeWritten)
{
    ScratchFolder folder;
    const std::string path = folder.file("orvellobby.ini");
    std::filesystem::create_directory(path);
    IniProfile profile(path);
    EXPECT_FALSE(profile.readString("Tavlix", "Help"));
    EXPECT_THROW(profile.writeString("Tavlix", "Help", "2"), IniWriteError);
}

TEST(IniProfile, WritingKeysChangesNoOtherByte)
{
    // Mixed line ends, blanks, a comment, a line without '=', other
    // sections before and after, and no line end at the very end.
    ScratchFolder folder;
    IniProfile profile(folder.file("p.ini"));
    const std::string head = "\xEF\xBB\xBF; lobby\n[Lobby]\r\nServer = a b \t\r\n\n[Tavlix]\r\n  top = 1\r\n";
    const std::string tail = "junk line\r\n\r\n[After]\nX=\"1\"\r";
    writeWholeFile(profile.path(), head + tail);
    profile.writeStrings("Tavlix", {{"Top", "5"}, {"Width", "800"}});
    EXPECT_EQ(readWholeFile(profile.path()),
              "\xEF\xBB\xBF; lobby\n[Lobby]\r\nServer = a b \t\r\n\n[Tavlix]\r\nTop=5\r\n"
              "junk line\r\nWidth=800\r\n\r\n[After]\nX=\"1\"\r");

    // A section that is the last line, without a line end, gets one.
    writeWholeFile(profile.path(), "[A]\nB=1\n[Tavlix]");
    profile.writeStrings("Tavlix", {{"Top", "5"}});
    EXPECT_EQ(readWholeFile(profile.path()), "[A]\nB=1\n[Tavlix]\nTop=5\n");
}

TEST(IniProfile, AFailedWriteLeavesTheWholeOldFile)
{
    ScratchFolder folder;
    IniProfile profile(folder.file("orvellobby.ini"));
    const std::string old = "[Other]\r\nA=1\r\n[Tavlix]\r\nTop=7\r\n";
    writeWholeFile(profile.path(), old);
    {
        // The disk fills up half way through the new text.
        FileSizeLimit limit(old.size() + 5);
        EXPECT_THROW(profile.writeStrings("Tavlix", {{"Top", "8"}, {"Phrase1", std::string(200, 'x')}}), IniWriteError);
    }
    EXPECT_EQ(readWholeFile(profile.path()), old);
    EXPECT_FALSE(std::filesystem::exists(atomicTemporaryPath(profile.path())));
}
