#pragma once

// Two ways to drive the host in a test: HostTest sees every message the host
// sends through its outgoing observer and delivers messages straight into its
// queue with a chosen origin (no sockets); LoopbackTest listens on an
// ephemeral port and talks to it through real client connections.

#include "hostprobe.h"
#include "tserver.h"

#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

inline QByteArray ff(const char *text)
{
    return QByteArray(text) + '\xFF';
}

// Keeps the real timers of the game from firing while a test spins the
// event loop; tests call the tick handlers themselves.
inline void holdGameTimers(TServer &server)
{
    constexpr int hour = 3600 * 1000;
    HostProbe(server).timer1().setInterval(hour);
    server.setBotSpeedProvider([] { return hour; });
}

class HostTest : public ::testing::Test
{
protected:
    HostTest()
    {
        holdGameTimers(server);
        server.setOutgoingObserver([this](int seat, const QByteArray &m) { sent.append({seat, m}); });
    }

    // A connection at `seat` that has logged in under `name`.
    void join(int seat, const QByteArray &name, const QByteArray &version = "1.0.0")
    {
        probe.occupy(seat);
        deliver(seat, "CMD_logininfo+" + QByteArray::number(seat) + "+" + version + "+" + name);
    }

    // One message from the connection at `origin`, handled at once.
    void deliver(int origin, const QByteArray &line)
    {
        server.enqueue(line, origin);
        while (server.queuedLines() != 0)
            server.socktimerTimer();
    }

    QList<QByteArray> to(int seat) const
    {
        QList<QByteArray> messages;
        for (const auto &[s, m] : sent) {
            if (s == seat)
                messages.append(m);
        }
        return messages;
    }

    // Seat 1 starts a game of seats 1 (Blue) and 2 (Red) and takes the turn
    // with nothing pending.
    void twoPlayerGame()
    {
        join(1, "Blue");
        join(2, "Red");
        deliver(1, "CMD_startgame+Blue+3++");
        giveTurn(1);
        sent.clear();
    }

    void giveTurn(int seat) { probe.giveTurn(seat); }

    RandomSource random{20240611};
    TServer server{random};
    HostProbe probe{server};
    QList<std::pair<int, QByteArray>> sent;
};

// A client connection of the test, reading whole messages (terminator kept).
class TestClient
{
public:
    // `from`: the local address to connect from; any address of
    // 127.0.0.0/8 is this machine's, so each stands for another machine
    // (as does an IPv6 address that a test put on the machine).
    explicit TestClient(quint16 port, const QString &from = {})
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            buffer += socket.readAll();
            qsizetype end;
            while ((end = buffer.indexOf('\xFF')) >= 0) {
                messages.append(buffer.left(end + 1));
                buffer.remove(0, end + 1);
            }
        });
        // Request and answer in lockstep: without this, small writes wait
        // for the peer's delayed acknowledgement.
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        if (!from.isEmpty())
            socket.bind(QHostAddress(from));
        // An IPv6 peer reaches the host at the address it comes from, which
        // is this machine's too.
        const bool ipv6 = QHostAddress(from).protocol() == QAbstractSocket::IPv6Protocol;
        socket.connectToHost(ipv6 ? from : QStringLiteral("127.0.0.1"), port);
    }

    void send(const QByteArray &bytes)
    {
        socket.write(bytes);
        socket.flush();
    }

    bool waitFor(const QByteArray &message, int ms = 15000)
    {
        return QTest::qWaitFor([&] { return messages.contains(message); }, ms);
    }
    bool waitForCount(qsizetype count, int ms = 15000)
    {
        return QTest::qWaitFor([&] { return messages.size() >= count; }, ms);
    }
    bool waitClosed(int ms = 5000)
    {
        return QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, ms);
    }

    // Answers CMD_sendlogininfo with a login; returns the seat number, after
    // the host has announced this player.
    int login(const QByteArray &name, const QByteArray &version = "1.0.0")
    {
        if (!QTest::qWaitFor([&] { return !messages.isEmpty(); }, 5000))
            return 0;
        const QByteArray greeting = messages.first();
        if (!greeting.startsWith("CMD_sendlogininfo+"))
            return 0;
        seat = greeting.mid(18, greeting.size() - 19).toInt();
        seen = 1; // the greeting
        const QByteArray s = QByteArray::number(seat);
        send(ff("CMD_logininfo+" + s + "+" + version + "+" + name));
        return waitFor(ff("CMD_newplayerinfo+" + s + "+" + name + "+0")) ? seat : 0;
    }

    // Waits until the host has handled everything this client sent so far:
    // the host handles one queue in arrival order, so the relay of a chat
    // sent now comes after all of it.
    bool sync()
    {
        const QByteArray marker = "sync" + QByteArray::number(seat) + "." + QByteArray::number(++syncs);
        send(ff("CMD_chat+" + QByteArray::number(seat) + "+" + marker + "|clBlack"));
        return QTest::qWaitFor([&] {
            return std::any_of(messages.cbegin(), messages.cend(),
                               [&](const QByteArray &m) { return m.contains(" chats: " + marker + "|"); });
        }, 5000);
    }

    // The messages received since the last call, without sync relays.
    QList<QByteArray> take()
    {
        QList<QByteArray> taken;
        for (const QByteArray &m : messages.mid(seen)) {
            if (!(m.startsWith("CMD_chat+") && m.contains(" chats: sync")))
                taken.append(m);
        }
        seen = messages.size();
        return taken;
    }

    QTcpSocket socket;
    QByteArray buffer;
    QList<QByteArray> messages;
    int seat = 0;

private:
    qsizetype seen = 0;
    int syncs = 0;
};

class LoopbackTest : public ::testing::Test
{
protected:
    ~LoopbackTest() override { Admission::setLimitsForTests({}); }

    LoopbackTest()
    {
        holdGameTimers(server);
        // Still one line per tick, only without the 10 ms wait between.
        probe.socktimer().setInterval(1);
        // The sync lines are chat: a clock that leaps a minute per line
        // keeps the relay limits, tested on their own, out of their way.
        server.setClock([this] { return leaps += 60000; });
        // That clock would also close every connection at its login
        // deadline at once; the deadline is tested on its own too.
        Admission::Limits limits;
        limits.loginDeadlineMs = qint64(1) << 50;
        Admission::setLimitsForTests(limits);
        server.setPortName(QStringLiteral("0"));
        // The first client of a test is the hosting player's own, known by
        // its socket as the program knows it.
        server.setOwnClient([this](const SocketAddress &peer) {
            return !clients.empty() && peer.text() == "127.0.0.1" && peer.port() == clients.front()->socket.localPort();
        });
        server.startHosting();
    }

    // A new connection that has logged in under `name`.
    TestClient &connectAndLogin(const QByteArray &name, const QByteArray &version = "1.0.0")
    {
        clients.push_back(std::make_unique<TestClient>(server.localPort(), QStringLiteral("127.0.0.1")));
        TestClient &client = *clients.back();
        EXPECT_NE(client.login(name, version), 0) << name.constData();
        return client;
    }

    // Everyone logged in has seen everything the host sent so far.
    void syncAll()
    {
        for (auto &client : clients) {
            if (client->seat != 0 && client->socket.state() == QAbstractSocket::ConnectedState) {
                EXPECT_TRUE(client->sync());
            }
        }
    }

    RandomSource random{424242};
    TServer server{random};
    HostProbe probe{server};
    std::vector<std::unique_ptr<TestClient>> clients;
    qint64 leaps = 0;
};
