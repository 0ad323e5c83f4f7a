#include "addresslookup.h"

#include "tsock.h"

#include <QHash>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>

namespace {

const char *const hostNotFound = "Host Lookup - Could Not Find Host Entry";
const char *const serviceNotFound = "Port Lookup - Could Not Find Service Entry";

// Only the main thread uses the transport, so the cache needs no lock.
QHash<QString, quint32> &hostCache()
{
    static QHash<QString, quint32> cache;
    return cache;
}

bool startsWithDigit(const QString &name)
{
    return !name.isEmpty() && name.at(0) >= QLatin1Char('0') && name.at(0) <= QLatin1Char('9');
}

quint32 resolve(const QString &name)
{
    addrinfo hints {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *result = nullptr;
    const QByteArray encoded = name.toLocal8Bit();
    if (getaddrinfo(encoded.constData(), nullptr, &hints, &result) != 0 || !result)
        throw ESockException(hostNotFound);
    const auto *address = reinterpret_cast<const sockaddr_in *>(result->ai_addr);
    const quint32 ip = ntohl(address->sin_addr.s_addr);
    freeaddrinfo(result);
    return ip;
}

} // namespace

namespace AddressLookup {

quint32 host(const QString &name)
{
    if (name.isEmpty())
        return INADDR_ANY;
    if (startsWithDigit(name)) {
        // A dotted address that does not parse names no host at all; it is
        // refused here rather than turned into the broadcast address.
        in_addr parsed {};
        if (inet_aton(name.toLatin1().constData(), &parsed) == 0)
            throw ESockException(hostNotFound);
        return ntohl(parsed.s_addr);
    }
    auto &cache = hostCache();
    const auto cached = cache.constFind(name);
    if (cached != cache.constEnd())
        return *cached;
    const quint32 ip = resolve(name);
    cache.insert(name, ip);
    return ip;
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
    return hostCache().contains(name);
}

} // namespace AddressLookup
