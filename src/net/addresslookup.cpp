#include "addresslookup.h"

#include "tsock.h"

#include <QHash>
#include <QHostAddress>
#include <QHostInfo>
#include <QPointer>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>

namespace {

const char *const serviceNotFound = "Port Lookup - Could Not Find Service Entry";

// Only the main thread uses the transport, and answers come back to it, so
// the cache needs no lock.
QHash<QString, quint32> &hostCache()
{
    static QHash<QString, quint32> cache;
    return cache;
}

bool startsWithDigit(const QString &name)
{
    return !name.isEmpty() && name.at(0) >= QLatin1Char('0') && name.at(0) <= QLatin1Char('9');
}

} // namespace

namespace AddressLookup {

std::optional<quint32> host(const QString &name)
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
    const auto &cache = hostCache();
    const auto cached = cache.constFind(name);
    if (cached != cache.constEnd())
        return *cached;
    return std::nullopt;
}

void resolve(const QString &name, const QObject *context, std::function<void(std::optional<quint32>)> answered)
{
    // Without a context object the answer comes back to this thread in any
    // case, so that the lookup's own state is always released; an answer
    // that nobody waits for still fills the cache.
    QPointer<const QObject> receiver(context);
    QHostInfo::lookupHost(name, [name, receiver, answered = std::move(answered)](const QHostInfo &answer) {
        std::optional<quint32> ip;
        for (const QHostAddress &address : answer.addresses()) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol) {
                ip = address.toIPv4Address();
                hostCache().insert(name, *ip);
                break;
            }
        }
        if (receiver)
            answered(ip);
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
    return hostCache().contains(name);
}

} // namespace AddressLookup
