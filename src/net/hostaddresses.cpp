#include "hostaddresses.h"

#include "plainfile.h"
#include "textlines.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QNetworkInterface>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool isGuestBridge(const QString &name)
{
    return name == QLatin1String("docker0") || name.startsWith(QLatin1String("br-"))
           || name.startsWith(QLatin1String("virbr")) || name.startsWith(QLatin1String("veth"));
}

// The address entries of the interfaces that are up and lead to other
// machines.
QList<QNetworkAddressEntry> reachableEntries()
{
    QList<QNetworkAddressEntry> entries;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack)
            || isGuestBridge(interface.name()))
            continue;
        entries += interface.addressEntries();
    }
    return entries;
}

} // namespace

QStringList networkAddresses()
{
    QStringList addresses;
    for (const QNetworkAddressEntry &entry : reachableEntries()) {
        const QHostAddress address = entry.ip();
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            addresses << address.toString();
    }
    return addresses;
}

QString routeSourceIPv4()
{
    // Connecting a UDP socket only chooses the route; nothing is sent.
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return {};
    sockaddr_in far = {};
    far.sin_family = AF_INET;
    far.sin_port = htons(9);
    ::inet_pton(AF_INET, "192.0.2.1", &far.sin_addr);
    sockaddr_in own = {};
    socklen_t ownLength = sizeof own;
    QString address;
    if (::connect(fd, reinterpret_cast<sockaddr *>(&far), sizeof far) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr *>(&own), &ownLength) == 0)
        address = QHostAddress(ntohl(own.sin_addr.s_addr)).toString();
    ::close(fd);
    return address;
}

QStringList globalIPv6Addresses()
{
    QStringList addresses;
    for (const QNetworkAddressEntry &entry : reachableEntries()) {
        const QHostAddress address = entry.ip();
        if (address.protocol() != QAbstractSocket::IPv6Protocol || !address.isGlobal() || address.isLoopback()
            || address.isLinkLocal() || address.isUniqueLocalUnicast() || address.isSiteLocal()
            || address.isMulticast() || entry.isTemporary())
            continue;
        if (entry.isLifetimeKnown() && entry.preferredLifetime().hasExpired())
            continue;
        const QString text = address.toString();
        if (!addresses.contains(text))
            addresses << text;
    }
    return addresses;
}

bool isSharedIPv4Address(const QString &address)
{
    const QHostAddress outside(address);
    if (outside.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    for (const auto &[network, bits] : {std::pair{"10.0.0.0", 8}, {"172.16.0.0", 12}, {"192.168.0.0", 16},
                                        {"100.64.0.0", 10}}) {
        if (outside.isInSubnet(QHostAddress(QLatin1String(network)), bits))
            return true;
    }
    return false;
}

QString ipv6DefaultGateway()
{
    // The kernel's IPv6 routes of this thread's network namespace, one a line: destination, its prefix length,
    // source, its prefix length, next hop, metric, three counters and
    // flags, then the interface; addresses in 32 hexadecimal digits.
    const PlainFile routes = readPlainFile("/proc/thread-self/net/ipv6_route");
    if (!routes.ok())
        return {};
    QString gateway;
    bool ok = false;
    uint best = 0;
    for (const std::string_view line : splitLines(routes.bytes)) {
        const QStringList fields =
            QString::fromLatin1(line.data(), qsizetype(line.size())).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() < 10 || fields.at(1) != QLatin1String("00") || fields.at(0).count(QLatin1Char('0')) != 32)
            continue;
        const QByteArray hop = QByteArray::fromHex(fields.at(4).toLatin1());
        const uint metric = fields.at(5).toUInt(&ok, 16);
        if (hop.size() != 16 || hop.count('\0') == 16 || !ok || (!gateway.isEmpty() && metric >= best))
            continue;
        QHostAddress next(reinterpret_cast<const quint8 *>(hop.constData()));
        if (next.isLinkLocal())
            next.setScopeId(fields.at(9));
        gateway = next.toString();
        best = metric;
    }
    return gateway;
}
