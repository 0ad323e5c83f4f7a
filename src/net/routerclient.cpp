// The system's router client: which way to ask, and what to tell the player
// of the answers. The ways themselves are in natpmprouter.cpp and
// upnprouter.cpp, the libraries in routerlibraries.cpp.

#include "routerclient.h"

#include "hostaddresses.h"
#include "routerprotocols.h"

#include <QHostAddress>

namespace {

class SystemRouterClient final : public RouterClient
{
public:
    SystemRouterClient(int discoveryMs, RouterLibraries libraries)
        : m_natpmp(libraries.natpmp)
        , m_upnp(libraries.miniupnpc, discoveryMs)
    {
    }

    RouterReply mapPort(quint16 port, int leaseSeconds, const QString &description) override
    {
        const NatPmpCalls *natpmp = m_natpmp.calls();
        const UpnpCalls *upnp = m_upnp.calls();
        if (!natpmp && !upnp) {
            RouterReply reply;
            reply.notAsked = true;
            reply.reason = QStringLiteral("libnatpmp and miniupnpc are not installed");
            reply.localAddress = routeSourceIPv4();
            return reply;
        }
        // Renewing goes straight to the way that worked.
        RouterAttempt viaNatPmp;
        if (natpmp && m_method != Method::Upnp) {
            viaNatPmp = m_natpmp.map(port, leaseSeconds);
            const RouterReply &reply = viaNatPmp.reply;
            if (reply.mapped)
                m_method = Method::NatPmp;
            // A router that gives our port to another machine, or that has
            // no outside address to forward from, says the same over UPnP.
            if (reply.mapped || reply.sharedAddress || viaNatPmp.conflict)
                return reply;
            if (!upnp) {
                viaNatPmp.reply.reason += QStringLiteral(" (miniupnpc, to ask over UPnP, is not installed)");
                return viaNatPmp.reply;
            }
        }
        RouterAttempt viaUpnp = m_upnp.map(port, leaseSeconds, description);
        RouterReply &reply = viaUpnp.reply;
        if (reply.mapped)
            m_method = Method::Upnp;
        if (QHostAddress(reply.localAddress).protocol() != QAbstractSocket::IPv4Protocol)
            reply.localAddress = viaNatPmp.reply.localAddress;
        if (!reply.mapped && !reply.sharedAddress) {
            if (viaNatPmp.answered && !viaUpnp.answered)
                reply.reason = viaNatPmp.reply.reason;
            else if (!natpmp && !viaUpnp.answered)
                reply.reason += QStringLiteral(" (libnatpmp, to ask over NAT-PMP, is not installed)");
        }
        return reply;
    }

    void unmapPort(quint16 port) override
    {
        if (m_method == Method::NatPmp)
            m_natpmp.unmap(port);
        else if (m_method == Method::Upnp)
            m_upnp.unmap(port);
        m_method = Method::None;
    }

    // An outside address that is shared with other homes, or none (all
    // zeros), is no address players on the internet can join at.
    QString publicAddress() override
    {
        // UPnP is searched for only where NAT-PMP did not answer.
        const std::optional<QString> overNatPmp = m_natpmp.publicAddress();
        const QString address = overNatPmp ? *overNatPmp : m_upnp.publicAddress();
        return isSharedIPv4Address(address) || QHostAddress(address) == QHostAddress::AnyIPv4 ? QString() : address;
    }

    QList<PinholeReply> openPinholes(quint16 port, int leaseSeconds) override
    {
        return m_upnp.openPinholes(port, leaseSeconds);
    }

    void closePinholes() override { m_upnp.closePinholes(); }

    void forgetRouter() override { m_upnp.forget(); }

private:
    enum class Method { None, NatPmp, Upnp };

    NatPmpRouter m_natpmp;
    UpnpRouter m_upnp;
    Method m_method = Method::None;
};

} // namespace

std::unique_ptr<RouterClient> makeSystemRouterClient(int discoveryMs, RouterLibraries libraries)
{
    return std::make_unique<SystemRouterClient>(discoveryMs, libraries);
}
