// Messages that name a seat other than their sender's, numbers outside the
// tables, and placements out of turn change nothing; names cannot break the
// message format.
#include "hostharness.h"

#include <QDataStream>

namespace {

// Everything a message could change on the host.
QByteArray snapshot(TServer &s)
{
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    for (int seat = 0; seat <= TServer::SpareSeat; ++seat) {
        const seatrecord &r = s.seats()[seat];
        stream << r.name << r.inuse << r.score << r.watching << r.playing << r.nomoves;
        for (int slot = 1; slot <= 7; ++slot) {
            const tile &t = r.hand.at(slot);
            stream << t.top << t.right << t.bottom << t.left;
        }
    }
    const GameFlow &f = s.flow();
    for (const auto &column : f.board().cells)
        for (const tile &t : column)
            stream << t.top << t.right << t.bottom << t.left;
    stream << f.pool().poolindex << f.gamerunning() << f.currentplayer() << f.roundcount() << f.numrounds()
           << f.firsttile() << f.turnOpen() << f.timer1().Tag << HostProbe(s).turncountdown() << f.computertimer().Tag
           << s.seats().connectioncount();
    return out;
}

} // namespace

class Trust : public HostTest
{
protected:
    // Seats 1 (Blue), 2 (Red) and 3 (Green) in a game; seat 1 holds the turn.
    void SetUp() override
    {
        join(1, "Blue");
        join(2, "Red");
        join(3, "Green");
        deliver(1, "CMD_startgame+Blue+3++");
        giveTurn(1);
        sent.clear();
    }

    void expectIgnored(int origin, const QByteArray &line)
    {
        const QByteArray before = snapshot(server);
        sent.clear();
        deliver(origin, line);
        EXPECT_EQ(snapshot(server), before) << line.constData();
        EXPECT_TRUE(sent.isEmpty()) << line.constData();
    }
};

TEST_F(Trust, SeatNamedInAMessageMustBeTheSendersOwn)
{
    expectIgnored(2, "CMD_logininfo+3+1.0.0+Mallory");
    expectIgnored(2, "CMD_placetile+1+4+4+1+");
    expectIgnored(2, "CMD_chat+1+hello|clBlack");
    expectIgnored(2, "CMD_action+3+waves|clBlack");
    expectIgnored(3, "CMD_playasound+2+wave4+");
    expectIgnored(2, "CMD_justwatch+3+1");
}

TEST_F(Trust, OnlyTheHostRemovesRestartsOrSetsOthersToWatch)
{
    expectIgnored(2, "CMD_kickhim+1+3+");
    expectIgnored(1, "CMD_kickhim+2+3+");
    expectIgnored(2, "CMD_startgame+Red+1++");

    deliver(1, "CMD_justwatch+3+1");
    EXPECT_TRUE(server.seats()[3].watching);
    EXPECT_EQ(to(2), QList<QByteArray>{ff("CMD_justwatching+3+1")});
}

TEST_F(Trust, NumbersOutsideTheTablesAreDropped)
{
    expectIgnored(0, "CMD_logininfo+0+1.0.0+Nobody");
    expectIgnored(1, "CMD_kickhim+1+10+");
    expectIgnored(1, "CMD_kickhim+1+4294967296+");
    expectIgnored(1, "CMD_justwatch+7+1");
    expectIgnored(1, "CMD_justwatch+0+2");
    expectIgnored(1, "CMD_placetile+1+4+4+0+");
    expectIgnored(1, "CMD_placetile+1+4+4+8+");
    expectIgnored(1, "CMD_placetile+1+4+4+");

    // A placement off the board is answered like a taken cell.
    const QByteArray before = snapshot(server);
    deliver(1, "CMD_placetile+1+4+9+1+");
    deliver(1, "CMD_placetile+1+10+0+1+");
    EXPECT_EQ(to(1), (QList<QByteArray>{ff("CMD_anerror+1+1+"), ff("CMD_anerror+1+1+")}));
    EXPECT_EQ(snapshot(server), before);
}

TEST_F(Trust, PlacementsOutOfTurnOrOutsideAGameChangeNothing)
{
    expectIgnored(2, "CMD_placetile+2+4+4+1+");
    probe.seat(1).watching = true; // the computer plays seat 1 now
    expectIgnored(1, "CMD_placetile+1+4+4+1+");
    probe.seat(1).watching = false;

    deliver(1, "CMD_placetile+1+4+4+1+");
    ASSERT_TRUE(server.flow().board().taken(4, 4));
    expectIgnored(1, "CMD_placetile+1+0+0+2+"); // the same turn again

    probe.setGameRunning(false);
    probe.setTurnOpen(true);
    expectIgnored(1, "CMD_placetile+1+0+0+2+");
}

TEST_F(Trust, SittingOutAfterPlacingPassesTheTurnOnce)
{
    giveTurn(3);
    deliver(3, "CMD_placetile+3+4+4+1+");
    sent.clear();
    deliver(3, "CMD_justwatch+3+1");
    server.game().timer1Timer();
    EXPECT_EQ(to(1), (QList<QByteArray>{ff("CMD_justwatching+3+1"), ff("CMD_nextplayer+1+")}));
    EXPECT_EQ(server.flow().timer1().Tag, 0);
}

TEST_F(Trust, LeavingAfterPlacingPassesTheTurnOnce)
{
    giveTurn(3);
    deliver(3, "CMD_placetile+3+4+4+1+");
    TSock &seat3 = probe.standInFor(3);
    sent.clear();
    server.tempsockInfo(&seat3, TSocketInfo::Close, QStringLiteral("Socket Closed"));
    server.tempsockInfo(&seat3, TSocketInfo::Close, QStringLiteral("Socket Closed"));
    server.game().timer1Timer();
    EXPECT_EQ(to(1), (QList<QByteArray>{ff("CMD_playerdisconnected+3+Green"), ff("CMD_nextplayer+1+")}));
    EXPECT_FALSE(server.seats()[3].inuse);
    EXPECT_TRUE(server.seats()[3].playing);
}

TEST_F(Trust, LeavingOnTurnPassesItAtOnceExceptForTheHost)
{
    giveTurn(2);
    TSock &seat2 = probe.standInFor(2);
    server.tempsockInfo(&seat2, TSocketInfo::Close, QStringLiteral("Socket Closed"));
    EXPECT_EQ(server.flow().currentplayer(), 3);

    giveTurn(1);
    TSock &seat1 = probe.standInFor(1);
    server.tempsockInfo(&seat1, TSocketInfo::Close, QStringLiteral("Socket Closed"));
    EXPECT_EQ(server.flow().currentplayer(), 1);
}

TEST_F(Trust, ReturningPlayerAndWaitingComputerMoveMakeOneMove)
{
    probe.seat(2).watching = true;
    probe.setCurrentPlayer(1);
    server.game().findplayer(); // seat 2, played by the computer
    ASSERT_EQ(server.flow().computertimer().Tag, 1);
    deliver(2, "CMD_justwatch+2+1"); // sits out again: the computer still moves
    EXPECT_EQ(server.flow().currentplayer(), 2);
    ASSERT_EQ(server.flow().computertimer().Tag, 1);

    deliver(2, "CMD_justwatch+2+2");
    deliver(2, "CMD_placetile+2+4+4+1+");
    EXPECT_TRUE(server.flow().board().taken(4, 4));
    EXPECT_EQ(server.flow().computertimer().Tag, 0);
    const QByteArray before = snapshot(server);
    server.game().computertimerTimer();
    EXPECT_EQ(snapshot(server), before);
}

TEST_F(Trust, LoginNamesCannotShiftFields)
{
    join(4, "A+B\xFF" "C");
    EXPECT_EQ(server.seats()[4].name, "A-ByC");
    EXPECT_TRUE(to(1).contains(ff("CMD_newplayerinfo+4+A-ByC+0")));
    join(5, "");
    EXPECT_EQ(server.seats()[5].name, "Player5");
}

TEST_F(Trust, LoginNamesCannotCutChatLinesOrTallyLines)
{
    // Receivers cut a chat line at its first "|" (text from colour), and
    // the tally keeps one name per line of its file.
    join(4, "Ann|Bo\r\nX\tY");
    EXPECT_EQ(server.seats()[4].name, "Ann!Bo  X Y");
    sent.clear();
    deliver(4, "CMD_chat+4+hi|clBlue");
    EXPECT_EQ(to(1), QList<QByteArray>{ff("CMD_chat+4+Ann!Bo  X Y chats: hi|clBlue")});
    join(5, " \r\n ");
    EXPECT_EQ(server.seats()[5].name, "Player5");
}
