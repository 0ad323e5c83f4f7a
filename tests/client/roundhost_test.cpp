#include "roundfixture.h"

#include "protocol.h"

// A host that any stranger may run sends seat numbers and counts that point
// nowhere, and fields that are not numbers. The client ignores those parts,
// keeps what it shows, and still ends normally when the host closes.
TEST_F(RoundTest, MalformedMessagesFromAHostOverASocketChangeNothing)
{
    connectSolo();
    hostSends(wire::host::sendlogininfo(1), 1);
    connection->Timer1Timer();
    view->setSeatName(1, "You");
    peer->write("CMD_startgame+You+3+\xFF" "CMD_nextplayer+1+\xFF");
    ASSERT_TRUE(waitUntil([this] { return text("label_status") == "Your Turn."; }));
    sounds.clear();
    lines.clear();

    const QByteArray bad[] = {
        "CMD_nextplayer+0+", "CMD_nextplayer+7+", "CMD_nextplayer+99999999999+", "CMD_nextplayer+-2+",
        "CMD_nextplayer+x+", "CMD_nomoves+9+", "CMD_nomoves+", "CMD_justwatching+8+1", "CMD_justwatching+0+1",
        "CMD_justwatching++1", "CMD_roundstarting+two+", "CMD_startgame+Eve+many+",
        "CMD_loadstats+1+5+2+3+1+10+2", "CMD_loadstats+1+5+2+x+1+10",
        "CMD_winner", "CMD_nextplayer", "CMD_loadstats+1+5+2+1+0+9+7+9+4294967296+9",
    };
    QByteArray stream;
    for (const QByteArray &message : bad)
        stream += message + '\xFF';
    // A good message last shows when all have been handled.
    peer->write(stream + "CMD_nomoves+1+\xFF");
    ASSERT_TRUE(waitUntil([this] { return !sounds.isEmpty(); }));

    EXPECT_EQ(state.whoseturn, 1);
    EXPECT_EQ(text("label_status"), "You do not have a move.");
    EXPECT_EQ(text("label_numrounds"), "Round: 0 of 3");
    EXPECT_EQ(control<QWidget>("image_Turn")->y(), 39);
    for (int seat = 1; seat <= 6; ++seat) {
        EXPECT_EQ(text(QString("label_score%1").arg(seat)), "0") << seat;
        EXPECT_FALSE(shown(QString("image_eyes%1").arg(seat))) << seat;
    }
    EXPECT_EQ(sounds, QStringList{"nomoves"});
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_EQ(justWatchMark, false);

    // The host's close ends the client as always.
    peer->close();
    ASSERT_TRUE(waitUntil([this] { return closes == 1; }));
}
