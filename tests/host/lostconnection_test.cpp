// A connection that dies without an orderly close, by a reset or by a
// network that vanished, leaves its seat as one that quit does.
#include "connectionliveness.h"
#include "hostharness.h"

#include <QElapsedTimer>

#include <arpa/inet.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

using LostConnection = LoopbackTest;

TEST_F(LostConnection, AResetSeatHoldingTheTurnLeavesAndTheComputerPlaysIt)
{
    TestClient &blue = connectAndLogin("Blue");
    TestClient &red = connectAndLogin("Red");
    TestClient &green = connectAndLogin("Green");
    blue.send(ff("CMD_startgame+Blue+3++"));
    ASSERT_TRUE(blue.waitFor(ff("CMD_roundstarting+1+")));
    syncAll();
    probe.giveTurn(3);
    blue.take();
    red.take();

    const linger abortive{1, 0};
    ::setsockopt(int(green.socket.socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    green.socket.abort();
    ASSERT_TRUE(red.waitFor(ff("CMD_playerdisconnected+3+Green")));
    syncAll();
    // The turn passed at once, from seat 3 round to seat 1.
    EXPECT_EQ(blue.take(), (QList<QByteArray>{ff("CMD_playerdisconnected+3+Green"), ff("CMD_nextplayer+1+")}));
    EXPECT_FALSE(server.seats()[3].inuse);
    EXPECT_TRUE(server.seats()[3].playing);

    // Seat 3's next turn is the computer's.
    probe.setCurrentPlayer(2);
    server.game().findplayer();
    ASSERT_EQ(server.flow().computertimer().Tag, 1);
    server.game().computertimerTimer();
    syncAll();
    const QList<QByteArray> after = blue.take();
    EXPECT_TRUE(after.contains(ff("CMD_nextplayer+3+")));
    EXPECT_TRUE(std::any_of(after.cbegin(), after.cend(), [](const QByteArray &m) { return m.startsWith("CMD_heplace+3+"); }));
}

namespace {

int run(const QString &command)
{
    return std::system(command.toLocal8Bit().constData());
}

// Two network namespaces of the test's own, joined by a veth pair: the
// host's side 10.78.0.1, the peer's 10.78.0.2. A socket stays in the
// namespace that the thread was in when it was made.
class VethPair
{
public:
    VethPair() : m_name("tlc" + QString::number(::getpid()))
    {
        m_home = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
        const QString h = m_name + "h", p = m_name + "p";
        m_ok = m_home >= 0
               && run(QStringLiteral("ip netns add %1 && ip netns add %2"
                                     " && ip link add %1 netns %1 type veth peer name %2 netns %2"
                                     " && ip -n %1 addr add 10.78.0.1/24 dev %1 && ip -n %1 link set %1 up"
                                     " && ip -n %2 addr add 10.78.0.2/24 dev %2 && ip -n %2 link set %2 up")
                          .arg(h, p)) == 0;
    }
    ~VethPair()
    {
        if (m_home >= 0) {
            ::setns(m_home, CLONE_NEWNET);
            ::close(m_home);
        }
        run(QStringLiteral("ip netns del %1h 2>/dev/null; ip netns del %1p 2>/dev/null").arg(m_name));
    }
    bool ok() const { return m_ok; }
    bool enterHostSide() { return enter(m_name + "h"); }
    bool enterPeerSide() { return enter(m_name + "p"); }
    bool goHome() { return ::setns(m_home, CLONE_NEWNET) == 0; }
    // From here on the peer's packets vanish: no FIN, no reset.
    bool peerVanishes() { return run(QStringLiteral("ip -n %1p link set %1p down").arg(m_name)) == 0; }

private:
    bool enter(const QString &ns)
    {
        const int fd = ::open(("/run/netns/" + ns).toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
        const bool entered = fd >= 0 && ::setns(fd, CLONE_NEWNET) == 0;
        if (fd >= 0)
            ::close(fd);
        return entered;
    }

    QString m_name;
    int m_home = -1;
    bool m_ok = false;
};

} // namespace

TEST(VanishedPeer, IsFreedWithinTheLoweredTimeouts)
{
    if (::geteuid() != 0 || run(QStringLiteral("ip -V >/dev/null 2>&1")) != 0)
        GTEST_SKIP() << "needs root and the ip tool to make a peer's network vanish";
    VethPair net;
    ASSERT_TRUE(net.ok());
    ConnectionLiveness::setTimingForTests({1, 1, 2, 2000, 10000});

    RandomSource random{7};
    TServer server{random};
    holdGameTimers(server);
    server.setPortName(QStringLiteral("0"));
    ASSERT_TRUE(net.enterHostSide());
    server.startHosting();
    ASSERT_TRUE(net.enterPeerSide());
    const int peer = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_TRUE(net.goHome());
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(server.localPort());
    ::inet_pton(AF_INET, "10.78.0.1", &address.sin_addr);
    ASSERT_EQ(::connect(peer, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    const QByteArray login = ff("CMD_logininfo+1+1.0.0+Ann");
    ASSERT_EQ(::send(peer, login.constData(), size_t(login.size()), 0), login.size());
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.seats()[1].name == "Ann"; }, 5000));
    QTest::qWait(200); // what the host sent is acknowledged

    QElapsedTimer vanished;
    vanished.start();
    ASSERT_TRUE(net.peerVanishes());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !server.seats()[1].inuse; }, 15000));
    EXPECT_LT(vanished.elapsed(), 8000);
    ::close(peer);
    ConnectionLiveness::setTimingForTests(ConnectionLiveness::Shipped);
}
