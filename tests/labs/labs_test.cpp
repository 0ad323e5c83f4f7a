// Each network lab keeps the promise the other tests build on, checked with
// plain sockets opened inside its machines: a home router lets nothing in
// without a mapping, two closed homes reach the server but nobody reaches
// them, and a service published on one machine of a LAN is browsed on
// another. The labs need root; elsewhere every test skips with one line.

#include "childprocess.h"
#include "eventloop.h"
#include "netnamespace.h"

#include <QHostAddress>
#include <QProcess>
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <set>
#include <sys/socket.h>
#include <unistd.h>

namespace {

struct Peer
{
    std::string address;
    quint16 port = 0;
};

Peer peerOf(int fd, bool remote)
{
    sockaddr_storage at = {};
    socklen_t size = sizeof at;
    auto *any = reinterpret_cast<sockaddr *>(&at);
    if ((remote ? ::getpeername(fd, any, &size) : ::getsockname(fd, any, &size)) != 0)
        return {};
    // The port stands at the same place in sockaddr_in and sockaddr_in6.
    return {QHostAddress(any).toString().toStdString(), ntohs(reinterpret_cast<sockaddr_in *>(&at)->sin_port)};
}

class Lab : public ::testing::Test
{
protected:
    // Builds the lab `script` under a prefix of this run; marks the test
    // skipped when it cannot (the caller returns on IsSkipped()).
    void up(const char *script, const QStringList &extra = {})
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to build the lab's network namespaces";
        this->script = QStringLiteral(TAVLIX_LABS "/") + script;
        prefix = QStringLiteral("lb%1").arg(::getpid() % 10000);
        QProcess lab;
        lab.start(this->script, QStringList{"up", prefix} + extra);
        if (!lab.waitForFinished(30000) || lab.exitCode() != 0)
            GTEST_SKIP() << script << " did not come up: " << childOutput(lab).toStdString();
        isUp = true;
    }

    void TearDown() override
    {
        for (const int fd : descriptors)
            ::close(fd);
        for (QProcess *process : std::as_const(started)) {
            signalChild(*process, SIGTERM);
            process->waitForFinished(3000);
            delete process;
        }
        if (isUp)
            QProcess::execute(script, {"down", prefix});
    }

    QString machine(const char *name) const { return prefix + '-' + name; }

    int keep(int fd)
    {
        if (fd >= 0)
            descriptors.push_back(fd);
        return fd;
    }
    int connectTo(const char *name, const char *address, quint16 port, int timeoutMs = 5000)
    {
        return keep(connectFrom(machine(name), address, port, timeoutMs));
    }
    // Accepts one connection on `listener` and says who it came from.
    Peer acceptFrom(int listener)
    {
        const int fd = keep(::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC));
        return fd < 0 ? Peer{} : peerOf(fd, true);
    }

    // Starts a program on machine `name`; run() waits for its end and
    // gives its output.
    QProcess *start(const char *name, const QStringList &command, const QStringList &environment = {})
    {
        auto *process = new QProcess;
        started << process;
        process->start("ip", QStringList{"netns", "exec", machine(name), "env"} + environment + command);
        return process;
    }
    QByteArray run(const char *name, const QStringList &command, const QStringList &environment = {})
    {
        QProcess *process = start(name, command, environment);
        process->waitForFinished(15000);
        return childOutput(*process);
    }

    QString script, prefix;
    bool isUp = false;
    std::vector<int> descriptors;
    QList<QProcess *> started;
};

TEST_F(Lab, HomeRouterLetsNothingInWithoutAMappingOrPinhole)
{
    up("home-router.sh");
    if (IsSkipped())
        return;
    const int lan4 = keep(listenIn(machine("lan"), "192.168.77.2", 7772));
    const int lan6 = keep(listenIn(machine("lan"), "2001:db8:77::2", 7772));
    ASSERT_GE(lan4, 0);
    ASSERT_GE(lan6, 0);
    EXPECT_LT(connectTo("wan", "11.22.33.1", 7772, 1500), 0);
    EXPECT_LT(connectTo("wan", "2001:db8:77::2", 7772, 1500), 0);
    EXPECT_LT(connectTo("wan", "192.168.77.2", 7772, 1500), 0);

    // The router's control point answers on both families: a mapping asked
    // over IPv4 UPnP, a pinhole over IPv6 UPnP.
    const QByteArray mapped = run("lan", {"upnpc", "-u", "http://192.168.77.1:5000/rootDesc.xml", "-e", "lab",
                                          "-a", "192.168.77.2", "7772", "7772", "TCP", "600"});
    ASSERT_TRUE(mapped.contains("is redirected to internal 192.168.77.2:7772")) << mapped.toStdString();
    const QByteArray pinhole = run("lan", {"upnpc", "-6", "-u", "http://[2001:db8:77::1]:5000/rootDesc.xml", "-A", "",
                                           "0", "2001:db8:77::2", "7772", "TCP", "600"});
    ASSERT_TRUE(pinhole.contains("Pinhole ID")) << pinhole.toStdString();

    ASSERT_GE(connectTo("wan", "11.22.33.1", 7772), 0);
    EXPECT_EQ(acceptFrom(lan4).address, "11.22.33.2");
    ASSERT_GE(connectTo("wan", "2001:db8:77::2", 7772), 0);
    EXPECT_EQ(acceptFrom(lan6).address, "2001:db8:33::2");
}

TEST_F(Lab, ClosedHomesReachTheServerAndNothingReachesThem)
{
    up("closed-homes.sh");
    if (IsSkipped())
        return;
    const int server = keep(listenIn(machine("s"), "203.0.113.10", 7773));
    ASSERT_GE(server, 0);

    // A's provider gives every connection a random outside port; B's
    // router keeps the source port.
    std::set<quint16> outsideA;
    for (int i = 0; i < 3; ++i) {
        const int a = connectTo("a", "203.0.113.10", 7773);
        ASSERT_GE(a, 0);
        const Peer seen = acceptFrom(server);
        EXPECT_EQ(seen.address, "198.51.100.1");
        EXPECT_NE(seen.port, peerOf(a, false).port);
        outsideA.insert(seen.port);

        const int b = connectTo("b", "203.0.113.10", 7773);
        ASSERT_GE(b, 0);
        const Peer fromB = acceptFrom(server);
        EXPECT_EQ(fromB.address, "198.51.100.6");
        EXPECT_EQ(fromB.port, peerOf(b, false).port);
    }
    EXPECT_EQ(outsideA.size(), 3u);
    EXPECT_GE(connectTo("x", "203.0.113.10", 7773), 0);
    EXPECT_EQ(acceptFrom(server).address, "203.0.113.66");

    ASSERT_GE(keep(listenIn(machine("a"), "192.168.10.2", 7772)), 0);
    ASSERT_GE(keep(listenIn(machine("b"), "192.168.20.2", 7772)), 0);
    for (const char *from : {"s", "x", "b"}) {
        EXPECT_LT(connectTo(from, "198.51.100.1", 7772, 1000), 0) << from << " reached A";
        EXPECT_LT(connectTo(from, "192.168.10.2", 7772, 1000), 0) << from << " reached A's own address";
    }
    for (const char *from : {"s", "x", "a"}) {
        EXPECT_LT(connectTo(from, "198.51.100.6", 7772, 1000), 0) << from << " reached B";
        EXPECT_LT(connectTo(from, "192.168.20.2", 7772, 1000), 0) << from << " reached B's own address";
    }
    // The server's name resolves inside every machine of the lab.
    EXPECT_TRUE(run("a", {"getent", "hosts", "lobby.test"}).contains("203.0.113.10"));
}

TEST_F(Lab, LanPartyBrowsesOnOneMachineWhatAnotherPublishes)
{
    up("lan-party.sh");
    if (IsSkipped())
        return;
    const QString bus = "DBUS_SYSTEM_BUS_ADDRESS=unix:path=/tmp/" + machine("a") + ".bus";
    start("a", {"avahi-publish", "-s", "Ann", "_labcheck._tcp", "7000"}, {bus});
    QByteArray seen;
    const QString busC = "DBUS_SYSTEM_BUS_ADDRESS=unix:path=/tmp/" + machine("c") + ".bus";
    EXPECT_TRUE(waitUntil(
        [&] {
            seen = run("c", {"avahi-browse", "-rpt", "_labcheck._tcp"}, {busC});
            return seen.contains("192.168.88.11;7000");
        },
        20000))
        << seen.toStdString();
    EXPECT_TRUE(seen.contains(";Ann;_labcheck._tcp;")) << seen.toStdString();
}

} // namespace
