#include "addresslookup.h"

#include "tsock.h"

#include <QHash>
#include <QMetaObject>
#include <QObject>
#include <QUrl>

#include <netdb.h>
#include <netinet/in.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

const char *const serviceNotFound = "Port Lookup - Could Not Find Service Entry";

using Clock = std::chrono::steady_clock;

struct CachedHost
{
    QList<SocketAddress> addresses;
    Clock::time_point resolvedAt;
};

// The resolver threads fill the cache and the transport reads it, so it
// has a lock. It is never destroyed: a resolver thread may still finish
// while the program ends.
struct HostCache
{
    std::mutex mutex;
    QHash<QString, CachedHost> entries;
    std::chrono::milliseconds lifetime = AddressLookup::CacheLifetime;
};

HostCache &hostCache()
{
    static auto *cache = new HostCache;
    return *cache;
}

// The cached addresses of a name while they are fresh; a stale entry goes.
std::optional<QList<SocketAddress>> cachedHost(const QString &name)
{
    HostCache &cache = hostCache();
    const std::lock_guard lock(cache.mutex);
    const auto cached = cache.entries.find(name);
    if (cached == cache.entries.end())
        return std::nullopt;
    if (Clock::now() - cached->resolvedAt >= cache.lifetime) {
        cache.entries.erase(cached);
        return std::nullopt;
    }
    return cached->addresses;
}

bool startsWithDigit(const QString &name)
{
    return !name.isEmpty() && name.at(0) >= QLatin1Char('0') && name.at(0) <= QLatin1Char('9');
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
    if (std::optional<QList<SocketAddress>> cached = cachedHost(name))
        return cached;
    return std::nullopt;
}

void resolve(const QString &name, const QObject *context, std::function<void(QList<SocketAddress>)> answered)
{
    // The answer's way back: the context, for as long as it exists. The
    // resolver thread posts to it only under the lock, and the context's
    // end clears it under the same lock, so the context may go at any time
    // (a posted answer goes with it). A name server that never answers
    // keeps only its own thread; the program may end meanwhile, and that
    // thread touches nothing of the program's but the cache.
    struct WayBack
    {
        std::mutex mutex;
        QObject *receiver = nullptr;
    };
    auto way = std::make_shared<WayBack>();
    way->receiver = const_cast<QObject *>(context);
    QObject::connect(context, &QObject::destroyed, [way] {
        const std::lock_guard lock(way->mutex);
        way->receiver = nullptr;
    });
    const auto answer = [way, name](QList<SocketAddress> addresses, std::function<void(QList<SocketAddress>)> then) {
        // An answer that comes after its endpoint gave up (a slow name
        // server) still serves the next try from the cache.
        if (!addresses.isEmpty()) {
            HostCache &cache = hostCache();
            const std::lock_guard lock(cache.mutex);
            cache.entries.insert(name, {addresses, Clock::now()});
        }
        const std::lock_guard lock(way->mutex);
        if (way->receiver)
            QMetaObject::invokeMethod(
                way->receiver, [addresses = std::move(addresses), then = std::move(then)] { then(addresses); },
                Qt::QueuedConnection);
    };
    // International names go to the resolver in their ASCII form.
    try {
        std::thread([answer, ace = QUrl::toAce(name), answered]() mutable {
            QList<SocketAddress> addresses;
            addrinfo hints {};
            hints.ai_family = AF_UNSPEC;
            hints.ai_socktype = SOCK_STREAM;
            hints.ai_flags = AI_ADDRCONFIG;
            addrinfo *found = nullptr;
            if (!ace.isEmpty() && ::getaddrinfo(ace.constData(), nullptr, &hints, &found) == 0) {
                for (const addrinfo *entry = found; entry; entry = entry->ai_next) {
                    if (entry->ai_family != AF_INET && entry->ai_family != AF_INET6)
                        continue;
                    sockaddr_storage storage {};
                    std::memcpy(&storage, entry->ai_addr, std::min<std::size_t>(entry->ai_addrlen, sizeof storage));
                    if (const std::optional<SocketAddress> address = SocketAddress::fromSystem(storage);
                        address && !addresses.contains(*address))
                        addresses << *address;
                }
                ::freeaddrinfo(found);
            }
            answer(std::move(addresses), std::move(answered));
        }).detach();
    } catch (const std::system_error &) {
        // No thread to be had: the name is told as not found.
        answer({}, std::move(answered));
    }
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
    return cachedHost(name).has_value();
}

void setCacheLifetimeForTests(std::chrono::milliseconds lifetime)
{
    HostCache &cache = hostCache();
    const std::lock_guard lock(cache.mutex);
    cache.lifetime = lifetime;
}

} // namespace AddressLookup
