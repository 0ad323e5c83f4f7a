// Hosting behind a real home router: namespaces with miniupnpd (UPnP IGD and
// NAT-PMP) built by the home-router lab (tests/labs/home-router.sh). This test's thread moves into
// the home network, so the program hosts there with its ordinary sockets.

#include "chatpane.h"
#include "chatview.h"
#include "childprocess.h"
#include "netnamespace.h"
#include "portmapper.h"
#include "programcopy.h"
#include "routerclient.h"

#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <netinet/in.h>
#include <sched.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

class HomeRouter : public ::testing::Test
{
protected:
    // "cgnat": the provider's carrier-grade NAT in front of the router.
    virtual QString mode() const { return {}; }

    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to build the home network's namespaces";
        prefix = QStringLiteral("r%1").arg(::getpid() % 100000);
        QProcess up;
        up.start(QStringLiteral(TAVLIX_LABS "/home-router.sh"), QStringList{"up", prefix, mode()});
        if (!up.waitForFinished(30000) || up.exitCode() != 0)
            GTEST_SKIP() << "no home network: " << up.readAllStandardError().toStdString();
        own = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
        enter("lan");
    }

    void TearDown() override
    {
        if (own < 0)
            return;
        copy.reset();
        ::setns(own, CLONE_NEWNET);
        ::close(own);
        QProcess::execute(QStringLiteral(TAVLIX_LABS "/home-router.sh"), {"down", prefix});
    }

    void enter(const char *side)
    {
        const QByteArray path = "/run/netns/" + prefix.toLatin1() + "-" + side;
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(::setns(fd, CLONE_NEWNET), 0) << path.constData();
        ::close(fd);
    }

    // The router's mappings: "TCP:7772:192.168.77.2:7772:expiry:Tavlix".
    QByteArray leases() const
    {
        QFile file("/tmp/" + prefix + "-leases");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool mapped() const { return leases().contains("TCP:7772:192.168.77.2:7772:"); }
    // The router's firewall lets IPv6 in to 2001:db8:77::2 (a pinhole).
    bool pinholed() const
    {
        QProcess nft;
        nft.start("ip", {"netns", "exec", prefix + "-router", "nft", "list", "chain", "inet", "filter", "miniupnpd"});
        nft.waitForFinished();
        return nft.readAllStandardOutput().contains("0x20010db8007700000000000000000002");
    }
    // Signals the lab router's miniupnpd.
    bool signalRouter(int signal) const { return signalPidFile("/tmp/" + prefix + "-miniupnpd.pid", signal); }

    void host(const QByteArray &settings = {})
    {
        copy = std::make_unique<Copy>(QStringList{"Ann", "127.0.0.1", "true"}, "7772");
        if (!settings.isEmpty()) {
            QFile ini(copy->folder.filePath("orvellobby.ini"));
            ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
            ini.write("[Tavlix]\n" + settings);
        }
        copy->program->setRouter(makeSystemRouterClient());
        copy->program->show();
    }
    QString chat() const { return copy->program->chatPane().mainchat()->toPlainText(); }

    // The real executable hosts until `made` holds, then ends with SIGTERM
    // as a logout or a kill ends it.
    void hostAndTerminate(const std::function<bool()> &made)
    {
        QTemporaryDir folder;
        const QString exe = folder.filePath("tavlix");
        QFile::copy(QStringLiteral(TAVLIX_EXECUTABLE), exe);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", folder.path());
        QProcess game;
        game.setProcessEnvironment(env);
        game.start(exe, {"Ann", "127.0.0.1", "true"});
        ASSERT_TRUE(waitUntil(made, 15000)) << leases().toStdString() << childOutput(game).constData();
        ASSERT_TRUE(signalChild(game, SIGTERM)) << childOutput(game).constData();
        ASSERT_TRUE(game.waitForFinished(10000));
        EXPECT_TRUE(game.exitStatus() == QProcess::NormalExit && game.exitCode() == 0) << childOutput(game).constData();
    }

    // A player on the internet side connects to `address` and logs in as
    // Bo; true once the hosting window shows him.
    bool joinsFromTheInternet(const char *address)
    {
        // The host's kernel completes the connection; the host accepts it later.
        const int fd = connectFrom(prefix + "-wan", address, 7772);
        QTcpSocket bo;
        if (fd < 0 || !bo.setSocketDescriptor(fd))
            return false;
        QByteArray received;
        QObject::connect(&bo, &QTcpSocket::readyRead, [&] { received += bo.readAll(); });
        if (!waitUntil([&] { return received.contains("CMD_sendlogininfo+2\xFF"); }, 10000))
            return false;
        bo.write("CMD_logininfo+2+1.0.0+Bo\xFF");
        return waitUntil([&] { return copy->label("label_playername2") == "Bo"; });
    }

    QString prefix;
    int own = -1;
    std::unique_ptr<Copy> copy;
};

class CarrierGradeNat : public HomeRouter
{
protected:
    QString mode() const override { return QStringLiteral("cgnat"); }
};

} // namespace

TEST_F(HomeRouter, HostingOpensThePortForTheInternetAndSwitchingOffClosesIt)
{
    host();
    ASSERT_TRUE(waitUntil([this] { return mapped(); }, 5000)) << leases().toStdString();
    EXPECT_TRUE(waitUntil([this] { return chat().contains("Players on the internet can join you at 11.22.33.1."); }));
    EXPECT_TRUE(chat().contains("Players on your network can join you at 192.168.77.2.")) << chat().toStdString();
    EXPECT_TRUE(waitUntil([this] { return chat().contains("Players with IPv6 can join you at 2001:db8:77::2."); }));
    EXPECT_TRUE(pinholed());

    // A player on the internet reaches the public address and logs in.
    EXPECT_TRUE(joinsFromTheInternet("11.22.33.1"));

    copy->program->mainWindow().item("OpenPort1")->trigger();
    EXPECT_TRUE(waitUntil([this] { return !mapped() && !pinholed(); }, 5000));
    QFile ini(copy->program->settingsPath());
    ini.open(QIODevice::ReadOnly);
    EXPECT_TRUE(ini.readAll().contains("Openport=0"));
}

TEST_F(HomeRouter, WithOpenportOffNothingIsMapped)
{
    host("Openport=0\n");
    ASSERT_TRUE(waitUntil([this] { return chat().contains("Players on your network can join you at 192.168.77.2."); }));
    spinFor(3000);
    EXPECT_FALSE(mapped());
    EXPECT_EQ(copy->program->portMapper(), nullptr);
}

TEST_F(HomeRouter, ARouterWithoutMiniupnpdFailsWithinFiveSecondsWhileTheGamePlays)
{
    ASSERT_TRUE(signalRouter(SIGTERM));
    spinFor(300);

    QElapsedTimer clock;
    clock.start();
    host();
    // The window keeps working while the router is asked: the game starts
    // and the computer plays, with no long stall of the event loop.
    qint64 last = 0, longestStall = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longestStall = std::max(longestStall, clock.elapsed() - last);
        last = clock.elapsed();
    });
    ticks.start(10);
    ASSERT_TRUE(waitUntil([this] { return chat().contains("You are Connected."); }));
    ASSERT_TRUE(startGame(*copy, 1));
    ASSERT_TRUE(waitUntil([this] { return chat().contains("Your router did not open port 7772 ("); }, 5000));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(chat().contains("Players outside your network can join only if you forward port 7772 to 192.168.77.2."))
        << chat().toStdString();
    EXPECT_LT(longestStall, 500);
}

TEST_F(HomeRouter, APortThatLeadsToAnotherMachineIsSaidAndNoOtherPortIsTaken)
{
    // Another machine of the home, 192.168.77.3, holds port 7772 already.
    const QString lan = prefix + "-lan", dev = prefix + "-l";
    const auto ip = [&](const QString &command) { return QProcess::execute("ip", QProcess::splitCommand(command)); };
    ASSERT_EQ(ip("-n " + lan + " addr add 192.168.77.3/24 dev " + dev), 0);
    ASSERT_EQ(ip("-n " + lan + " route change 192.168.77.0/24 dev " + dev + " src 192.168.77.3"), 0);
    ASSERT_EQ(QProcess::execute("natpmpc", {"-g", "192.168.77.1", "-a", "7772", "7772", "tcp", "3600"}), 0);
    ASSERT_EQ(ip("-n " + lan + " route change 192.168.77.0/24 dev " + dev + " src 192.168.77.2"), 0);
    ASSERT_TRUE(leases().contains("TCP:7772:192.168.77.3:7772:"));

    host();
    EXPECT_TRUE(waitUntil([this] {
        return chat().contains("Your router did not open port 7772 (port 7772 on the router already leads to another "
                               "machine). Players outside your network can join only if you forward port 7772 to "
                               "192.168.77.2.");
    }));
    EXPECT_FALSE(leases().contains(":192.168.77.2:")) << leases().toStdString();
}

// Over UPnP: the router refuses NAT-PMP here, and its control point
// answers over IPv4.
TEST_F(HomeRouter, ALoweredLeaseIsRenewedOverUpnp)
{
    const QString router = prefix + "-router";
    ASSERT_EQ(QProcess::execute("ip", {"netns", "exec", router, "nft", "add chain inet filter input "
                                       "{ type filter hook input priority 0; } ; add rule inet filter input "
                                       "udp dport 5351 reject"}), 0);
    PortMapper mapper(makeSystemRouterClient());
    mapper.setLeaseForTesting(4);
    int renewals = 0;
    QObject::connect(&mapper, &PortMapper::renewed, [&] { ++renewals; });
    mapper.open(7772);
    ASSERT_TRUE(waitUntil([&] { return mapped(); }));
    const QByteArray first = leases();
    EXPECT_TRUE(first.contains(":Tavlix")) << first.toStdString();
    ASSERT_TRUE(waitUntil([&] { return renewals >= 2; }, 8000));
    EXPECT_TRUE(mapped());
    EXPECT_NE(leases(), first);
    mapper.finish();
    EXPECT_FALSE(mapped());
}

TEST_F(HomeRouter, TheRealProgramRemovesTheMappingAndThePinholeOnSigterm)
{
    hostAndTerminate([this] { return mapped() && pinholed(); });
    EXPECT_FALSE(mapped()) << leases().toStdString();
    EXPECT_FALSE(pinholed());
}

// A router slower than libnatpmp's first resend (250 ms) answers the
// public-address request twice; the second answer is no mapping answer.
TEST_F(HomeRouter, ADoubledNatPmpAnswerIsNotTakenForTheMapping)
{
    PortMapper mapper(makeSystemRouterClient());
    std::string said;
    QObject::connect(&mapper, &PortMapper::opened, [&] { said = "opened"; });
    QObject::connect(&mapper, &PortMapper::failed, [&](const RouterReply &reply) { said = reply.reason.toStdString(); });
    ASSERT_TRUE(signalRouter(SIGSTOP));
    mapper.open(7772);
    spinFor(400);
    ASSERT_TRUE(signalRouter(SIGCONT));
    ASSERT_TRUE(waitUntil([&] { return !said.empty(); }));
    EXPECT_EQ(said, "opened");
    EXPECT_TRUE(mapped()) << leases().toStdString();
}

TEST_F(HomeRouter, EitherLibraryWorksAloneAndAMissingOneIsNamed)
{
    PortMapper natpmpAlone(makeSystemRouterClient(2000, {.miniupnpc = false}));
    PinholeReply refused;
    QObject::connect(&natpmpAlone, &PortMapper::pinholeFailed, [&](const PinholeReply &reply) { refused = reply; });
    natpmpAlone.open(7772);
    ASSERT_TRUE(waitUntil([&] { return !refused.reason.isEmpty(); }));
    EXPECT_TRUE(mapped());
    EXPECT_TRUE(refused.notAsked);
    EXPECT_EQ(refused.reason, "miniupnpc is not installed");
    natpmpAlone.finish();

    PortMapper upnpAlone(makeSystemRouterClient(2000, {.natpmp = false}));
    upnpAlone.open(7772);
    EXPECT_TRUE(waitUntil([&] { return pinholed(); }, 10000));
    upnpAlone.finish();
    EXPECT_FALSE(pinholed());
}

TEST_F(CarrierGradeNat, APinholeLetsIPv6InAndTheChatSaysTheIPv4AddressIsShared)
{
    QElapsedTimer clock;
    clock.start();
    host();
    ASSERT_TRUE(waitUntil([this] { return pinholed(); }, 15000));
    std::cout << "pinhole made " << clock.elapsed() << " ms after the start\n";
    EXPECT_TRUE(waitUntil([this] { return chat().contains("Players with IPv6 can join you at 2001:db8:77::2."); }));
    EXPECT_TRUE(chat().contains("Your internet provider shares its IPv4 address among many homes, so players on the "
                                "internet cannot reach you over IPv4."))
        << chat().toStdString();
    EXPECT_FALSE(chat().contains("did not open port"));
    EXPECT_TRUE(joinsFromTheInternet("2001:db8:77::2"));
}

TEST_F(CarrierGradeNat, TheRealProgramClosesThePinholeOnSigterm)
{
    hostAndTerminate([this] { return pinholed(); });
    EXPECT_FALSE(pinholed());
}
