// Both address families: a listener takes IPv4 and IPv6 and names each peer
// plainly; a name's addresses are tried one by one with a head start each.
#include "loopback.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/mount.h>
#include <unistd.h>

// How the listener names a peer that connected to `host`.
static QString acceptedHostName(TSock &listener, const QString &host)
{
    TSock *accepted = nullptr;
    listener.OnAccept = [&](TSock *sender) { sender->Accept(accepted); };
    const auto client = connectingClient(listener.LocalPort(), host);
    waitUntil([&] { return accepted && client->Connected(); });
    return accepted ? accepted->HostName() : QStringLiteral("nobody");
}

TEST(DualStack, AListenerTakesBothFamiliesAndNamesEachPeerPlainly)
{
    if (QTcpServer probe; !probe.listen(QHostAddress::LocalHostIPv6))
        GTEST_SKIP() << "no IPv6 on the loopback interface";
    for (const bool loopbackOnly : {false, true}) {
        TSock listener;
        listener.setLoopbackOnly(loopbackOnly);
        listener.setPortName(QStringLiteral("0"));
        listener.setListen(true);
        EXPECT_EQ(acceptedHostName(listener, "::1"), "::1");
        EXPECT_EQ(acceptedHostName(listener, "[::1]"), "::1");
        EXPECT_EQ(acceptedHostName(listener, "127.0.0.1"), "127.0.0.1");
    }
}

// The name's IPv6 address leads nowhere, as over a broken IPv6 route; its
// IPv4 address leads to the listener. The test runs itself again in mount
// and network namespaces of its own, for a hosts file that names them.
TEST(DualStack, ANameWhoseIpv6RouteIsBrokenIsReachedOverIpv4WithinASecond)
{
    if (!qEnvironmentVariableIsSet("TAVLIX_PRIVATE_NETWORK")) {
        if (::geteuid() != 0 || std::system("command -v unshare >/dev/null && ip -V >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "needs root, unshare and ip for a private network and hosts file";
        QProcess inner;
        inner.setProcessChannelMode(QProcess::MergedChannels);
        inner.start("unshare", {"--mount", "--net", "--", "env", "TAVLIX_PRIVATE_NETWORK=1",
                                QCoreApplication::applicationFilePath(), "--gtest_filter=DualStack.*Broken*"});
        ASSERT_TRUE(inner.waitForFinished(60000));
        EXPECT_EQ(inner.exitCode(), 0) << inner.readAll().toStdString();
        return;
    }

    // The IPv6 address's neighbour entry names a hardware address nobody has.
    ASSERT_EQ(std::system("ip link set lo up && ip link add swallow type veth peer name swallowed"
                          " && ip link set swallow up && ip link set swallowed up"
                          " && ip addr add 10.77.0.1/24 dev swallow && ip addr add 2001:db8:77::1/64 dev swallow nodad"
                          " && ip neigh add 2001:db8:77::99 lladdr 02:00:00:00:77:99 dev swallow"), 0);
    QTemporaryDir folder;
    QFile hosts(folder.filePath("hosts"));
    ASSERT_TRUE(hosts.open(QIODevice::WriteOnly) && hosts.write("10.77.0.1 both.test\n2001:db8:77::99 both.test\n") > 0);
    hosts.close();
    ASSERT_EQ(::mount(qPrintable(hosts.fileName()), "/etc/hosts", nullptr, MS_BIND, nullptr), 0);

    const auto listener = ephemeralListener();
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(acceptedHostName(*listener, "both.test"), "10.77.0.1");
    const qint64 took = clock.elapsed();
    // IPv6 was tried first and given its head start.
    EXPECT_GE(took, 240);
    EXPECT_LT(took, 1000);
}
