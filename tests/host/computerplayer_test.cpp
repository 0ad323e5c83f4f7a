// The computer player: its scan, its moves, taking over seats, and a whole
// solo game.
#include "hostharness.h"

#include "placement.h"
#include "protocol.h"
#include "scanorder.h"

#include <set>

TEST(ScanOrder, StartsAfterTheRandomCellAndWrapsColumnsAndRows)
{
    const auto order = scanOrder(7, 2);
    const std::vector<ScanCell> column8 = {{8, 3}, {8, 4}, {8, 5}, {8, 6}, {8, 7}, {8, 8}, {8, 0}, {8, 1}, {8, 2}};
    EXPECT_TRUE(std::equal(column8.begin(), column8.end(), order.begin()));
    EXPECT_EQ(order[9], (ScanCell{9, 3}));
    EXPECT_EQ(order[17], (ScanCell{9, 2}));
    EXPECT_EQ(order[18], (ScanCell{0, 3}));
    EXPECT_EQ(order[27], (ScanCell{1, 3}));
    EXPECT_EQ(order[81], (ScanCell{7, 3}));
    EXPECT_EQ(order[89], (ScanCell{7, 2}));
    std::set<std::pair<int, int>> distinct;
    for (const ScanCell &c : order)
        distinct.insert({c.x, c.y});
    EXPECT_EQ(distinct.size(), 90u);
}

using ComputerPlayer = HostTest;

TEST_F(ComputerPlayer, OpensTheRoundOnTheCentreOneBotIntervalAfterTheTurn)
{
    server.setBotSpeedProvider([] { return 500; });
    join(1, "Blue");
    deliver(1, "CMD_startgame+Blue+3++");
    probe.timer1().setInterval(3600 * 1000);
    sent.clear();
    probe.setCurrentPlayer(1);
    server.game().findplayer();
    ASSERT_EQ(to(1), QList<QByteArray>{ff("CMD_nextplayer+2+")});
    EXPECT_EQ(server.flow().computertimer().Tag, 1);
    EXPECT_EQ(server.flow().computertimer().interval(), 500);
    probe.computertimer().setInterval(3600 * 1000);

    server.game().computertimerTimer();
    ASSERT_EQ(to(1).size(), 2);
    EXPECT_TRUE(to(1)[1].startsWith("CMD_heplace+2+0+0+5+5+"));
    EXPECT_TRUE(server.flow().board().taken(5, 5));
    EXPECT_EQ(server.flow().computertimer().Tag, 0);
}

TEST_F(ComputerPlayer, ASeatWhoseConnectionNeverLoggedInTakesNoPartInTheGame)
{
    join(1, "Blue");
    probe.occupy(3); // connected, no login yet
    deliver(1, "CMD_startgame+Blue+3++");
    EXPECT_FALSE(server.seats()[3].playing);
    probe.computertimer().stop();
    probe.setCurrentPlayer(2);
    server.game().findplayer();
    EXPECT_EQ(server.flow().currentplayer(), 1) << "the turn passes over the silent connection";
}

TEST_F(ComputerPlayer, FillsTheOnlyCellWithFourNeighboursFirst)
{
    twoPlayerGame();
    probe.board().at(3, 3) = tile{1, 1, 1, 1};
    probe.board().at(4, 2) = tile{1, 1, 2, 1};
    probe.board().at(5, 3) = tile{1, 1, 1, 3};
    probe.board().at(4, 4) = tile{4, 1, 1, 1};
    probe.board().at(3, 2) = tile{1, 1, 1, 1};
    probe.setFirstTile(false);
    for (int slot = 1; slot <= 7; ++slot)
        probe.seat(2).hand.at(slot) = tile{4, 4, 4, 4};
    probe.seat(2).hand.at(6) = tile{2, 3, 4, 1};
    probe.seat(2).watching = true;
    giveTurn(1);
    server.game().findplayer();
    server.game().computertimerTimer();
    // Four neighbours (50) and the block with (3, 2), (4, 2), (3, 3) (50).
    EXPECT_EQ(to(1).value(1), ff("CMD_heplace+2+100+100+4+3+2+3+4+1+"));
}

TEST_F(ComputerPlayer, JustWatchPassesTheTurnAndTheComputerPlaysTheNextOne)
{
    twoPlayerGame();
    join(3, "Green");
    deliver(1, "CMD_startgame+Blue+3++");
    giveTurn(3);
    sent.clear();

    deliver(3, "CMD_justwatch+3+1");
    EXPECT_EQ(to(1), (QList<QByteArray>{ff("CMD_justwatching+3+1"), ff("CMD_nextplayer+1+")}));
    EXPECT_EQ(server.flow().computertimer().Tag, 0);

    deliver(1, "CMD_placetile+1+2+2+1+");
    server.game().timer1Timer(); // seat 2
    deliver(2, "CMD_placetile+2+7+7+1+");
    server.game().timer1Timer(); // seat 3, now the computer's
    EXPECT_EQ(server.flow().currentplayer(), 3);
    EXPECT_TRUE(server.flow().turnOpen());
    ASSERT_EQ(server.flow().computertimer().Tag, 1);
    server.game().computertimerTimer();
    EXPECT_FALSE(server.flow().turnOpen());
    EXPECT_TRUE(to(3).last().startsWith("CMD_showtiles+3+"));
}

using SoloGame = LoopbackTest;

TEST_F(SoloGame, HostAgainstTheComputerPlaysToAWinner)
{
    TestClient &you = connectAndLogin("You");
    you.send(ff("CMD_startgame+You+2++"));
    ASSERT_TRUE(you.waitFor(ff("CMD_roundstarting+1+")));

    // Plays seat 1 by the rules' own first legal placement, lets the
    // computer play seat 2, and runs the pauses tick by tick.
    int placements = 0;
    for (int step = 0; step < 3000 && server.flow().gamerunning(); ++step) {
        if (server.flow().turnOpen() && server.flow().currentplayer() == 1) {
            bool placed = false;
            for (int x = 0; x < 10 && !placed; ++x)
                for (int y = 0; y < 9 && !placed; ++y)
                    for (int slot = 1; slot <= 7 && !placed; ++slot)
                        if (!server.flow().board().taken(x, y) && canplace(server.flow().board(), x, y, server.seats()[1].hand.at(slot))) {
                            you.send(wire::client::placetile(1, x, y, slot));
                            placed = true;
                        }
            ASSERT_TRUE(placed);
            ASSERT_TRUE(QTest::qWaitFor([&] { return !server.flow().turnOpen(); }, 5000));
            ++placements;
        } else if (server.flow().computertimer().Tag == 1) {
            server.game().computertimerTimer();
        } else {
            ASSERT_EQ(server.flow().timer1().Tag != 0, true);
            server.game().timer1Timer();
        }
    }
    ASSERT_FALSE(server.flow().gamerunning());
    ASSERT_TRUE(you.sync());
    EXPECT_GT(placements, 0);
    const QByteArray winner = server.seats()[1].score > server.seats()[2].score ? "You" : "Klot";
    const auto count = [&](const QByteArray &m) { return you.messages.count(m); };
    EXPECT_EQ(count(ff("CMD_winner+" + winner + "+")), 1);
    EXPECT_GE(server.flow().roundcount(), 2);
    EXPECT_EQ(count(ff("CMD_roundend+")), server.flow().roundcount());
}
