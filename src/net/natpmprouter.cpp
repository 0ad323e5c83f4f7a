// Asking the router over NAT-PMP (RFC 6886) through libnatpmp.

#include "routerprotocols.h"

#include "hostaddresses.h"

#include <QElapsedTimer>

#include <arpa/inet.h>
#include <sys/select.h>
#include <sys/socket.h>

#include <functional>

namespace {

// NAT-PMP retries with doubling pauses for about a minute; a router that
// speaks it answers within milliseconds, so a second and a half is plenty.
constexpr int NatPmpBudgetMs = 1500;

QString dotted(in_addr address)
{
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &address, text, sizeof text);
    return QString::fromLatin1(text);
}

// Waits for the answer to the request just sent, letting libnatpmp resend,
// until the budget is spent.
int natpmpWait(const NatPmpCalls &api, natpmp_t &natpmp, natpmpresp_t &response, const QElapsedTimer &clock)
{
    int result = NATPMP_TRYAGAIN;
    while (result == NATPMP_TRYAGAIN) {
        const qint64 left = NatPmpBudgetMs - clock.elapsed();
        if (left <= 0)
            return NATPMP_TRYAGAIN;
        timeval timeout = {};
        api.getnatpmprequesttimeout(&natpmp, &timeout);
        const timeval cap = {static_cast<time_t>(left / 1000), static_cast<suseconds_t>((left % 1000) * 1000)};
        if (timeout.tv_sec < 0 || timercmp(&cap, &timeout, <))
            timeout = cap;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(natpmp.s, &readable);
        ::select(natpmp.s + 1, &readable, nullptr, nullptr, &timeout);
        result = api.readnatpmpresponseorretry(&natpmp, &response);
    }
    return result;
}

// One NAT-PMP exchange: `send` puts the request out, and only an answer of
// the request's type (for a mapping: for the same port inside) counts.
// libnatpmp resends after 250 ms, so a slow router answers a request twice,
// and the late answer to the public-address request would otherwise be read
// as the answer to the mapping request that follows it. libnatpmp lets go
// of a request once it has read any answer, so the request is sent again.
int natpmpExchange(const NatPmpCalls &api, natpmp_t &natpmp, natpmpresp_t &response, int type, quint16 port,
                   const std::function<int()> &send)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        int result = send();
        if (result >= 0)
            result = natpmpWait(api, natpmp, response, clock);
        if (result < 0)
            return result;
        if (response.type == type
            && (type == NATPMP_RESPTYPE_PUBLICADDRESS || response.pnu.newportmapping.privateport == port))
            return result;
    }
}

// Whether the result is a router's own answer (an error it sent back)
// rather than silence or a local failure.
bool natpmpAnswered(int result)
{
    switch (result) {
    case NATPMP_ERR_UNSUPPORTEDVERSION:
    case NATPMP_ERR_UNSUPPORTEDOPCODE:
    case NATPMP_ERR_UNDEFINEDERROR:
    case NATPMP_ERR_NOTAUTHORIZED:
    case NATPMP_ERR_NETWORKFAILURE:
    case NATPMP_ERR_OUTOFRESOURCES:
        return true;
    default:
        return false;
    }
}

QString natpmpReason(int result)
{
    switch (result) {
    case NATPMP_ERR_NOTAUTHORIZED:
        return QStringLiteral("the router does not allow it");
    case NATPMP_ERR_OUTOFRESOURCES:
        return QStringLiteral("the router has no room for another mapping");
    case NATPMP_ERR_NETWORKFAILURE:
        return QString::fromLatin1(NoOutsideAddress);
    case NATPMP_ERR_UNSUPPORTEDVERSION:
    case NATPMP_ERR_UNSUPPORTEDOPCODE:
        return QStringLiteral("the router does not take this request over NAT-PMP");
    case NATPMP_ERR_UNDEFINEDERROR:
        return QStringLiteral("the router refused it over NAT-PMP");
    default:
        return QStringLiteral("no router on your network answered");
    }
}

} // namespace

RouterAttempt NatPmpRouter::map(quint16 port, int leaseSeconds)
{
    const NatPmpCalls &api = *calls();
    RouterAttempt attempt;
    RouterReply &reply = attempt.reply;
    natpmp_t natpmp;
    if (api.initnatpmp(&natpmp, 0, 0) != 0) {
        reply.reason = QStringLiteral("this machine has no router");
        return attempt;
    }
    // The socket is connected to the router: its own address is the one
    // the router sees, where the port has to lead.
    sockaddr_in own = {};
    socklen_t ownLength = sizeof own;
    if (::getsockname(natpmp.s, reinterpret_cast<sockaddr *>(&own), &ownLength) == 0)
        reply.localAddress = dotted(own.sin_addr);

    natpmpresp_t response;
    int result = natpmpExchange(api, natpmp, response, NATPMP_RESPTYPE_PUBLICADDRESS, 0,
                                [&] { return api.sendpublicaddressrequest(&natpmp); });
    if (result >= 0) {
        attempt.answered = true;
        reply.publicAddress = dotted(response.pnu.publicaddress.addr);
        if (reply.publicAddress == QLatin1String("0.0.0.0"))
            reply.publicAddress.clear();
        if (isSharedIPv4Address(reply.publicAddress)) {
            reply.sharedAddress = true;
            reply.reason = QString::fromLatin1(NoOutsideAddress);
            api.closenatpmp(&natpmp);
            return attempt;
        }
        result = natpmpExchange(api, natpmp, response, NATPMP_RESPTYPE_TCPPORTMAPPING, port, [&] {
            return api.sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port, port,
                                                 static_cast<uint32_t>(leaseSeconds));
        });
    }
    if (result < 0) {
        attempt.answered = attempt.answered || natpmpAnswered(result);
        reply.reason = natpmpReason(result);
        // RFC 6886: a router without an outside address of its own answers
        // "network failure".
        reply.sharedAddress = result == NATPMP_ERR_NETWORKFAILURE;
        api.closenatpmp(&natpmp);
        return attempt;
    }
    if (response.pnu.newportmapping.mappedpublicport != port) {
        // The router offers another port outside: ours belongs to another
        // machine. Give the offered one back at once.
        natpmpExchange(api, natpmp, response, NATPMP_RESPTYPE_TCPPORTMAPPING, port, [&] {
            return api.sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port, 0, 0);
        });
        reply.reason = QStringLiteral("port %1 on the router already leads to another machine").arg(port);
        attempt.conflict = true;
        api.closenatpmp(&natpmp);
        return attempt;
    }
    api.closenatpmp(&natpmp);
    reply.mapped = true;
    reply.leaseSeconds = static_cast<int>(response.pnu.newportmapping.lifetime);
    return attempt;
}

void NatPmpRouter::unmap(quint16 port)
{
    const NatPmpCalls &api = *calls();
    natpmp_t natpmp;
    if (api.initnatpmp(&natpmp, 0, 0) == 0) {
        natpmpresp_t response;
        natpmpExchange(api, natpmp, response, NATPMP_RESPTYPE_TCPPORTMAPPING, port, [&] {
            return api.sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port, 0, 0);
        });
        api.closenatpmp(&natpmp);
    }
}

std::optional<QString> NatPmpRouter::publicAddress()
{
    const NatPmpCalls *api = calls();
    natpmp_t natpmp;
    if (!api || api->initnatpmp(&natpmp, 0, 0) != 0)
        return std::nullopt;
    natpmpresp_t response;
    const bool answered = natpmpExchange(*api, natpmp, response, NATPMP_RESPTYPE_PUBLICADDRESS, 0, [&] {
        return api->sendpublicaddressrequest(&natpmp);
    }) >= 0;
    api->closenatpmp(&natpmp);
    if (!answered)
        return std::nullopt;
    return dotted(response.pnu.publicaddress.addr);
}
