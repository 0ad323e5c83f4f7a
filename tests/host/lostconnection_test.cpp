// A connection that dies without an orderly close, by a reset or by a
// network that vanished, leaves its seat as one that quit does.
#include "connectionliveness.h"
#include "hostharness.h"
#include "socketaddress.h"

#include <QElapsedTimer>

#include <arpa/inet.h>
#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

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

    const linger abortive{1, 0};
    ::setsockopt(int(green.socket.socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    green.socket.abort();
    ASSERT_TRUE(red.waitFor(ff("CMD_playerdisconnected+3+Green")));
    syncAll();
    // The turn passed at once, from seat 3 round to seat 1.
    EXPECT_EQ(blue.take(), (QList<QByteArray>{ff("CMD_playerdisconnected+3+Green"), ff("CMD_nextplayer+1+")}));
    EXPECT_FALSE(server.seats()[3].inuse);

    // Seat 3's next turn is the computer's.
    probe.setCurrentPlayer(2);
    server.game().findplayer();
    ASSERT_EQ(server.flow().computertimer().Tag, 1);
    server.game().computertimerTimer();
    syncAll();
    const QList<QByteArray> after = blue.take();
    EXPECT_TRUE(std::any_of(after.cbegin(), after.cend(), [](const QByteArray &m) { return m.startsWith("CMD_heplace+3+"); }));
}

// The host in one network namespace of the test's own, the peer in another,
// joined by a veth pair whose peer side is then taken down: the peer's
// packets vanish, without a FIN or a reset. Over either address family.
class VanishedPeer : public ::testing::TestWithParam<const char *>
{
};

TEST_P(VanishedPeer, IsFreedWithinTheLoweredTimeouts)
{
    const QByteArray ns = "tlc" + QByteArray::number(::getpid());
    const auto ip = [&](const char *command) { return std::system(QByteArray(command).replace("NS", ns).constData()) == 0; };
    if (::geteuid() != 0 || !ip("ip -V >/dev/null 2>&1"))
        GTEST_SKIP() << "needs root and the ip tool to make a peer's network vanish";
    struct Cleanup { std::function<void()> f; ~Cleanup() { f(); } } cleanup{[&] { ip("ip netns del NSh; ip netns del NSp"); }};
    ASSERT_TRUE(ip("ip netns add NSh && ip netns add NSp && ip link add NSh netns NSh type veth peer name NSp netns NSp"
                   " && ip -n NSh addr add 10.78.0.1/24 dev NSh && ip -n NSh link set NSh up"
                   " && ip -n NSp addr add 10.78.0.2/24 dev NSp && ip -n NSp link set NSp up"
                   " && ip -n NSh addr add fd78::1/64 dev NSh nodad && ip -n NSp addr add fd78::2/64 dev NSp nodad"));
    // A socket stays in the namespace that the thread was in when it was made.
    const int home = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
    const auto enter = [](const QByteArray &path) {
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        const bool ok = fd >= 0 && ::setns(fd, CLONE_NEWNET) == 0;
        ::close(fd);
        return ok;
    };
    ConnectionLiveness::setTimingForTests({1, 1, 2, 2000, 10000});
    RandomSource random{7};
    TServer server{random};
    holdGameTimers(server);
    server.setPortName(QStringLiteral("0"));
    ASSERT_TRUE(enter("/run/netns/" + ns + "h"));
    server.startHosting();
    ASSERT_TRUE(enter("/run/netns/" + ns + "p"));
    SocketAddress address = SocketAddress::fromLiteral(QString::fromLatin1(GetParam())).value();
    address.setPort(server.localPort());
    const int peer = ::socket(address.family(), SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_TRUE(::setns(home, CLONE_NEWNET) == 0);
    ASSERT_EQ(::connect(peer, address.data(), address.size()), 0);
    const QByteArray login = ff("CMD_logininfo+1+1.0.0+Ann");
    ASSERT_EQ(::send(peer, login.constData(), size_t(login.size()), 0), login.size());
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.seats()[1].name == "Ann"; }, 5000));
    QTest::qWait(200); // what the host sent is acknowledged

    QElapsedTimer vanished;
    vanished.start();
    ASSERT_TRUE(ip("ip -n NSp link set NSp down"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !server.seats()[1].inuse; }, 15000));
    EXPECT_LT(vanished.elapsed(), 8000);
    ::close(peer);
    ::close(home);
    ConnectionLiveness::setTimingForTests(ConnectionLiveness::Shipped);
}

INSTANTIATE_TEST_SUITE_P(IPv4AndIPv6, VanishedPeer, ::testing::Values("10.78.0.1", "fd78::1"));
