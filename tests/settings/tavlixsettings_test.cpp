#include "scratchfolder.h"
#include "tavlixsettings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A profile holding the given lines of section "Tavlix".
struct ProfileWith
{
    explicit ProfileWith(const std::string &lines)
        : profile(folder.file("orvellobby.ini"))
    {
        writeWholeFile(profile.path(), "[Tavlix]\r\n" + lines);
    }
    ScratchFolder folder;
    IniProfile profile;
};

TavlixSettings readWith(const std::string &lines)
{
    ProfileWith file(lines);
    return readTavlixSettings(file.profile);
}

} // namespace

TEST(TavlixSettings, MissingFileGivesEveryDefault)
{
    ScratchFolder folder;
    const TavlixSettings s = readTavlixSettings(IniProfile(folder.file("orvellobby.ini")));
    EXPECT_EQ(s.Textsize, 8);
    EXPECT_EQ(s.Top, 3);
    EXPECT_EQ(s.Left, 3);
    EXPECT_EQ(s.Width, 772);
    EXPECT_EQ(s.Height, 535);
    EXPECT_EQ(s.Textcolor, ColourBlack);
    EXPECT_EQ(s.Roundnum, 3);
    EXPECT_EQ(s.Botspeed, 1000);
    EXPECT_EQ(s.Turnsound, TurnSound::Classic);
    for (const auto &phrase : s.Phrase)
        EXPECT_FALSE(phrase);
    EXPECT_TRUE(s.Playsounds);
    EXPECT_TRUE(s.Playerphrasesounds);
    EXPECT_TRUE(s.Help);
}

TEST(TavlixSettings, IntegersReadDecimalOrHexAndOtherTextFallsBack)
{
    const TavlixSettings s = readWith("Textsize=11\r\nTop=-20\r\nLeft=$10\r\nWidth=0x320\r\nHeight=big\r\n");
    EXPECT_EQ(s.Textsize, 11);
    EXPECT_EQ(s.Top, -20);
    EXPECT_EQ(s.Left, 16);
    EXPECT_EQ(s.Width, 800);
    EXPECT_EQ(s.Height, 535);

    EXPECT_EQ(parseSettingsInteger("2147483647"), 2147483647);
    EXPECT_FALSE(parseSettingsInteger("2147483648"));
    EXPECT_EQ(parseSettingsInteger("$FFFFFFFF"), -1);
    EXPECT_FALSE(parseSettingsInteger("$"));
    EXPECT_FALSE(parseSettingsInteger("12px"));
}

TEST(TavlixSettings, BotspeedOtherThanSlowOrFastIsNormal)
{
    EXPECT_EQ(readWith("Botspeed=1500\r\n").Botspeed, 1000);
    EXPECT_EQ(readWith("Botspeed=2000\r\n").Botspeed, 2000);
    EXPECT_EQ(readWith("Botspeed=500\r\n").Botspeed, 500);
    EXPECT_EQ(readWith("Botspeed=$1F4\r\n").Botspeed, 1000);
}

TEST(TavlixSettings, TextValuesAreComparedExactly)
{
    EXPECT_TRUE(readWith("Playsounds=FALSE\r\n").Playsounds);
    EXPECT_FALSE(readWith("Playsounds=false\r\n").Playsounds);
    EXPECT_FALSE(readWith("Showfits=TRUE\r\n").Showfits) << "only the exact text \"true\" switches on";
    EXPECT_EQ(readWith("Botlevel=02\r\n").Botlevel, BotLevel::Classic);
    EXPECT_EQ(readWith("Botlevel=3\r\n").Botlevel, BotLevel::Expert);
    EXPECT_EQ(readWith("Botlevel=4\r\n").Botlevel, BotLevel::Classic);
    EXPECT_TRUE(readWith("Playerphrasesounds=False\r\n").Playerphrasesounds);
    EXPECT_FALSE(readWith("Playerphrasesounds=\"false\"\r\n").Playerphrasesounds);
    EXPECT_EQ(readWith("Turnsound=1\r\n").Turnsound, TurnSound::New);
    EXPECT_EQ(readWith("Turnsound=01\r\n").Turnsound, TurnSound::Classic);
    EXPECT_FALSE(readWith("Help=2\r\n").Help);
}

TEST(TavlixSettings, TextcolorIsColourTextOrBlack)
{
    EXPECT_EQ(readWith("Textcolor=clNavy\r\n").Textcolor, colourValue(0, 0, 128));
    EXPECT_EQ(readWith("Textcolor=$000000FF\r\n").Textcolor, ColourRed);
    EXPECT_EQ(readWith("Textcolor=purple\r\n").Textcolor, ColourBlack);
}

TEST(TavlixSettings, EmptyOrNonIntegerRoundnumLeavesTheBoxAlone)
{
    EXPECT_EQ(readWith("Roundnum=7\r\n").Roundnum, 7);
    EXPECT_FALSE(readWith("Roundnum=\r\n").Roundnum);
    EXPECT_FALSE(readWith("Roundnum=seven\r\n").Roundnum);
}

TEST(TavlixSettings, EmptyPhraseLeavesTheButtonAlone)
{
    const TavlixSettings s = readWith("Phrase1=Good game\r\nPhrase3=\r\nphrase9=  Bye \r\n");
    EXPECT_EQ(s.Phrase[0], "Good game");
    EXPECT_FALSE(s.Phrase[1]);
    EXPECT_FALSE(s.Phrase[2]);
    EXPECT_EQ(s.Phrase[8], "Bye");
}

TEST(TavlixSettings, SavingWritesTheThirteenKeysInOrderAndReadsBack)
{
    ScratchFolder folder;
    IniProfile profile(folder.file("orvellobby.ini"));
    writeHelpSeen(profile);
    TavlixSettings s;
    s.Textsize = 11;
    s.Top = 40;
    s.Left = -5;
    s.Width = 900;
    s.Height = 600;
    s.Textcolor = colourValue(1, 2, 3);
    s.Roundnum = 5;
    s.Botspeed = 2000;
    s.Turnsound = TurnSound::New;
    s.Playsounds = false;
    s.Playerphrasesounds = true;
    s.Showfits = true;
    s.Botlevel = BotLevel::Strong;
    s.Openport = false;
    s.Announce = false;
    s.Language = "pt_BR";
    s.Online = OnlineMode::Public;
    s.Lobbyserver = "[2001:db8::7]:7773";
    s.Lobbysecret = "never written by a save";
    writeTavlixSettings(profile, s);
    EXPECT_EQ(readWholeFile(profile.path()),
              "[Tavlix]\r\nHelp=2\r\nTextsize=11\r\nTop=40\r\nLeft=-5\r\nWidth=900\r\nHeight=600\r\n"
              "Textcolor=$00030201\r\nRoundnum=5\r\nBotspeed=2000\r\nTurnsound=1\r\n"
              "Playerphrasesounds=true\r\nPlaysounds=false\r\nShowfits=true\r\nBotlevel=2\r\nOpenport=0\r\n"
              "Announce=0\r\nLanguage=pt_BR\r\nOnline=2\r\n");

    const TavlixSettings back = readTavlixSettings(profile);
    EXPECT_EQ(back.Textsize, 11);
    EXPECT_EQ(back.Left, -5);
    EXPECT_EQ(back.Textcolor, colourValue(1, 2, 3));
    EXPECT_EQ(back.Botspeed, 2000);
    EXPECT_FALSE(back.Playsounds);
    EXPECT_TRUE(back.Showfits);
    EXPECT_EQ(back.Botlevel, BotLevel::Strong);
    EXPECT_FALSE(back.Openport);
    EXPECT_FALSE(back.Announce);
    EXPECT_EQ(back.Language, "pt_BR");
    EXPECT_EQ(back.Online, OnlineMode::Public);
    EXPECT_FALSE(back.Help);
}

TEST(TavlixSettings, OnlineDefaultsToInviteOnlyAndTheSecretIsKeptApart)
{
    EXPECT_EQ(readWith("").Online, OnlineMode::InviteOnly);
    EXPECT_EQ(readWith("").Lobbyserver, "lobby.orvelsoftware.com:7773");
    EXPECT_EQ(readWith("Online=0\r\n").Online, OnlineMode::Off);
    EXPECT_EQ(readWith("Online=3\r\n").Online, OnlineMode::InviteOnly);
    EXPECT_EQ(readWith("Lobbyserver=\r\n").Lobbyserver, "lobby.orvelsoftware.com:7773");
    EXPECT_EQ(readWith("Lobbyserver=lobby.test:7773\r\n").Lobbyserver, "lobby.test:7773");

    ScratchFolder folder;
    IniProfile profile(folder.file("orvellobby.ini"));
    writeLobbySecret(profile, "s3cret");
    writeTavlixSettings(profile, TavlixSettings{});
    EXPECT_EQ(readTavlixSettings(profile).Lobbysecret, "s3cret");
}

TEST(TavlixSettings, NormalisedValuesAreWhatTheNextSaveWrites)
{
    ProfileWith file("Botspeed=1500\r\nTextcolor=purple\r\n");
    writeTavlixSettings(file.profile, readTavlixSettings(file.profile));
    EXPECT_EQ(file.profile.readString("Tavlix", "Botspeed"), "1000");
    EXPECT_EQ(file.profile.readString("Tavlix", "Textcolor"), "clBlack");
}

TEST(TavlixSettings, PhrasesAreWrittenAllNineAtOnce)
{
    ScratchFolder folder;
    IniProfile profile(folder.file("orvellobby.ini"));
    std::array<std::string, 9> phrases;
    for (int i = 0; i < 9; ++i)
        phrases[i] = "phrase " + std::to_string(i + 1);
    phrases[4] = "";
    writePhrases(profile, phrases);
    const TavlixSettings s = readTavlixSettings(profile);
    EXPECT_EQ(s.Phrase[0], "phrase 1");
    EXPECT_FALSE(s.Phrase[4]);
    EXPECT_EQ(s.Phrase[8], "phrase 9");
}

TEST(TavlixSettings, SaveToAnUnwritableFolderFailsWithTheFullPath)
{
    ScratchFolder folder;
    const std::string path = folder.unwritableFolder() + "/orvellobby.ini";
    try {
        writeTavlixSettings(IniProfile(path), TavlixSettings{});
        FAIL() << "no failure";
    } catch (const IniWriteError &error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
}
