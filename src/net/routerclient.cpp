#include "routerclient.h"

#include "loadedlibrary.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QNetworkInterface>

#include <arpa/inet.h>
#include <sys/select.h>
#include <sys/socket.h>

#include <natpmp.h>
#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnperrors.h>

#include <cstring>

namespace {

// libnatpmp and miniupnpc are loaded when a hosting copy first talks to
// its router, not with the program: a solo game or a joining copy never
// needs them, and they would add to the resident memory of every start.
struct RouterLibraries
{
    decltype(&::initnatpmp) initnatpmp = nullptr;
    decltype(&::sendnewportmappingrequest) sendnewportmappingrequest = nullptr;
    decltype(&::readnatpmpresponseorretry) readnatpmpresponseorretry = nullptr;
    decltype(&::getnatpmprequesttimeout) getnatpmprequesttimeout = nullptr;
    decltype(&::closenatpmp) closenatpmp = nullptr;
    decltype(&::sendpublicaddressrequest) sendpublicaddressrequest = nullptr;
    decltype(&::upnpDiscoverDevice) upnpDiscoverDevice = nullptr;
    decltype(&::UPNP_GetValidIGD) UPNP_GetValidIGD = nullptr;
    decltype(&::freeUPNPDevlist) freeUPNPDevlist = nullptr;
    decltype(&::FreeUPNPUrls) FreeUPNPUrls = nullptr;
    decltype(&::UPNP_GetExternalIPAddress) UPNP_GetExternalIPAddress = nullptr;
    decltype(&::UPNP_AddPortMapping) UPNP_AddPortMapping = nullptr;
    decltype(&::UPNP_DeletePortMapping) UPNP_DeletePortMapping = nullptr;
    decltype(&::UPNP_GetSpecificPortMappingEntry) UPNP_GetSpecificPortMappingEntry = nullptr;
    decltype(&::strupnperror) strupnperror = nullptr;
};

// The two libraries, or null when either cannot be loaded.
const RouterLibraries *loadRouterLibraries()
{
    static const RouterLibraries *const loaded = []() -> const RouterLibraries * {
        static const LoadedLibrary natpmp("libnatpmp.so.1");
        static const LoadedLibrary upnp("libminiupnpc.so.17");
        static RouterLibraries libraries;
        const bool complete = natpmp.bind(libraries.initnatpmp, "initnatpmp")
            && natpmp.bind(libraries.sendnewportmappingrequest, "sendnewportmappingrequest")
            && natpmp.bind(libraries.readnatpmpresponseorretry, "readnatpmpresponseorretry")
            && natpmp.bind(libraries.getnatpmprequesttimeout, "getnatpmprequesttimeout")
            && natpmp.bind(libraries.closenatpmp, "closenatpmp")
            && natpmp.bind(libraries.sendpublicaddressrequest, "sendpublicaddressrequest")
            && upnp.bind(libraries.upnpDiscoverDevice, "upnpDiscoverDevice")
            && upnp.bind(libraries.UPNP_GetValidIGD, "UPNP_GetValidIGD")
            && upnp.bind(libraries.freeUPNPDevlist, "freeUPNPDevlist")
            && upnp.bind(libraries.FreeUPNPUrls, "FreeUPNPUrls")
            && upnp.bind(libraries.UPNP_GetExternalIPAddress, "UPNP_GetExternalIPAddress")
            && upnp.bind(libraries.UPNP_AddPortMapping, "UPNP_AddPortMapping")
            && upnp.bind(libraries.UPNP_DeletePortMapping, "UPNP_DeletePortMapping")
            && upnp.bind(libraries.UPNP_GetSpecificPortMappingEntry, "UPNP_GetSpecificPortMappingEntry")
            && upnp.bind(libraries.strupnperror, "strupnperror");
        return complete ? &libraries : nullptr;
    }();
    return loaded;
}

// Only called once loadRouterLibraries() has succeeded.
const RouterLibraries &api()
{
    return *loadRouterLibraries();
}

// NAT-PMP retries with doubling pauses for about a minute; a router that
// speaks it answers within milliseconds, so a second and a half is plenty.
constexpr int NatPmpBudgetMs = 1500;
// UPnP's error for "the port outside already leads to another machine".
constexpr int UpnpConflict = 718;
// UPnP's error for a router that grants only permanent mappings.
constexpr int UpnpOnlyPermanent = 725;

QString dotted(in_addr address)
{
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &address, text, sizeof text);
    return QString::fromLatin1(text);
}

// One NAT-PMP exchange: waits for the answer to the request just sent,
// letting the library resend, until the budget is spent.
int natpmpAnswer(natpmp_t &natpmp, natpmpresp_t &response, int budgetMs)
{
    QElapsedTimer clock;
    clock.start();
    int result = NATPMP_TRYAGAIN;
    while (result == NATPMP_TRYAGAIN) {
        const qint64 left = budgetMs - clock.elapsed();
        if (left <= 0)
            return NATPMP_TRYAGAIN;
        timeval timeout = {};
        api().getnatpmprequesttimeout(&natpmp, &timeout);
        const timeval cap = {static_cast<time_t>(left / 1000), static_cast<suseconds_t>((left % 1000) * 1000)};
        if (timeout.tv_sec < 0 || timercmp(&cap, &timeout, <))
            timeout = cap;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(natpmp.s, &readable);
        ::select(natpmp.s + 1, &readable, nullptr, nullptr, &timeout);
        result = api().readnatpmpresponseorretry(&natpmp, &response);
    }
    return result;
}

QString natpmpReason(int result)
{
    switch (result) {
    case NATPMP_ERR_NOTAUTHORIZED:
        return QStringLiteral("the router does not allow it");
    case NATPMP_ERR_OUTOFRESOURCES:
        return QStringLiteral("the router has no room for another mapping");
    case NATPMP_ERR_NETWORKFAILURE:
        return QStringLiteral("the router is not connected to the internet");
    default:
        return QStringLiteral("no router on your network answered");
    }
}

class SystemRouterClient final : public RouterClient
{
public:
    explicit SystemRouterClient(int discoveryMs) : m_discoveryMs(discoveryMs) {}

    ~SystemRouterClient() override { forgetUpnp(); }

    RouterReply mapPort(quint16 port, int leaseSeconds, const QString &description) override
    {
        RouterReply reply;
        if (!loadRouterLibraries()) {
            reply.reason = QStringLiteral("libnatpmp or miniupnpc is not installed");
            return reply;
        }
        // Renewing goes straight to the way that worked.
        if (m_method != Method::Upnp) {
            reply = mapWithNatPmp(port, leaseSeconds);
            // A router that answers NAT-PMP but gives our port to another
            // machine says the same over UPnP.
            if (reply.mapped || m_natpmpConflict)
                return reply;
        }
        const QString localAddress = reply.localAddress;
        reply = mapWithUpnp(port, leaseSeconds, description);
        if (reply.localAddress.isEmpty())
            reply.localAddress = localAddress;
        return reply;
    }

    void unmapPort(quint16 port) override
    {
        const QByteArray portText = QByteArray::number(port);
        if (m_method == Method::NatPmp) {
            natpmp_t natpmp;
            if (api().initnatpmp(&natpmp, 0, 0) == 0) {
                natpmpresp_t response;
                if (api().sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port, 0, 0) >= 0)
                    natpmpAnswer(natpmp, response, NatPmpBudgetMs);
                api().closenatpmp(&natpmp);
            }
        } else if (m_method == Method::Upnp) {
            api().UPNP_DeletePortMapping(m_urls.controlURL, m_data.first.servicetype, portText.constData(), "TCP", nullptr);
        }
        m_method = Method::None;
    }

    QString publicAddress() override
    {
        if (!loadRouterLibraries())
            return {};
        natpmp_t natpmp;
        if (api().initnatpmp(&natpmp, 0, 0) == 0) {
            natpmpresp_t response;
            const bool answered = api().sendpublicaddressrequest(&natpmp) >= 0
                                  && natpmpAnswer(natpmp, response, NatPmpBudgetMs) >= 0;
            api().closenatpmp(&natpmp);
            if (answered)
                return dotted(response.pnu.publicaddress.addr);
        }
        if (!m_haveUpnp && !discoverUpnp())
            return {};
        char external[40] = {};
        if (api().UPNP_GetExternalIPAddress(m_urls.controlURL, m_data.first.servicetype, external) != 0)
            return {};
        return QString::fromLatin1(external);
    }

private:
    enum class Method { None, NatPmp, Upnp };

    RouterReply mapWithNatPmp(quint16 port, int leaseSeconds)
    {
        RouterReply reply;
        m_natpmpConflict = false;
        natpmp_t natpmp;
        if (api().initnatpmp(&natpmp, 0, 0) != 0) {
            reply.reason = QStringLiteral("this machine has no router");
            return reply;
        }
        // The socket is connected to the router: its own address is the
        // one the router sees, where the port has to lead.
        sockaddr_in own = {};
        socklen_t ownLength = sizeof own;
        if (::getsockname(natpmp.s, reinterpret_cast<sockaddr *>(&own), &ownLength) == 0)
            reply.localAddress = dotted(own.sin_addr);

        natpmpresp_t response;
        int result = api().sendpublicaddressrequest(&natpmp);
        if (result >= 0)
            result = natpmpAnswer(natpmp, response, NatPmpBudgetMs);
        if (result >= 0) {
            reply.publicAddress = dotted(response.pnu.publicaddress.addr);
            result = api().sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port, port,
                                               static_cast<uint32_t>(leaseSeconds));
            if (result >= 0)
                result = natpmpAnswer(natpmp, response, NatPmpBudgetMs);
        }
        if (result < 0) {
            reply.reason = natpmpReason(result);
            api().closenatpmp(&natpmp);
            return reply;
        }
        if (response.pnu.newportmapping.mappedpublicport != port) {
            // The router offers another port outside: ours belongs to
            // another machine. Give the offered one back at once.
            if (api().sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port, 0, 0) >= 0)
                natpmpAnswer(natpmp, response, NatPmpBudgetMs);
            reply.reason = QStringLiteral("port %1 on the router already leads to another machine").arg(port);
            m_natpmpConflict = true;
            api().closenatpmp(&natpmp);
            return reply;
        }
        api().closenatpmp(&natpmp);
        m_method = Method::NatPmp;
        reply.mapped = true;
        reply.leaseSeconds = static_cast<int>(response.pnu.newportmapping.lifetime);
        return reply;
    }

    bool discoverUpnp()
    {
        forgetUpnp();
        int error = 0;
        // One search for gateways only: upnpDiscover() would search four
        // kinds of device in turn, each waiting the whole limit when nobody
        // answers. Gateways of the later version answer this search too.
        UPNPDev *devices = api().upnpDiscoverDevice("urn:schemas-upnp-org:device:InternetGatewayDevice:1", m_discoveryMs,
                                              nullptr, nullptr, UPNP_LOCAL_PORT_ANY, 0, 2, &error);
        if (!devices)
            return false;
        char lan[64] = {};
#if MINIUPNPC_API_VERSION >= 18
        char wan[64] = {};
        const int found = api().UPNP_GetValidIGD(devices, &m_urls, &m_data, lan, sizeof lan, wan, sizeof wan);
#else
        const int found = api().UPNP_GetValidIGD(devices, &m_urls, &m_data, lan, sizeof lan);
#endif
        api().freeUPNPDevlist(devices);
        if (found == 0)
            return false;
        m_haveUpnp = true;
        m_upnpLocalAddress = QString::fromLatin1(lan);
        // 1 and 2 are gateways (2: one that says it is offline, which may
        // still map); anything else is a device that is no gateway.
        if (found != 1 && found != 2) {
            forgetUpnp();
            return false;
        }
        return true;
    }

    void forgetUpnp()
    {
        if (m_haveUpnp)
            api().FreeUPNPUrls(&m_urls);
        m_haveUpnp = false;
    }

    RouterReply mapWithUpnp(quint16 port, int leaseSeconds, const QString &description)
    {
        RouterReply reply;
        if (!m_haveUpnp && !discoverUpnp()) {
            reply.reason = QStringLiteral("no router on your network answered");
            return reply;
        }
        reply.localAddress = m_upnpLocalAddress;
        const char *control = m_urls.controlURL;
        const char *service = m_data.first.servicetype;
        char external[40] = {};
        if (api().UPNP_GetExternalIPAddress(control, service, external) == 0)
            reply.publicAddress = QString::fromLatin1(external);

        const QByteArray portText = QByteArray::number(port);
        const QByteArray client = m_upnpLocalAddress.toLatin1();
        const QByteArray name = description.toUtf8();
        int lease = leaseSeconds;
        int result = api().UPNP_AddPortMapping(control, service, portText.constData(), portText.constData(), client.constData(),
                                         name.constData(), "TCP", nullptr, QByteArray::number(lease).constData());
        if (result == UpnpOnlyPermanent) {
            lease = 0;
            result = api().UPNP_AddPortMapping(control, service, portText.constData(), portText.constData(),
                                         client.constData(), name.constData(), "TCP", nullptr, "0");
        }
        if (result == UpnpConflict) {
            char other[40] = {}, otherPort[6] = {}, otherName[80] = {}, enabled[4] = {}, duration[16] = {};
            api().UPNP_GetSpecificPortMappingEntry(control, service, portText.constData(), "TCP", nullptr, other, otherPort,
                                             otherName, enabled, duration);
            reply.reason = other[0] ? QStringLiteral("port %1 on the router already leads to another machine, %2")
                                          .arg(port)
                                          .arg(QString::fromLatin1(other))
                                    : QStringLiteral("port %1 on the router already leads to another machine").arg(port);
            return reply;
        }
        if (result != 0) {
            const char *text = api().strupnperror(result);
            reply.reason = QStringLiteral("the router refused: %1")
                               .arg(text ? QString::fromLatin1(text) : QString::number(result));
            // A router that stopped answering is looked for again next time.
            if (result < 0)
                forgetUpnp();
            return reply;
        }
        m_method = Method::Upnp;
        reply.mapped = true;
        reply.leaseSeconds = lease;
        return reply;
    }

    const int m_discoveryMs;
    Method m_method = Method::None;
    bool m_natpmpConflict = false;
    bool m_haveUpnp = false;
    UPNPUrls m_urls = {};
    IGDdatas m_data = {};
    QString m_upnpLocalAddress;
};

} // namespace

std::unique_ptr<RouterClient> makeSystemRouterClient(int discoveryMs)
{
    return std::make_unique<SystemRouterClient>(discoveryMs);
}

QStringList networkAddresses()
{
    QStringList addresses;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
                addresses << address.toString();
        }
    }
    return addresses;
}
