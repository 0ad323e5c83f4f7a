// Strangers on an open port: connections that never log in, floods from one
// address, removed players who come back, and a locked table. Real sockets;
// the peers bind addresses of 127.0.0.0/8 to stand for other machines.
#include "hostharness.h"

#include "admission.h"
#include "eventloop.h"

#include <QTcpServer>
#include <QTimer>

#include <cstring>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>


class OpenPort : public LoopbackTest
{
protected:
    OpenPort()
    {
        Admission::Limits limits;
        limits.loginDeadlineMs = 500;
        Admission::setLimitsForTests(limits);
        QObject::connect(&server, &TServer::notice, [this](const QString &line) { notices << line; });
    }
    ~OpenPort() override { Admission::setLimitsForTests({}); }

    TestClient &from(const char *address)
    {
        clients.push_back(std::make_unique<TestClient>(server.localPort(), QString::fromLatin1(address)));
        return *clients.back();
    }
    // The host's own clock, standing still unless a test moves it.
    void holdClock()
    {
        server.setClock([this] { return now; });
    }
    static bool heard(const TestClient &client, const QByteArray &prefix)
    {
        return std::any_of(client.messages.cbegin(), client.messages.cend(),
                           [&](const QByteArray &m) { return m.startsWith(prefix); });
    }

    QStringList notices;
    qint64 now = 0;
};

TEST_F(OpenPort, StrangersWaitTwoAtATimePerAddressUnheardAndAreClosedAtTheDeadline)
{
    holdClock();
    TestClient &blue = connectAndLogin("Blue");
    TestClient &green = from("127.0.0.3");
    ASSERT_EQ(green.login("Green"), 2);
    TestClient &first = from("127.0.0.2");
    TestClient &second = from("127.0.0.2");
    ASSERT_TRUE(first.waitFor(ff("CMD_sendlogininfo+3")));
    ASSERT_TRUE(second.waitFor(ff("CMD_sendlogininfo+4")));
    TestClient &third = from("127.0.0.2");
    EXPECT_TRUE(third.waitFor(ff("CMD_full+")));
    EXPECT_TRUE(third.waitClosed());

    // Until it logs in a stranger can say nothing, hears nothing that goes
    // to all, and does not become a seat of the game.
    first.send(ff("CMD_chat+3+hello|clBlack"));
    first.send(ff("CMD_startgame+X+1++"));
    blue.send(ff("CMD_startgame+Blue+1++"));
    syncAll();
    EXPECT_TRUE(server.flow().gamerunning());
    EXPECT_FALSE(server.seats()[3].playing);
    EXPECT_FALSE(heard(blue, "CMD_chat+3+"));
    EXPECT_FALSE(heard(blue, "CMD_startgame+X+"));
    EXPECT_EQ(first.messages.size(), 1);

    now += Admission::limits().loginDeadlineMs;
    server.loginDeadlineTimer();
    EXPECT_TRUE(first.waitClosed(5000));
    EXPECT_TRUE(second.waitClosed(5000));
    syncAll();
    for (const TestClient *player : {&blue, &green})
        EXPECT_FALSE(heard(*player, "CMD_playerdisconnected+")) << "nobody hears of a connection that never logged in";
    // Their places are free again for whoever comes next.
    EXPECT_TRUE(from("127.0.0.2").waitFor(ff("CMD_sendlogininfo+3")));
}

TEST_F(OpenPort, PastTwentyConnectsAMinuteAnAddressIsLetGoWithoutAWord)
{
    holdClock();
    connectAndLogin("Blue");
    for (int i = 0; i < 20; ++i) {
        TestClient &peer = from("127.0.0.4");
        ASSERT_TRUE(peer.waitForCount(1)) << i;
        const int seat = peer.messages.first().mid(18).chopped(1).toInt();
        peer.socket.disconnectFromHost();
        ASSERT_TRUE(waitUntil([&] { return !server.seats()[seat].inuse; })) << i;
    }
    TestClient &flooder = from("127.0.0.4");
    EXPECT_TRUE(flooder.waitClosed());
    EXPECT_TRUE(flooder.messages.isEmpty());
    TestClient &friendly = from("127.0.0.5");
    EXPECT_NE(friendly.login("Red"), 0);

    now += Admission::limits().rateWindowMs;
    TestClient &nextMinute = from("127.0.0.4");
    EXPECT_TRUE(nextMinute.waitForCount(1));
    EXPECT_TRUE(nextMinute.messages.first().startsWith("CMD_sendlogininfo+"));
    now += Admission::limits().reportGatherMs;
    server.admissionReportTimer();
    EXPECT_EQ(notices, QStringList{"Turned away 1 connections from 127.0.0.4 (too many connections)."});
}

TEST_F(OpenPort, ARemovedPlayerIsTurnedAwayAndTheHostingPlayerIsToldOnce)
{
    holdClock();
    TestClient &blue = connectAndLogin("Blue");
    TestClient &green = from("127.0.0.6");
    ASSERT_EQ(green.login("Green"), 2);
    blue.send(ff("CMD_kickhim+1+2+"));
    ASSERT_TRUE(green.waitClosed());

    for (int attempt = 0; attempt < 3; ++attempt) {
        TestClient &again = from("127.0.0.6");
        EXPECT_TRUE(again.waitFor(ff("CMD_full+"))) << attempt;
        EXPECT_TRUE(again.waitClosed()) << attempt;
    }
    EXPECT_EQ(notices, (QStringList{"Green is removed: 127.0.0.6 and the name Green stay away while you host.",
                                    "Green tried to join again and was turned away."}));
    now += Admission::limits().reportGapMs;
    server.admissionReportTimer();
    EXPECT_EQ(notices.value(2), "Turned away 2 connections from 127.0.0.6 (removed).");
    EXPECT_EQ(notices.size(), 3);
    EXPECT_NE(from("127.0.0.7").login("Red"), 0) << "others still join";
}

TEST_F(OpenPort, ALockedTableTurnsNewcomersAwayAndLetsAPlayerWhoDroppedBackIn)
{
    holdClock();
    connectAndLogin("Blue");
    TestClient &green = from("127.0.0.8");
    ASSERT_EQ(green.login("Green"), 2);
    server.setTableLocked(true);

    TestClient &newcomer = from("127.0.0.9");
    EXPECT_TRUE(newcomer.waitFor(ff("CMD_full+")));
    EXPECT_TRUE(newcomer.waitClosed());

    green.socket.abort();
    ASSERT_TRUE(waitUntil([this] { return !server.seats()[2].inuse; }));
    EXPECT_EQ(from("127.0.0.8").login("Green"), 2);

    now += Admission::limits().reportGatherMs;
    server.admissionReportTimer();
    EXPECT_EQ(notices, QStringList{"Turned away 1 connections from 127.0.0.9 (table locked)."});
    server.setTableLocked(false);
    EXPECT_NE(from("127.0.0.9").login("Red"), 0);
}

TEST_F(OpenPort, AFloodFromOneAddressLeavesThePlacesToOthers)
{
    holdClock();
    TestClient &blue = connectAndLogin("Blue");
    std::vector<std::unique_ptr<QTcpSocket>> flood;
    for (int i = 0; i < 300; ++i) {
        flood.push_back(std::make_unique<QTcpSocket>());
        flood.back()->bind(QHostAddress(QStringLiteral("127.0.0.10")));
        flood.back()->connectToHost(QStringLiteral("127.0.0.1"), server.localPort());
    }
    TestClient &green = from("127.0.0.11");
    EXPECT_NE(green.login("Green"), 0);
    EXPECT_TRUE(blue.sync());
    now += Admission::limits().loginDeadlineMs;
    server.loginDeadlineTimer();
    EXPECT_TRUE(waitUntil([&] {
        return std::all_of(flood.cbegin(), flood.cend(),
                           [](const auto &s) { return s->state() == QAbstractSocket::UnconnectedState; });
    }, 10000));
    EXPECT_LE(server.seats().connectioncount(), 4) << "at most two strangers ever waited for a place";
}

// A home gets a /64 of IPv6: its addresses share its places to wait for a
// login; the next /64 has its own. The addresses are on the loopback of a
// network of the test's own, which the thread enters to make its sockets.
TEST(OpenPortIpv6, AddressesOfOneSlash64ShareOneLimit)
{
    const QByteArray ns = "t64" + QByteArray::number(::getpid());
    const auto ip = [&](const char *command) { return std::system(QByteArray(command).replace("NS", ns).constData()) == 0; };
    if (::geteuid() != 0 || !ip("ip -V >/dev/null 2>&1"))
        GTEST_SKIP() << "needs root and the ip tool to give a network of its own IPv6 addresses of one /64";
    struct Cleanup { std::function<void()> f; ~Cleanup() { f(); } } cleanup{[&] { ip("ip netns del NS"); }};
    ASSERT_TRUE(ip("ip netns add NS && ip -n NS link set lo up && for a in 64::a 64::b 64::c 65::a; do"
                   " ip -n NS addr add 2001:db8:$a/64 dev lo nodad || exit 1; done"));
    const int home = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
    const int inside = ::open(("/run/netns/" + ns).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::setns(inside, CLONE_NEWNET), 0);
    {
        RandomSource random{7};
        TServer server{random};
        holdGameTimers(server);
        server.setPortName(QStringLiteral("0"));
        server.startHosting();
        const quint16 port = server.localPort();
        TestClient first(port, "2001:db8:64::a");
        EXPECT_TRUE(first.waitFor(ff("CMD_sendlogininfo+1")));
        TestClient second(port, "2001:db8:64::b");
        EXPECT_TRUE(second.waitFor(ff("CMD_sendlogininfo+2")));
        TestClient third(port, "2001:db8:64::c");
        EXPECT_TRUE(third.waitFor(ff("CMD_full+")));
        TestClient neighbour(port, "2001:db8:65::a");
        EXPECT_TRUE(neighbour.waitFor(ff("CMD_sendlogininfo+3")));
    }
    ::setns(home, CLONE_NEWNET);
    ::close(home);
    ::close(inside);
}

// A removed player is kept out by the /64 he came from and by his name,
// so that the other address family does not bring him back.
TEST(OpenPortIpv6, ARemovedPlayerIsRefusedOverTheOtherFamily)
{
    const QByteArray ns = "tfam" + QByteArray::number(::getpid());
    const auto ip = [&](const char *command) { return std::system(QByteArray(command).replace("NS", ns).constData()) == 0; };
    if (::geteuid() != 0 || !ip("ip -V >/dev/null 2>&1"))
        GTEST_SKIP() << "needs root and the ip tool to give a network of its own IPv6 addresses";
    struct Cleanup { std::function<void()> f; ~Cleanup() { f(); } } cleanup{[&] { ip("ip netns del NS"); }};
    ASSERT_TRUE(ip("ip netns add NS && ip -n NS link set lo up && ip -n NS addr add 2001:db8:64::a/64 dev lo nodad"
                   " && ip -n NS addr add 2001:db8:64::b/64 dev lo nodad"));
    const int home = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
    const int inside = ::open(("/run/netns/" + ns).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::setns(inside, CLONE_NEWNET), 0);
    struct Home { int home, inside; ~Home() { ::setns(home, CLONE_NEWNET); ::close(home); ::close(inside); } } back{home, inside};
    RandomSource random{7};
    TServer server{random};
    holdGameTimers(server);
    QStringList notices;
    QObject::connect(&server, &TServer::notice, [&](const QString &line) { notices << line; });
    server.setPortName(QStringLiteral("0"));
    std::unique_ptr<TestClient> blue;
    server.setOwnClient([&](const SocketAddress &peer) { return blue && peer.port() == blue->socket.localPort(); });
    server.startHosting();
    const quint16 port = server.localPort();
    blue = std::make_unique<TestClient>(port, "127.0.0.1");
    ASSERT_EQ(blue->login("Blue"), 1);
    TestClient green(port, "2001:db8:64::a");
    ASSERT_EQ(green.login("Green"), 2);
    blue->send(ff("CMD_kickhim+1+2+"));
    ASSERT_TRUE(green.waitClosed());
    EXPECT_EQ(notices.value(0), "Green is removed: 2001:db8:64::/64 and the name Green stay away while you host.");

    TestClient sameHome(port, "2001:db8:64::b");
    EXPECT_TRUE(sameHome.waitFor(ff("CMD_full+")));
    TestClient overIpv4(port, "127.0.0.2");
    ASSERT_TRUE(overIpv4.waitFor(ff("CMD_sendlogininfo+2")));
    overIpv4.send(ff("CMD_logininfo+2+1.0.0+ green "));
    EXPECT_TRUE(overIpv4.waitClosed());
    EXPECT_FALSE(server.seats().loggedIn(2));
    EXPECT_EQ(notices.value(1), "Green tried to join again and was turned away.");
    TestClient red(port, "127.0.0.3");
    EXPECT_EQ(red.login("Red"), 2) << "others still join";
}

// Everything below drives the host's clock by hand.
class Strangers : public OpenPort
{
protected:
    Strangers() { holdClock(); }

    // A connection from `address` that has its greeting (or was told the
    // table is full).
    TestClient &arrive(const QByteArray &address)
    {
        TestClient &client = from(address.constData());
        EXPECT_TRUE(client.waitForCount(1)) << address.constData();
        return client;
    }
    int strangersWaiting() const
    {
        int count = 0;
        for (int seat = 1; seat <= TServer::MaxSeats; ++seat)
            count += server.seats()[seat].inuse && !server.seats().loggedIn(seat);
        return count;
    }
};

TEST_F(Strangers, LinesBehindALoginAreDroppedOnArrivalAndTheSeatedPlayerIsAnsweredAtOnce)
{
    TestClient &blue = connectAndLogin("Blue");
    std::size_t longest = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { longest = std::max(longest, server.queuedLines()); });
    watch.start(0);
    // Four addresses, two connections each: a login for no seat, then 255
    // one-byte lines.
    QByteArray probe = ff("CMD_logininfo+0+1.0.0+");
    for (int i = 0; i < 255; ++i)
        probe += ff("x");
    std::vector<TestClient *> strangers;
    for (int i = 0; i < 8; ++i) {
        strangers.push_back(&arrive("127.0.5." + QByteArray::number(i / 2 + 1)));
        strangers.back()->send(probe);
    }
    EXPECT_TRUE(blue.sync());
    for (TestClient *stranger : strangers)
        EXPECT_TRUE(stranger->waitClosed()) << "a login that does not take is the connection's one try";
    EXPECT_LE(longest, 9u) << "no more than a login per stranger and the player's line ever waited";
    EXPECT_EQ(strangersWaiting(), 0);
}

TEST_F(Strangers, AQueuedLoginSurvivesTheDeadlineAndGivingWay)
{
    TestClient &blue = connectAndLogin("Blue");
    // A tick of an hour: Green's login waits behind Blue's line.
    probe.socktimer().setInterval(3600 * 1000);
    blue.send(ff("CMD_justwatch+1+2"));
    ASSERT_TRUE(waitUntil([&] { return server.queuedLines() == 1; }));
    TestClient &green = arrive("127.0.6.1");
    green.send(ff("CMD_logininfo+2+1.0.0+Green"));
    ASSERT_TRUE(waitUntil([&] { return server.queuedLines() == 2; }));

    now += Admission::limits().loginDeadlineMs + 1;
    server.loginDeadlineTimer();
    // Strangers fill every place a stranger may take; more keep coming.
    for (int i = 1; i <= 8; ++i)
        arrive("127.0.7." + QByteArray::number(i));
    spinFor(50);
    EXPECT_TRUE(server.seats()[2].inuse) << "neither the deadline nor a newcomer closed Green";

    probe.socktimer().setInterval(1);
    probe.socktimer().start();
    EXPECT_TRUE(green.waitFor(ff("CMD_newplayerinfo+2+Green+0")));
}

TEST_F(Strangers, TwelveAddressesCyclingCannotHoldTheTableFromANewcomer)
{
    connectAndLogin("Blue");
    ASSERT_EQ(from("127.0.8.13").login("Green"), 2);
    std::vector<TestClient *> held(12, nullptr);
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 12; ++i) {
            if (held[i])
                held[i]->socket.abort();
            held[i] = &arrive("127.0.8." + QByteArray::number(i + 1));
            now += 1900 / 12;
            EXPECT_LE(strangersWaiting(), Admission::limits().strangersInTotal);
        }
    }
    EXPECT_NE(from("127.0.9.1").login("Red"), 0) << "the busiest stranger gave way to the newcomer";
}

TEST_F(Strangers, TheHostingPlayerIsKnownByHisSocketAndATunnelledStrangerIsLimited)
{
    TestClient &blue = connectAndLogin("Blue");
    EXPECT_TRUE(server.ownConnection(1));
    server.setTableLocked(true);
    // A stranger through a tunnel arrives from 127.0.0.1 too.
    EXPECT_TRUE(from("127.0.0.1").waitFor(ff("CMD_full+"))) << "the hosting player's login let nobody in";
    server.setTableLocked(false);
    TestClient &first = arrive("127.0.0.1");
    TestClient &second = arrive("127.0.0.1");
    TestClient &third = arrive("127.0.0.1");
    EXPECT_TRUE(first.messages.first().startsWith("CMD_sendlogininfo+"));
    EXPECT_TRUE(second.messages.first().startsWith("CMD_sendlogininfo+"));
    EXPECT_EQ(third.messages.first(), ff("CMD_full+"));
    EXPECT_FALSE(server.ownConnection(first.messages.first().mid(18).chopped(1).toInt()));

    // A second copy of the game on this machine joins like anyone.
    EXPECT_NE(first.login("Copy"), 0);
    blue.send(ff("CMD_kickhim+1+" + QByteArray::number(first.seat) + "+"));
    EXPECT_TRUE(first.waitClosed());
    EXPECT_TRUE(server.ownConnection(1)) << "removing a local copy bars neither the hosting player ...";
    EXPECT_TRUE(blue.sync()) << "... nor cuts him off ...";
    EXPECT_NE(from("127.0.0.1").login("Other"), 0) << "... nor the others who come from 127.0.0.1";
    EXPECT_EQ(notices.value(0), "Copy is removed: the name Copy stays away while you host.");
}

TEST(AdmissionReports, PastFiveAddressesTheOthersAreToldTogether)
{
    Admission admission;
    admission.setLocked(true);
    for (int i = 1; i <= 8; ++i) {
        const SocketAddress address = *SocketAddress::fromLiteral(QStringLiteral("2001:db8:%1::7").arg(i));
        ASSERT_EQ(admission.judge(address, {}, 0), Admission::Refusal::Locked);
        admission.refused(address, Admission::Refusal::Locked, 0);
    }
    const qint64 gather = Admission::limits().reportGatherMs;
    const QStringList first = admission.dueReports(gather);
    EXPECT_EQ(first.size(), 5);
    EXPECT_EQ(first.value(0), "Turned away 1 connections from 2001:db8:1::/64 (table locked).");
    EXPECT_EQ(admission.dueReports(2 * gather),
              QStringList{"Turned away 3 connections from 3 other addresses (table locked)."});
}

TEST(AdmissionReports, RefusalsFromTwoHundredThousandBlocksKeepBoundedMemory)
{
    Admission admission;
    admission.setLocked(true);
    in6_addr ip = *reinterpret_cast<const in6_addr *>("\x20\x01\x0d\xb8\0\0\0\0\0\0\0\0\0\0\0\x07");
    for (quint32 i = 0; i < 200000; ++i) {
        std::memcpy(ip.s6_addr + 4, &i, sizeof i);
        const SocketAddress address = SocketAddress::ipv6(ip);
        admission.refused(address, admission.judge(address, {}, i / 100), i / 100);
        ASSERT_LE(admission.trackedAddresses(), Admission::limits().trackedBlocks);
        ASSERT_LE(admission.waitingReports(), 2 * Admission::limits().trackedBlocks + 64);
    }
    const QStringList lines = admission.dueReports(10000000);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines.last(), "Turned away 199995 connections from 199995 other addresses (table locked).");
}

// A player relayed by the meeting service arrives on a connection this copy
// dialled itself (here to a stand-in for the service on this machine, so
// its socket has a loopback peer): he is judged by the address the service
// names, never taken for the hosting player's own, and the bytes that came
// with the pairing are his first.
TEST_F(OpenPort, ARelayedPlayerIsJudgedByTheAddressTheServiceNames)
{
    holdClock();
    connectAndLogin("Blue");
    QTcpServer service;
    ASSERT_TRUE(service.listen(QHostAddress::LocalHost, 0));
    std::vector<std::unique_ptr<QTcpSocket>> joiners;
    const auto relayed = [&](const char *player, const QByteArray &leftover = {}) -> QTcpSocket & {
        auto *dialled = new TSock;
        dialled->setHostName(QStringLiteral("127.0.0.1"));
        dialled->setPortName(QString::number(service.serverPort()));
        dialled->Open();
        EXPECT_TRUE(service.waitForNewConnection(5000));
        joiners.emplace_back(service.nextPendingConnection());
        // Paired, as the service's answer on it says.
        EXPECT_TRUE(waitUntil([dialled] { return dialled->Connected(); }));
        server.admitRelayed(dialled, *SocketAddress::fromLiteral(QString::fromLatin1(player)), leftover);
        return *joiners.back();
    };
    const auto hears = [](QTcpSocket &joiner, const QByteArray &bytes) {
        QByteArray heard;
        return waitUntil([&] { return (heard += joiner.readAll()).contains(bytes); });
    };

    QTcpSocket &bo = relayed("198.51.100.6", "CMD_logininfo+2+1.0.0+Bo\xFF");
    ASSERT_TRUE(hears(bo, ff("CMD_sendlogininfo+2")));
    ASSERT_TRUE(waitUntil([this] { return server.seats()[2].name == "Bo"; }));
    EXPECT_FALSE(server.ownConnection(2));
    // A service on the host's own machine names a loopback address: still a
    // stranger, who waits to log in like any other.
    QTcpSocket &local = relayed("127.0.0.1");
    ASSERT_TRUE(hears(local, ff("CMD_sendlogininfo+3")));
    EXPECT_FALSE(server.ownConnection(3));

    server.setTableLocked(true);
    QTcpSocket &stranger = relayed("203.0.113.66");
    EXPECT_TRUE(hears(stranger, ff("CMD_full+")));
    now += Admission::limits().reportGatherMs;
    server.admissionReportTimer();
    EXPECT_EQ(notices, QStringList{"Turned away 1 connections from 203.0.113.66 (table locked)."});
}
