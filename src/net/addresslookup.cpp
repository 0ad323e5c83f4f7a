#include "addresslookup.h"

#include "tsock.h"

#include <QHash>
#include <QHostAddress>
#include <QHostInfo>
#include <QPointer>

#include <arpa/inet.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>

namespace {

const char *const serviceNotFound = "Port Lookup - Could Not Find Service Entry";

using Clock = std::chrono::steady_clock;

struct CachedHost
{
    QList<SocketAddress> addresses;
    Clock::time_point resolvedAt;
};

// Only the main thread uses the transport, and answers come back to it, so
// the cache needs no lock.
QHash<QString, CachedHost> &hostCache()
{
    static QHash<QString, CachedHost> cache;
    return cache;
}

std::chrono::milliseconds &cacheLifetime()
{
    static std::chrono::milliseconds lifetime = AddressLookup::CacheLifetime;
    return lifetime;
}

// The cached addresses of a name while they are fresh; a stale entry goes.
const QList<SocketAddress> *cachedHost(const QString &name)
{
    auto &cache = hostCache();
    const auto cached = cache.find(name);
    if (cached == cache.end())
        return nullptr;
    if (Clock::now() - cached->resolvedAt >= cacheLifetime()) {
        cache.erase(cached);
        return nullptr;
    }
    return &cached->addresses;
}

bool startsWithDigit(const QString &name)
{
    return !name.isEmpty() && name.at(0) >= QLatin1Char('0') && name.at(0) <= QLatin1Char('9');
}

SocketAddress fromQt(const QHostAddress &address)
{
    if (address.protocol() == QAbstractSocket::IPv4Protocol)
        return SocketAddress::ipv4(address.toIPv4Address());
    in6_addr ip {};
    const Q_IPV6ADDR bytes = address.toIPv6Address();
    static_assert(sizeof ip.s6_addr == sizeof bytes.c);
    std::copy(std::begin(bytes.c), std::end(bytes.c), ip.s6_addr);
    // The zone of a resolved link-local address, as a number or a name.
    const QString zone = address.scopeId();
    bool numeric = false;
    const quint32 index = zone.toUInt(&numeric);
    return SocketAddress::ipv6(ip, 0, numeric || zone.isEmpty() ? index : ::if_nametoindex(qPrintable(zone)));
}

} // namespace

namespace AddressLookup {

std::optional<QList<SocketAddress>> host(const QString &name)
{
    if (name.isEmpty())
        return QList<SocketAddress>{SocketAddress::ipv4(INADDR_ANY)};
    if (SocketAddress::meantAsLiteral(name)) {
        // A literal that does not parse names no host at all; it is refused
        // here rather than sent to the resolver (which would ask the name
        // servers about it) or turned into some other address.
        const std::optional<SocketAddress> literal = SocketAddress::fromLiteral(name);
        if (!literal)
            throw ESockException(hostNotFound);
        return QList<SocketAddress>{*literal};
    }
    if (const QList<SocketAddress> *cached = cachedHost(name))
        return *cached;
    return std::nullopt;
}

void resolve(const QString &name, const QObject *context, std::function<void(QList<SocketAddress>)> answered)
{
    // Without a context object the answer comes back to this thread in any
    // case, so that the lookup's own state is always released; an answer
    // that nobody waits for still fills the cache.
    QPointer<const QObject> receiver(context);
    QHostInfo::lookupHost(name, [name, receiver, answered = std::move(answered)](const QHostInfo &answer) {
        QList<SocketAddress> addresses;
        for (const QHostAddress &address : answer.addresses()) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol
                || address.protocol() == QAbstractSocket::IPv6Protocol)
                addresses << fromQt(address);
        }
        if (!addresses.isEmpty())
            hostCache().insert(name, {addresses, Clock::now()});
        if (receiver)
            answered(addresses);
    });
}

quint16 port(const QString &name)
{
    if (startsWithDigit(name)) {
        // The whole name must be a port number; "77x2" or "70000" name none.
        bool ok = false;
        const uint number = name.toUInt(&ok, 10);
        if (!ok || number > 65535)
            throw ESockException(serviceNotFound);
        return quint16(number);
    }
    const QByteArray encoded = name.toLocal8Bit();
    const servent *entry = getservbyname(encoded.constData(), "tcp");
    if (!entry)
        throw ESockException(serviceNotFound);
    return ntohs(quint16(entry->s_port));
}

bool hostCacheContains(const QString &name)
{
    return cachedHost(name) != nullptr;
}

void setCacheLifetimeForTests(std::chrono::milliseconds lifetime)
{
    cacheLifetime() = lifetime;
}

} // namespace AddressLookup
