// Strangers on an open port: connections that never log in, floods from one
// address, removed players who come back, and a locked table. Real sockets;
// the peers bind addresses of 127.0.0.0/8 to stand for other machines.
#include "hostharness.h"

#include "admission.h"
#include "eventloop.h"

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
    EXPECT_EQ(notices, QStringList{"Green tried to join again and was turned away."});
    now += Admission::limits().reportGapMs;
    server.admissionReportTimer();
    EXPECT_EQ(notices.value(1), "Turned away 2 connections from 127.0.0.6 (removed).");
    EXPECT_EQ(notices.size(), 2);
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

TEST_F(OpenPort, StrangersGiveTheirPlacesToAPlayerAndMaySendNoMoreThanAFewKiB)
{
    Admission::Limits limits;
    limits.giveWayAfterMs = 100;
    Admission::setLimitsForTests(limits);
    connectAndLogin("Blue");
    // Strangers from eight addresses take every other place.
    std::vector<TestClient *> strangers;
    for (int i = 2; i <= 9; ++i) {
        strangers.push_back(&from(QByteArray("127.0.1." + QByteArray::number(i)).constData()));
        ASSERT_TRUE(strangers.back()->waitForCount(1)) << i;
    }
    spinFor(200);
    EXPECT_EQ(from("127.0.2.1").login("Green"), 2);
    EXPECT_TRUE(strangers.front()->waitClosed()) << "the one that waited longest gave way";

    strangers.back()->send(QByteArray(Admission::BytesBeforeLogin + 100, 'x'));
    EXPECT_TRUE(strangers.back()->waitClosed()) << "an unfinished line of a stranger ends at a few KiB";
}

TEST(AdmissionReports, PastFiveAddressesTheOthersAreToldTogether)
{
    Admission admission;
    admission.setLocked(true);
    for (int i = 1; i <= 8; ++i) {
        const QString address = QStringLiteral("2001:db8:%1::7").arg(i);
        ASSERT_EQ(admission.judge(address, 0, 0), Admission::Refusal::Locked);
        admission.refused(address, Admission::Refusal::Locked, 0);
    }
    const qint64 gather = Admission::limits().reportGatherMs;
    const QStringList first = admission.dueReports(gather);
    EXPECT_EQ(first.size(), 5);
    EXPECT_EQ(first.value(0), "Turned away 1 connections from 2001:db8:1::/64 (table locked).");
    EXPECT_EQ(admission.dueReports(2 * gather),
              QStringList{"Turned away 3 connections from 3 other addresses (table locked)."});
}
