// Games, rounds, turns and placements.
#include "hostharness.h"

// Seats 1 (Blue) and 2 (Red) in a game; seat 2 holds the turn and may place
// slot 3 (top 1, right 2, bottom 3, left 4) on (4, 5), under the tile on
// (4, 4); the pool's next tile is top 4, right 4, bottom 1, left 2.
class WorkedExamples : public LoopbackTest
{
protected:
    void SetUp() override
    {
        blue = &connectAndLogin("Blue");
        red = &connectAndLogin("Red");
        blue->send(ff("CMD_startgame+Blue+3++"));
        ASSERT_TRUE(red->waitFor(ff("CMD_roundstarting+1+")));
        syncAll();
        probe.board().clear();
        probe.setFirstTile(false);
        probe.seat(2).hand.at(3) = tile{1, 2, 3, 4};
        probe.seat(2).score = 15;
        probe.pool().tiles[server.flow().pool().poolindex] = tile{4, 4, 1, 2};
        probe.setCurrentPlayer(2);
        probe.setTurnOpen(true);
        blue->take();
        red->take();
    }

    TestClient *blue = nullptr;
    TestClient *red = nullptr;
};

TEST_F(WorkedExamples, PlacementIsAnnouncedRefilledAndTheTurnPassesATickLater)
{
    probe.board().at(4, 4) = tile{3, 3, 1, 3};
    red->send(ff("CMD_placetile+2+4+5+3+"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.flow().timer1().isActive(); }, 5000));
    server.game().timer1Timer();
    syncAll();
    const QByteArray heplace = ff("CMD_heplace+2+20+5+4+5+1+2+3+4+");
    EXPECT_EQ(red->take(), (QList<QByteArray>{heplace, ff("CMD_showtiles+2+3+4+4+1+2"), ff("CMD_nextplayer+1+")}));
    EXPECT_EQ(blue->take(), (QList<QByteArray>{heplace, ff("CMD_nextplayer+1+")}));
}

TEST_F(WorkedExamples, MismatchIsRefusedToThePlacerOnly)
{
    probe.board().at(4, 4) = tile{3, 3, 2, 3};
    red->send(ff("CMD_placetile+2+4+5+3+"));
    syncAll();
    EXPECT_EQ(red->take(), QList<QByteArray>{ff("CMD_anerror+2+3+")});
    EXPECT_TRUE(blue->take().isEmpty());
    EXPECT_EQ(server.seats()[2].score, 15);
    EXPECT_TRUE(server.flow().turnOpen());
    EXPECT_FALSE(server.flow().timer1().isActive());
}

using GameStart = HostTest;

TEST_F(GameStart, RoundsThatAreNotANumberMeanThreeAndSeatTwoAlwaysPlays)
{
    join(1, "Blue");
    join(7, "Spy");
    probe.seat(1).watching = true;
    sent.clear();
    deliver(1, "CMD_startgame+Blue+x++");
    EXPECT_EQ(to(7).value(0), ff("CMD_startgame+Blue+3+"));
    EXPECT_EQ(to(7).value(1), ff("CMD_roundstarting+1+"));
    EXPECT_EQ(server.flow().numrounds(), 3);
    EXPECT_TRUE(server.seats()[1].playing && server.seats()[2].playing);
    for (int seat : {3, 4, 5, 6, 7})
        EXPECT_FALSE(server.seats()[seat].playing) << seat;
    EXPECT_FALSE(server.seats()[1].watching);
    // The deal reaches the connected player only; the computer seat gets none.
    EXPECT_TRUE(to(1).value(2).startsWith("CMD_showtiles+1+1+"));
    EXPECT_EQ(server.flow().pool().poolindex, 14);
}

TEST_F(GameStart, RoundsOutsideTheDialogsRangeAreClampedToOneToTen)
{
    join(1, "Blue");
    sent.clear();
    deliver(1, "CMD_startgame+Blue+0++");
    EXPECT_EQ(to(1).value(0), ff("CMD_startgame+Blue+1+"));
    EXPECT_EQ(to(1).value(1), ff("CMD_roundstarting+1+"));
    EXPECT_TRUE(server.flow().gamerunning());

    // A count past any int, and one that only a loop of years would play.
    sent.clear();
    deliver(1, "CMD_startgame+Blue+99999999999++");
    EXPECT_EQ(to(1).value(0), ff("CMD_startgame+Blue+3+")) << "not a number: the default";
    deliver(1, "CMD_startgame+Blue+2000000000++");
    EXPECT_EQ(server.flow().numrounds(), 10);
}

using GameEnd = HostTest;

TEST_F(GameEnd, TieAtTheTopAfterTheLastRoundAddsRoundFour)
{
    twoPlayerGame();
    join(3, "Green");
    probe.setRoundCount(3);
    probe.seat(1).score = 120;
    probe.seat(2).score = 80;
    probe.seat(3).score = 120;
    sent.clear();
    server.game().startround();
    EXPECT_EQ(to(1).value(0), ff("CMD_roundstarting+4+"));
    EXPECT_TRUE(server.flow().gamerunning());
}

TEST_F(GameEnd, SingleLeaderWinsUnderItsNameOrItsComputerName)
{
    twoPlayerGame();
    probe.setRoundCount(3);
    probe.seat(1).score = 120;
    probe.seat(2).score = 80;
    server.game().startround();
    EXPECT_EQ(to(1), QList<QByteArray>{ff("CMD_winner+Blue+")});
    EXPECT_FALSE(server.flow().gamerunning());

    sent.clear();
    probe.seat(2).name.clear();
    probe.seat(2).score = 200;
    EXPECT_TRUE(server.game().checkforwin());
    EXPECT_EQ(to(1), QList<QByteArray>{ff("CMD_winner+Klot+")});
}

TEST_F(GameEnd, EverySeatStuckEndsTheRoundAfterThreeTickPauses)
{
    twoPlayerGame();
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 9; ++y)
            probe.board().at(x, y) = tile{1, 1, 1, 1};
    probe.setCurrentPlayer(1);
    server.game().findplayer();
    EXPECT_EQ(to(1), QList<QByteArray>{ff("CMD_nomoves+2+")});

    const auto ticks = [this](int n) {
        sent.clear();
        for (int i = 0; i < n; ++i)
            server.game().timer1Timer();
        return to(1);
    };
    EXPECT_TRUE(ticks(2).isEmpty());
    EXPECT_EQ(ticks(1), QList<QByteArray>{ff("CMD_nomoves+1+")});
    EXPECT_TRUE(ticks(2).isEmpty());
    EXPECT_EQ(ticks(1), QList<QByteArray>{ff("CMD_roundend+")});
    EXPECT_TRUE(ticks(6).isEmpty());
    const QList<QByteArray> next = ticks(1);
    EXPECT_EQ(next.value(0), ff("CMD_roundstarting+2+"));
    EXPECT_FALSE(server.seats()[1].nomoves || server.seats()[2].nomoves);
}
