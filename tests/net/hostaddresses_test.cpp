// This machine's addresses as the chat and the launcher name them, read from
// real interfaces in a network namespace of the test's own (root only).

#include "hostaddresses.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

TEST(HostAddresses, GuestBridgesAreLeftOutAndVpnsKept)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make interfaces in a network namespace of its own";
    const QString ns = QStringLiteral("hostaddr%1").arg(::getpid());
    ASSERT_EQ(QProcess::execute("ip", {"netns", "add", ns}), 0);
    const int made = QProcess::execute("ip", {"netns", "exec", ns, "sh", "-ec", R"(
        ip link add eth9 type bridge; ip link add docker0 type bridge; ip link add br-1f2e type bridge
        ip link add virbr0 type bridge; ip link add veth3a type veth peer name lanpeer
        for l in tailscale0 wg0 ztabc; do ip tuntap add $l mode tun; done
        for l in eth9 docker0 br-1f2e virbr0 veth3a tailscale0 wg0 ztabc; do ip link set $l up; done
        ip addr add 192.168.5.2/24 dev eth9; ip addr add 172.17.0.1/16 dev docker0
        ip addr add 172.18.0.1/16 dev br-1f2e; ip addr add 192.168.122.1/24 dev virbr0
        ip addr add 10.9.0.1/24 dev veth3a; ip addr add 100.101.2.3/32 dev tailscale0
        ip addr add 10.7.0.2/24 dev wg0; ip addr add 10.147.17.5/24 dev ztabc
        ip addr add 2001:db8:5::2/64 dev eth9 nodad; ip addr add fd00::2/64 dev eth9 nodad
        ip addr add 2001:db8:5::9/64 dev eth9 nodad preferred_lft 0
        ip addr add 2001:db8:6::1/64 dev docker0 nodad; ip -6 route add default via fe80::1 dev eth9)"});
    const int own = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
    const int inside = ::open(("/run/netns/" + ns).toLatin1().constData(), O_RDONLY | O_CLOEXEC);
    ::setns(inside, CLONE_NEWNET);
    QStringList ipv4 = networkAddresses();
    const QStringList ipv6 = globalIPv6Addresses();
    const QString gateway = ipv6DefaultGateway();
    ::setns(own, CLONE_NEWNET);
    ::close(inside);
    ::close(own);
    QProcess::execute("ip", {"netns", "del", ns});

    ASSERT_EQ(made, 0);
    ipv4.sort();
    EXPECT_EQ(ipv4, QStringList({"10.147.17.5", "10.7.0.2", "100.101.2.3", "192.168.5.2"}));
    EXPECT_EQ(ipv6, QStringList({"2001:db8:5::2"}));
    EXPECT_EQ(gateway, "fe80::1%eth9");
}
