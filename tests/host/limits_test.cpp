// What one peer can do to everyone else over real sockets: long lines, lines
// that outlive their connection, and floods of chat and sounds.
#include "hostharness.h"

#include "messagequeue.h"
#include "protocol.h"

class Limits : public LoopbackTest
{
protected:
    // A connection that logs in under `name` without waiting for its own
    // announcement (which carries the name as the host stored it).
    TestClient &connectAs(const QByteArray &name)
    {
        clients.push_back(std::make_unique<TestClient>(server.localPort()));
        TestClient &client = *clients.back();
        EXPECT_TRUE(client.waitForCount(1));
        client.seat = client.messages.first().mid(18).chopped(1).toInt();
        client.send(ff("CMD_logininfo+" + QByteArray::number(client.seat) + "+1.0.0+" + name));
        EXPECT_TRUE(client.waitForCount(2));
        return client;
    }

    // Waits until the host has handled all that `client` sent, with a
    // message that no relay limit counts.
    bool echo(TestClient &client)
    {
        const QByteArray reply = ff("CMD_justwatching+" + QByteArray::number(client.seat) + "+2");
        const qsizetype before = client.messages.count(reply);
        client.send(ff("CMD_justwatch+" + QByteArray::number(client.seat) + "+2"));
        return QTest::qWaitFor([&] { return client.messages.count(reply) > before; }, 5000);
    }

    static qsizetype relays(const TestClient &client, const QByteArray &prefix)
    {
        return std::count_if(client.messages.cbegin(), client.messages.cend(),
                             [&](const QByteArray &m) { return m.startsWith(prefix); });
    }

    qint64 now = 0;
};

TEST_F(Limits, LongNamesAndChatLinesLeaveEveryClientFarBelowItsFramingLimit)
{
    TestClient &blue = connectAndLogin("Blue");
    const QByteArray huge(60000, 'x');
    // A login is held to a few KiB before it is taken; the name is cut.
    for (int i = 2; i <= 9; ++i)
        connectAs(QByteArray::number(i) + huge.left(3000));
    TestClient &red = *clients[1];
    red.send(ff("CMD_chat+2+" + huge + "|clBlue"));
    const QByteArray colour(3000, 'c');
    red.send(ff("CMD_action+2+" + huge.left(50000) + "|" + colour));
    syncAll();

    const QByteArray name2 = ("2" + huge).left(wire::MaxNameLength);
    EXPECT_EQ(server.seats()[2].name, name2);
    EXPECT_TRUE(blue.messages.contains(ff("CMD_chat+2+" + name2 + " chats: " + huge.left(2000) + "|clBlue")));
    EXPECT_TRUE(blue.messages.contains(ff("CMD_action+2+" + name2 + " " + huge.left(2000) + "|" + colour.left(16))));
    // The last login heard of eight others, each under its cut name.
    const QList<QByteArray> &last = clients.back()->messages;
    EXPECT_TRUE(std::any_of(last.cbegin(), last.cend(), [](const QByteArray &m) {
        return m.startsWith("CMD_existingplayers+1+Blue+0+2+") && m.size() < 1000;
    }));
    for (const auto &client : clients) {
        EXPECT_EQ(client->socket.state(), QAbstractSocket::ConnectedState) << client->seat;
        for (const QByteArray &m : client->messages)
            EXPECT_LT(m.size(), wire::LineFramer::MaxTail / 16) << client->seat;
    }
}

TEST_F(Limits, LinesQueuedByALeaverNeverSpeakForTheNewcomerInItsSeat)
{
    TestClient &blue = connectAndLogin("Blue");
    TestClient &red = connectAndLogin("Red");
    blue.send(ff("CMD_startgame+Blue+3++"));
    ASSERT_TRUE(red.waitFor(ff("CMD_roundstarting+1+")));
    syncAll();
    probe.giveTurn(2);
    const int scoreBefore = server.seats()[2].score;

    // The queue holds while the leaver's lines pile up.
    probe.socktimer().setInterval(3600 * 1000);
    probe.socktimer().start();
    QByteArray lines;
    for (int i = 0; i < 200; ++i)
        lines += ff("CMD_chat+2+stale " + QByteArray::number(i) + "|clRed");
    lines += ff("CMD_justwatch+2+1") + ff("CMD_placetile+2+5+5+1+") + ff("CMD_logininfo+2+1.0.0+Mallory");
    red.send(lines);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.queuedLines() == 203; }, 5000));

    red.socket.disconnectFromHost();
    ASSERT_TRUE(blue.waitFor(ff("CMD_playerdisconnected+2+Red")));
    EXPECT_EQ(server.queuedLines(), 0u) << "the leaver's lines went with it";
    clients.push_back(std::make_unique<TestClient>(server.localPort()));
    TestClient &white = *clients.back();
    ASSERT_TRUE(white.waitFor(ff("CMD_sendlogininfo+2")));
    white.seat = 2;
    white.send(ff("CMD_logininfo+2+1.0.0+White"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.queuedLines() == 1; }, 5000));
    blue.take();

    probe.socktimer().setInterval(1);
    ASSERT_TRUE(white.waitFor(ff("CMD_newplayerinfo+2+White+0")));
    syncAll();
    EXPECT_EQ(blue.take(), QList<QByteArray>{ff("CMD_newplayerinfo+2+White+0")});
    EXPECT_EQ(server.seats()[2].name, "White");
    EXPECT_FALSE(server.seats()[2].watching);
    EXPECT_EQ(server.seats()[2].score, scoreBefore);
    EXPECT_FALSE(server.flow().board().taken(5, 5));
    EXPECT_EQ(server.queuedLines(), 0u);
}

TEST_F(Limits, ChatComesInBurstsOfFiveRefillingAtTwoPerSecondPerConnection)
{
    server.setClock([this] { return now; });
    TestClient &blue = connectAndLogin("Blue");
    TestClient &red = connectAndLogin("Red");
    const auto flood = [&](TestClient &from, int n) {
        QByteArray lines;
        for (int i = 0; i < n; ++i)
            lines += ff("CMD_" + QByteArray(i % 2 ? "action" : "chat") + "+" + QByteArray::number(from.seat) + "+x|clRed");
        from.send(lines);
        EXPECT_TRUE(echo(from));
        EXPECT_TRUE(echo(blue));
    };
    const auto fromRed = [&] { return relays(blue, "CMD_chat+2+") + relays(blue, "CMD_action+2+"); };

    flood(red, 8);
    EXPECT_EQ(fromRed(), 5);
    now += 1000; // two more
    flood(red, 3);
    EXPECT_EQ(fromRed(), 7);
    now += 60000; // a long pause refills no more than a burst
    flood(red, 9);
    EXPECT_EQ(fromRed(), 12);
    // Red's flood costs Blue nothing, and Red keeps its connection.
    flood(blue, 5);
    EXPECT_EQ(relays(blue, "CMD_chat+1+") + relays(blue, "CMD_action+1+"), 5);
    EXPECT_EQ(red.socket.state(), QAbstractSocket::ConnectedState);
}

TEST_F(Limits, ChatterSoundsGoOutAtMostOnceEveryTwoSecondsAndAFloodKeepsItsConnection)
{
    server.setClock([this] { return now; });
    TestClient &blue = connectAndLogin("Blue");
    TestClient &red = connectAndLogin("Red");
    const auto sounds = [&](int n) {
        QByteArray lines;
        for (int i = 0; i < n; ++i)
            lines += ff("CMD_playasound+2+wave3+");
        red.send(lines);
        EXPECT_TRUE(echo(red));
        EXPECT_TRUE(echo(blue));
        return relays(blue, "CMD_playasound+2+");
    };
    // More than the queue would take from one connection.
    EXPECT_EQ(sounds(TServer::MaxWaitingLines + 100), 1);
    now += 1999;
    EXPECT_EQ(sounds(1), 1);
    now += 1;
    EXPECT_EQ(sounds(3), 2);
    EXPECT_EQ(red.socket.state(), QAbstractSocket::ConnectedState);
    EXPECT_TRUE(blue.messages.contains(ff("CMD_playasound+2+wave3+")));
}

TEST_F(Limits, APeerThatStopsReadingIsClosedBeforeItsUnsentBytesPassTheLimit)
{
    TestClient &blue = connectAndLogin("Blue");
    TestClient &slow = connectAndLogin("Slow");
    // Slow takes nothing more off its socket: everything the host sends it
    // from now on piles up in the system's buffers, then in the host's.
    QObject::disconnect(&slow.socket, &QTcpSocket::readyRead, nullptr, nullptr);
    slow.socket.setReadBufferSize(1);
    const QByteArray chat = "CMD_chat+1+Blue chats: " + QByteArray(60000, 'x') + "|clBlack\xFF";
    TSock *connection = server.seats()[slow.seat].sock;
    qsizetype most = 0;
    for (int i = 0; i < 2000 && server.seats()[slow.seat].inuse; ++i) {
        most = std::max(most, connection->PendingOutput());
        probe.sendToSeat(slow.seat, chat);
        QCoreApplication::processEvents();
    }
    EXPECT_FALSE(server.seats()[slow.seat].inuse) << "the host let " << most << " bytes wait";
    EXPECT_LE(most, SeatTable::MaxPendingOutput + chat.size());
    EXPECT_TRUE(blue.waitFor(wire::host::playerdisconnected(slow.seat, "Slow")));
    EXPECT_EQ(blue.socket.state(), QAbstractSocket::ConnectedState);
}
