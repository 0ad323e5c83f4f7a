// Seats over real loopback connections: numbering, login and catch-up,
// refusal, leaving and removal.
#include "hostharness.h"

using Seats = LoopbackTest;

TEST_F(Seats, SecondPlayerLoginIsAnnouncedByteForByte)
{
    TestClient &blue = connectAndLogin("Blue");
    clients.push_back(std::make_unique<TestClient>(server.localPort()));
    TestClient &red = *clients.back();
    ASSERT_TRUE(red.waitForCount(1));
    EXPECT_EQ(red.messages.first(), ff("CMD_sendlogininfo+2"));
    red.seat = 2;
    blue.take();
    red.take();

    red.send(ff("CMD_logininfo+2+1.0.0+Red"));
    ASSERT_TRUE(red.waitForCount(2));
    syncAll();
    EXPECT_EQ(red.take(), (QList<QByteArray>{ff("CMD_newplayerinfo+2+Red+0"), ff("CMD_existingplayers+1+Blue+0")}));
    EXPECT_EQ(blue.take(), QList<QByteArray>{ff("CMD_newplayerinfo+2+Red+0")});
}

TEST_F(Seats, LowestFreeNumberIsReusedWithItsScoreAndHand)
{
    connectAndLogin("Blue");
    TestClient &red = connectAndLogin("Red");
    TestClient &green = connectAndLogin("Green");
    EXPECT_EQ(server.seats().connectioncount(), 3);
    probe.seat(2).score = 40;
    probe.seat(2).hand.at(4) = tile{1, 2, 3, 4};

    red.socket.disconnectFromHost();
    ASSERT_TRUE(green.waitFor(ff("CMD_playerdisconnected+2+Red")));
    EXPECT_FALSE(server.seats()[2].inuse);
    EXPECT_TRUE(server.seats()[2].name.isEmpty());

    TestClient &white = connectAndLogin("White");
    EXPECT_EQ(white.seat, 2);
    EXPECT_EQ(server.seats().connectioncount(), 3);
    EXPECT_EQ(server.seats()[2].score, 40);
    EXPECT_EQ(server.seats()[2].hand.at(4), (tile{1, 2, 3, 4}));
}

TEST_F(Seats, TenthConnectionIsToldFullAndClosed)
{
    for (int i = 1; i <= 9; ++i)
        ASSERT_EQ(connectAndLogin("P" + QByteArray::number(i)).seat, i);

    TestClient tenth(server.localPort());
    ASSERT_TRUE(tenth.waitClosed());
    EXPECT_EQ(tenth.messages, QList<QByteArray>{ff("CMD_full+")});
    for (int seat = 1; seat <= 9; ++seat)
        EXPECT_TRUE(server.seats()[seat].inuse) << seat;
    EXPECT_EQ(server.seats().connectioncount(), 9);

    clients[4]->socket.disconnectFromHost();
    ASSERT_TRUE(clients[0]->waitFor(ff("CMD_playerdisconnected+5+P5")));
    EXPECT_EQ(connectAndLogin("Late").seat, 5);
}

TEST_F(Seats, DifferentVersionIsReportedToHostAndNewcomerButAccepted)
{
    TestClient &blue = connectAndLogin("Blue");
    TestClient &red = connectAndLogin("Red", "0.9");
    syncAll();
    EXPECT_TRUE(blue.take().contains(ff("CMD_havewrongversion+Red")));
    EXPECT_EQ(red.take(), (QList<QByteArray>{ff("CMD_newplayerinfo+2+Red+0"), ff("CMD_existingplayers+1+Blue+0"),
                                             ff("CMD_wrongversion+")}));
    EXPECT_TRUE(server.seats()[2].inuse);
    EXPECT_EQ(server.seats()[2].name, "Red");
}

TEST_F(Seats, LoginDuringGameGetsHandThenBoardThenStats)
{
    TestClient &blue = connectAndLogin("Blue");
    connectAndLogin("Red");
    blue.send(ff("CMD_startgame+Blue+5++"));
    ASSERT_TRUE(blue.waitFor(ff("CMD_roundstarting+1+")));
    probe.board().at(3, 4) = tile{1, 2, 3, 4};
    probe.seat(1).score = 15;
    const int next = server.flow().pool().poolindex;

    TestClient &green = connectAndLogin("Green");
    ASSERT_EQ(green.seat, 3);
    syncAll();
    QByteArray hand = "CMD_showtiles+3";
    for (int slot = 1; slot <= 7; ++slot) {
        const tile &t = probe.pool().tiles[next + slot - 1];
        EXPECT_EQ(server.seats()[3].hand.at(slot), t);
        hand += "+" + QByteArray::number(slot) + "+" + QByteArray::number(t.top) + "+" + QByteArray::number(t.right)
                + "+" + QByteArray::number(t.bottom) + "+" + QByteArray::number(t.left);
    }
    const QByteArray turn = QByteArray::number(server.flow().currentplayer());
    const QList<QByteArray> got = green.take();
    ASSERT_EQ(got.size(), 5);
    EXPECT_EQ(got[2], hand + '\xFF');
    EXPECT_EQ(got[3], ff("CMD_loadboard+3+3+4+1+2+3+4"));
    EXPECT_EQ(got[4], ff("CMD_loadstats+3+5+1+" + turn + "+1+15+2+0+3+0+4+0+5+0+6+0"));
    EXPECT_FALSE(server.seats()[3].playing);
}

TEST_F(Seats, SpectatorLoginDuringGameGetsBoardAndStatsButNoHand)
{
    TestClient &blue = connectAndLogin("Blue");
    for (int i = 2; i <= 7; ++i)
        connectAndLogin("P" + QByteArray::number(i));
    blue.send(ff("CMD_startgame+Blue+3++"));
    ASSERT_TRUE(blue.waitFor(ff("CMD_roundstarting+1+")));
    probe.board().at(0, 8) = tile{4, 4, 4, 4};

    TestClient &spy = connectAndLogin("Spy");
    ASSERT_EQ(spy.seat, 8);
    syncAll();
    const QList<QByteArray> got = spy.take();
    ASSERT_EQ(got.size(), 4);
    EXPECT_EQ(got[2], ff("CMD_loadboard+8+0+8+4+4+4+4"));
    EXPECT_TRUE(got[3].startsWith("CMD_loadstats+8+3+1+"));
}

TEST_F(Seats, HostRemovesAPlayerAndOthersCannot)
{
    TestClient &blue = connectAndLogin("Blue");
    TestClient &red = connectAndLogin("Red");
    TestClient &green = connectAndLogin("Green");

    red.send(ff("CMD_kickhim+1+3+"));
    red.send(ff("CMD_kickhim+2+3+"));
    ASSERT_TRUE(red.sync());
    EXPECT_TRUE(server.seats()[3].inuse);

    blue.send(ff("CMD_kickhim+1+3+"));
    ASSERT_TRUE(green.waitClosed());
    ASSERT_TRUE(blue.waitFor(ff("CMD_playerdisconnected+3+Green")));
    EXPECT_FALSE(server.seats()[3].inuse);
}

TEST_F(Seats, LeavingOnTurnPassesItOnceAndTheComputerTakesTheSeatOver)
{
    TestClient &blue = connectAndLogin("Blue");
    TestClient &red = connectAndLogin("Red");
    connectAndLogin("Green");
    blue.send(ff("CMD_startgame+Blue+3++"));
    ASSERT_TRUE(red.waitFor(ff("CMD_roundstarting+1+")));
    syncAll();
    probe.setCurrentPlayer(2);
    probe.setTurnOpen(true);
    blue.take();

    // An orderly close reports "Socket Closed" twice: one notice, one pass.
    red.socket.disconnectFromHost();
    ASSERT_TRUE(blue.waitFor(ff("CMD_playerdisconnected+2+Red")));
    syncAll();
    EXPECT_EQ(blue.take(), (QList<QByteArray>{ff("CMD_playerdisconnected+2+Red"), ff("CMD_nextplayer+3+")}));
    EXPECT_TRUE(server.seats()[2].playing);

    probe.setTurnOpen(false);
    probe.setCurrentPlayer(1);
    server.game().findplayer();
    EXPECT_EQ(server.flow().currentplayer(), 2);
    EXPECT_EQ(server.flow().computertimer().Tag, 1);
}

TEST_F(Seats, EndlessMessageWithoutTerminatorLosesItsConnection)
{
    TestClient &blue = connectAndLogin("Blue");
    TestClient &red = connectAndLogin("Red");
    red.send(QByteArray(wire::LineFramer::MaxTail + 1024, 'x'));
    ASSERT_TRUE(red.waitClosed());
    ASSERT_TRUE(blue.waitFor(ff("CMD_playerdisconnected+2+Red")));
    EXPECT_TRUE(server.seats()[1].inuse);
}

TEST_F(Seats, FloodOfMessagesLosesItsConnectionAndLeavesTheQueueBounded)
{
    TestClient &blue = connectAndLogin("Blue");
    TestClient &red = connectAndLogin("Red");
    // Empty messages cost a dispatch tick each; a hundred thousand of them
    // would hold up everyone else's messages for a quarter of an hour.
    red.send(QByteArray(100000, '\xFF'));
    ASSERT_TRUE(red.waitClosed());
    ASSERT_TRUE(blue.waitFor(ff("CMD_playerdisconnected+2+Red")));
    EXPECT_LE(server.queuedLines(), std::size_t(TServer::MaxWaitingLines));
    while (!server.queuedLines() == 0)
        server.socktimerTimer();
    EXPECT_TRUE(blue.sync());
}

using Relays = HostTest;

TEST_F(Relays, ChatActionAndSoundGoToEverySeatWithTheSendersName)
{
    join(1, "Blue");
    join(2, "Red");
    join(7, "Spy");
    sent.clear();
    deliver(2, "CMD_chat+2+a+b|c|clBlue");
    deliver(2, "CMD_action+2+says: hi|$00FF0000");
    deliver(2, "CMD_playasound+2+wave17+");
    const QList<QByteArray> relayed = {ff("CMD_chat+2+Red chats: a+b|c|clBlue"), ff("CMD_action+2+Red says: hi|$00FF0000"),
                                       ff("CMD_playasound+2+wave17+")};
    for (int seat : {1, 2, 7})
        EXPECT_EQ(to(seat), relayed) << seat;
}

TEST_F(Relays, SittingOutCountsOnlyInAGameAndPlayingAgainIsAlwaysAnnounced)
{
    join(1, "Blue");
    join(3, "Green");
    sent.clear();
    deliver(3, "CMD_justwatch+3+1");
    EXPECT_FALSE(server.seats()[3].watching);
    EXPECT_TRUE(sent.isEmpty());
    deliver(3, "CMD_justwatch+3+2");
    EXPECT_EQ(to(1), QList<QByteArray>{ff("CMD_justwatching+3+2")});

    deliver(1, "CMD_startgame+Blue+3++");
    deliver(3, "CMD_justwatch+3+1");
    EXPECT_TRUE(server.seats()[3].watching);
    // A newcomer sees the mark.
    sent.clear();
    join(4, "White");
    EXPECT_EQ(to(4).value(1), ff("CMD_existingplayers+1+Blue+0+3+Green+1"));
}
