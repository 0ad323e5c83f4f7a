#include "protocol.h"

#include <gtest/gtest.h>

using namespace wire;

namespace {

QByteArray ff(const char *text)
{
    return QByteArray(text) + Terminator;
}

} // namespace

TEST(WireMessages, SendlogininfoIsExactlyTwentyBytes)
{
    const QByteArray m = host::sendlogininfo(3);
    const QByteArray expected = QByteArray::fromHex("434D445F73656E646C6F67696E696E666F2B33FF");
    EXPECT_EQ(m, expected);
    EXPECT_EQ(m.size(), 20);
}

TEST(WireMessages, WorkedExamplesByteForByte)
{
    // A second player logs in while Blue sits at seat 1.
    EXPECT_EQ(client::logininfo(2, "1.0.0", "Red"), ff("CMD_logininfo+2+1.0.0+Red"));
    EXPECT_EQ(host::newplayerinfo(2, "Red"), ff("CMD_newplayerinfo+2+Red+0"));
    EXPECT_EQ(host::existingplayers({{1, "Blue", false}}), ff("CMD_existingplayers+1+Blue+0"));

    // Seat 2 places slot 3 on (4, 5).
    EXPECT_EQ(client::placetile(2, 4, 5, 3), ff("CMD_placetile+2+4+5+3+"));
    EXPECT_EQ(host::heplace(2, 20, 5, 4, 5, tile{1, 2, 3, 4}), ff("CMD_heplace+2+20+5+4+5+1+2+3+4+"));
    EXPECT_EQ(host::showtiles(2, {{3, tile{4, 4, 1, 2}}}), ff("CMD_showtiles+2+3+4+4+1+2"));
    EXPECT_EQ(host::nextplayer(1), ff("CMD_nextplayer+1+"));
    EXPECT_EQ(host::anerror(2, 3), ff("CMD_anerror+2+3+"));
}

TEST(WireMessages, ClientMessagesMatchTheCatalogue)
{
    EXPECT_EQ(client::startgame("Ann", "5"), ff("CMD_startgame+Ann+5++"));
    EXPECT_EQ(client::chat(1, "hi + bye", "clBlack"), ff("CMD_chat+1+hi + bye|clBlack"));
    EXPECT_EQ(client::action(4, "waves", "$00010203"), ff("CMD_action+4+waves|$00010203"));
    EXPECT_EQ(client::playasound(2, 13), ff("CMD_playasound+2+wave13+"));
    EXPECT_EQ(client::justwatch(3, 1), ff("CMD_justwatch+3+1"));
    EXPECT_EQ(client::justwatch(3, 2), ff("CMD_justwatch+3+2"));
    EXPECT_EQ(client::kickhim(1, 5), ff("CMD_kickhim+1+5+"));
}

TEST(WireMessages, HostMessagesMatchTheCatalogue)
{
    EXPECT_EQ(host::full(), ff("CMD_full+"));
    EXPECT_EQ(host::existingplayers({{1, "Ann", false}, {3, "Bo", true}}),
              ff("CMD_existingplayers+1+Ann+0+3+Bo+1"));
    EXPECT_EQ(host::havewrongversion("Red"), ff("CMD_havewrongversion+Red"));
    EXPECT_EQ(host::wrongversion(), ff("CMD_wrongversion+"));
    EXPECT_EQ(host::loadboard(8, {{0, 1, tile{1, 2, 3, 4}}, {9, 8, tile{4, 4, 4, 4}}}),
              ff("CMD_loadboard+8+0+1+1+2+3+4+9+8+4+4+4+4"));
    EXPECT_EQ(host::loadstats(3, 5, 2, 1, {10, 20, 0, 0, 0, 65}),
              ff("CMD_loadstats+3+5+2+1+1+10+2+20+3+0+4+0+5+0+6+65"));
    EXPECT_EQ(host::playerdisconnected(2, "Red"), ff("CMD_playerdisconnected+2+Red"));
    EXPECT_EQ(host::justwatching(4, 1), ff("CMD_justwatching+4+1"));
    EXPECT_EQ(host::chat(2, "Red", "hi+there|clRed"), ff("CMD_chat+2+Red chats: hi+there|clRed"));
    EXPECT_EQ(host::action(2, "Red", "waves|clRed"), ff("CMD_action+2+Red waves|clRed"));
    EXPECT_EQ(host::playasound(2, "wave7+"), ff("CMD_playasound+2+wave7+"));
    EXPECT_EQ(host::startgame("Ann", 3), ff("CMD_startgame+Ann+3+"));
    EXPECT_EQ(host::roundstarting(4), ff("CMD_roundstarting+4+"));
    EXPECT_EQ(host::nomoves(6), ff("CMD_nomoves+6+"));
    EXPECT_EQ(host::roundend(), ff("CMD_roundend+"));
    EXPECT_EQ(host::winner("Klot"), ff("CMD_winner+Klot+"));
}

TEST(FieldReading, FieldsEndAtPlusAndRestKeepsPluses)
{
    FieldReader r("2+Red chats: a+b|clRed");
    EXPECT_EQ(r.num(), 2);
    EXPECT_EQ(r.rest(), "Red chats: a+b|clRed");
    EXPECT_TRUE(r.atEnd());
}

TEST(FieldReading, MissingPlusMakesTheFieldEmpty)
{
    // CMD_placetile without its final "+": the slot field is empty.
    FieldReader r("2+4+5+3");
    EXPECT_EQ(r.num(), 2);
    EXPECT_EQ(r.num(), 4);
    EXPECT_EQ(r.num(), 5);
    EXPECT_EQ(r.field(), "");
    EXPECT_EQ(r.remaining(), "3") << "nothing is removed without a '+'";
    EXPECT_THROW(r.num(), BadField);
}

TEST(FieldReading, LastValueOfAListRunsToTheEnd)
{
    FieldReader r("2+3+4+4+1+2");
    EXPECT_EQ(r.num(), 2);
    EXPECT_EQ(r.num(), 3);
    EXPECT_EQ(r.num(), 4);
    EXPECT_EQ(r.num(), 4);
    EXPECT_EQ(r.num(), 1);
    EXPECT_EQ(r.lastNum(), 2);
    EXPECT_TRUE(r.atEnd());
}

TEST(FieldReading, TilesReadTopFirstWithOrWithoutAClosingPlus)
{
    FieldReader r("1+2+3+4+4+3+2+1+");
    EXPECT_EQ(readTile(r), (tile{1, 2, 3, 4}));
    EXPECT_EQ(readTile(r), (tile{4, 3, 2, 1}));
    EXPECT_TRUE(r.atEnd());
    FieldReader last("1+2+3+4");
    EXPECT_EQ(readTile(last), (tile{1, 2, 3, 4}));
    FieldReader broken("1+2+x+4");
    EXPECT_THROW(readTile(broken), BadField);
}

TEST(FieldReading, OnlyPlainDecimalDigitsAreNumbers)
{
    EXPECT_EQ(parseNumber("0"), 0);
    EXPECT_EQ(parseNumber("250"), 250);
    EXPECT_EQ(parseNumber("2147483647"), 2147483647);
    for (const char *bad : {"", "x", "-1", "+1", " 1", "1 ", "1.0", "$10", "2147483648", "99999999999999999999"})
        EXPECT_FALSE(parseNumber(bad).has_value()) << bad;
}

TEST(FieldReading, NameIsTextBeforeTheFirstPlus)
{
    EXPECT_EQ(splitMessage("CMD_roundend+"), std::make_pair(QByteArray("CMD_roundend"), QByteArray()));
    EXPECT_EQ(splitMessage("CMD_chat+1+a+b"), std::make_pair(QByteArray("CMD_chat"), QByteArray("1+a+b")));
    EXPECT_TRUE(splitMessage("CMD_full").first.isEmpty());
    EXPECT_TRUE(splitMessage("").first.isEmpty());
}

TEST(WireText, SingleByteWindows1252)
{
    EXPECT_EQ(encodeText(QStringLiteral("Zoë €5")), QByteArray("Zo\xEB \x80" "5"));
    EXPECT_EQ(decodeText(QByteArray("Zo\xEB \x80" "5")), QStringLiteral("Zoë €5"));
    EXPECT_EQ(encodeText(QStringLiteral("日本")), QByteArray("??"));
    EXPECT_EQ(decodeText(QByteArray("\x93quoted\x94")), QStringLiteral("\u201Cquoted\u201D"));
}

TEST(WireText, NeverProducesTheTerminator)
{
    const QByteArray bytes = encodeText(QStringLiteral("ÿes ÿ"));
    EXPECT_FALSE(bytes.contains(Terminator));
    EXPECT_EQ(bytes, "yes y");
    QString all;
    for (char16_t c = 1; c < 0x3000; ++c)
        all += QChar(c);
    EXPECT_FALSE(encodeText(all).contains(Terminator));
}
