#include "routerclient.h"

#include "hostaddresses.h"
#include "loadedlibrary.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QMap>
#include <QUrl>

#include <arpa/inet.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <natpmp.h>
#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnperrors.h>

#include <functional>

namespace {

// libnatpmp and miniupnpc are loaded when a hosting copy first talks to
// its router, not with the program: a solo game or a joining copy never
// needs them, and they would add to the resident memory of every start.
// Each is used without the other where only one is installed.

struct NatPmpCalls
{
    decltype(&::initnatpmp) initnatpmp = nullptr;
    decltype(&::sendnewportmappingrequest) sendnewportmappingrequest = nullptr;
    decltype(&::readnatpmpresponseorretry) readnatpmpresponseorretry = nullptr;
    decltype(&::getnatpmprequesttimeout) getnatpmprequesttimeout = nullptr;
    decltype(&::closenatpmp) closenatpmp = nullptr;
    decltype(&::sendpublicaddressrequest) sendpublicaddressrequest = nullptr;
};

// miniupnpc's UPNP_GetValidIGD took two more arguments (the outside
// address) in API 18, and its answers changed with them. The other calls
// used here keep their signatures from API 17 to 21. Each library is
// called only through the type of the API its file name says it has.
using GetValidIGDBefore18 = int (*)(UPNPDev *, UPNPUrls *, IGDdatas *, char *, int);
using GetValidIGDSince18 = int (*)(UPNPDev *, UPNPUrls *, IGDdatas *, char *, int, char *, int);

struct UpnpCalls
{
    std::unique_ptr<LoadedLibrary> library;
    int api = 0;
    decltype(&::upnpDiscoverDevice) upnpDiscoverDevice = nullptr;
    GetValidIGDBefore18 getValidIGDBefore18 = nullptr;
    GetValidIGDSince18 getValidIGDSince18 = nullptr;
    decltype(&::UPNP_GetIGDFromUrl) UPNP_GetIGDFromUrl = nullptr;
    decltype(&::freeUPNPDevlist) freeUPNPDevlist = nullptr;
    decltype(&::FreeUPNPUrls) FreeUPNPUrls = nullptr;
    decltype(&::UPNP_GetExternalIPAddress) UPNP_GetExternalIPAddress = nullptr;
    decltype(&::UPNP_AddPortMapping) UPNP_AddPortMapping = nullptr;
    decltype(&::UPNP_DeletePortMapping) UPNP_DeletePortMapping = nullptr;
    decltype(&::UPNP_GetSpecificPortMappingEntry) UPNP_GetSpecificPortMappingEntry = nullptr;
    decltype(&::UPNP_AddPinhole) UPNP_AddPinhole = nullptr;
    decltype(&::UPNP_UpdatePinhole) UPNP_UpdatePinhole = nullptr;
    decltype(&::UPNP_DeletePinhole) UPNP_DeletePinhole = nullptr;
    decltype(&::strupnperror) strupnperror = nullptr;
};

const NatPmpCalls *loadNatPmp()
{
    static const NatPmpCalls *const loaded = []() -> const NatPmpCalls * {
        static const LoadedLibrary natpmp("libnatpmp.so.1");
        static NatPmpCalls calls;
        const bool complete = natpmp.bind(calls.initnatpmp, "initnatpmp")
                              && natpmp.bind(calls.sendnewportmappingrequest, "sendnewportmappingrequest")
                              && natpmp.bind(calls.readnatpmpresponseorretry, "readnatpmpresponseorretry")
                              && natpmp.bind(calls.getnatpmprequesttimeout, "getnatpmprequesttimeout")
                              && natpmp.bind(calls.closenatpmp, "closenatpmp")
                              && natpmp.bind(calls.sendpublicaddressrequest, "sendpublicaddressrequest");
        return complete ? &calls : nullptr;
    }();
    return loaded;
}

// The names distributions ship miniupnpc under (its API version is the
// number after ".so."), newest first.
constexpr std::pair<const char *, int> UpnpLibraryNames[] = {
    {"libminiupnpc.so.21", 21}, {"libminiupnpc.so.20", 20}, {"libminiupnpc.so.19", 19},
    {"libminiupnpc.so.18", 18}, {"libminiupnpc.so.17", 17},
};

const UpnpCalls *loadUpnp()
{
    static const UpnpCalls *const loaded = []() -> const UpnpCalls * {
        static UpnpCalls calls;
        for (const auto &[name, api] : UpnpLibraryNames) {
            auto library = std::make_unique<LoadedLibrary>(name);
            if (!library->loaded())
                continue;
            const LoadedLibrary &upnp = *library;
            const bool igd = api >= 18 ? upnp.bind(calls.getValidIGDSince18, "UPNP_GetValidIGD")
                                       : upnp.bind(calls.getValidIGDBefore18, "UPNP_GetValidIGD");
            const bool complete = igd && upnp.bind(calls.upnpDiscoverDevice, "upnpDiscoverDevice")
                                  && upnp.bind(calls.UPNP_GetIGDFromUrl, "UPNP_GetIGDFromUrl")
                                  && upnp.bind(calls.freeUPNPDevlist, "freeUPNPDevlist")
                                  && upnp.bind(calls.FreeUPNPUrls, "FreeUPNPUrls")
                                  && upnp.bind(calls.UPNP_GetExternalIPAddress, "UPNP_GetExternalIPAddress")
                                  && upnp.bind(calls.UPNP_AddPortMapping, "UPNP_AddPortMapping")
                                  && upnp.bind(calls.UPNP_DeletePortMapping, "UPNP_DeletePortMapping")
                                  && upnp.bind(calls.UPNP_GetSpecificPortMappingEntry, "UPNP_GetSpecificPortMappingEntry")
                                  && upnp.bind(calls.UPNP_AddPinhole, "UPNP_AddPinhole")
                                  && upnp.bind(calls.UPNP_UpdatePinhole, "UPNP_UpdatePinhole")
                                  && upnp.bind(calls.UPNP_DeletePinhole, "UPNP_DeletePinhole")
                                  && upnp.bind(calls.strupnperror, "strupnperror");
            if (!complete)
                return nullptr;
            calls.library = std::move(library);
            calls.api = api;
            return &calls;
        }
        return nullptr;
    }();
    return loaded;
}

// NAT-PMP retries with doubling pauses for about a minute; a router that
// speaks it answers within milliseconds, so a second and a half is plenty.
constexpr int NatPmpBudgetMs = 1500;
// UPnP's error for "the port outside already leads to another machine".
constexpr int UpnpConflict = 718;
// UPnP's error for a router that grants only permanent mappings.
constexpr int UpnpOnlyPermanent = 725;
// Why a router whose own outside address is private, shared or missing
// maps nothing. The first asking says it in a line of its own; a renewal
// refused for it says it in parentheses.
constexpr const char *NoOutsideAddress = "the router has no address on the internet to forward from";

QString dotted(in_addr address)
{
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &address, text, sizeof text);
    return QString::fromLatin1(text);
}

// This machine's IPv4 address on the way to the internet. Connecting a
// UDP socket only chooses the route; nothing is sent.
QString routeSourceIPv4()
{
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
        address = dotted(own.sin_addr);
    ::close(fd);
    return address;
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

// One way of asking, and whether a router answered at all: a router that
// answered tells the player more than one that was silent.
struct Attempt
{
    RouterReply reply;
    bool answered = false;
};

class SystemRouterClient final : public RouterClient
{
public:
    SystemRouterClient(int discoveryMs, RouterLibraries libraries)
        : m_discoveryMs(discoveryMs)
        , m_libraries(libraries)
    {
    }

    ~SystemRouterClient() override { forgetUpnp(); }

    RouterReply mapPort(quint16 port, int leaseSeconds, const QString &description) override
    {
        const NatPmpCalls *natpmp = natpmpCalls();
        const UpnpCalls *upnp = upnpCalls();
        if (!natpmp && !upnp) {
            RouterReply reply;
            reply.notAsked = true;
            reply.reason = QStringLiteral("libnatpmp and miniupnpc are not installed");
            reply.localAddress = routeSourceIPv4();
            return reply;
        }
        // Renewing goes straight to the way that worked.
        Attempt viaNatPmp;
        if (natpmp && m_method != Method::Upnp) {
            viaNatPmp = mapWithNatPmp(*natpmp, port, leaseSeconds);
            const RouterReply &reply = viaNatPmp.reply;
            // A router that gives our port to another machine, or that has
            // no outside address to forward from, says the same over UPnP.
            if (reply.mapped || reply.sharedAddress || m_natpmpConflict)
                return reply;
            if (!upnp) {
                viaNatPmp.reply.reason += QStringLiteral(" (miniupnpc, to ask over UPnP, is not installed)");
                return viaNatPmp.reply;
            }
        }
        Attempt viaUpnp = mapWithUpnp(*upnp, port, leaseSeconds, description);
        RouterReply &reply = viaUpnp.reply;
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
        if (m_method == Method::NatPmp) {
            const NatPmpCalls &api = *natpmpCalls();
            natpmp_t natpmp;
            if (api.initnatpmp(&natpmp, 0, 0) == 0) {
                natpmpresp_t response;
                natpmpExchange(api, natpmp, response, NATPMP_RESPTYPE_TCPPORTMAPPING, port, [&] {
                    return api.sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port, 0, 0);
                });
                api.closenatpmp(&natpmp);
            }
        } else if (m_method == Method::Upnp && (m_haveUpnp || discoverUpnp())) {
            const QByteArray portText = QByteArray::number(port);
            upnpCalls()->UPNP_DeletePortMapping(m_urls.controlURL, m_data.first.servicetype, portText.constData(),
                                                "TCP", nullptr);
        }
        m_method = Method::None;
    }

    // An outside address that is shared with other homes, or none (all
    // zeros), is no address players on the internet can join at.
    QString publicAddress() override
    {
        const QString address = askPublicAddress();
        return isSharedIPv4Address(address) || QHostAddress(address) == QHostAddress::AnyIPv4 ? QString() : address;
    }

    QList<PinholeReply> openPinholes(quint16 port, int leaseSeconds) override
    {
        const QStringList addresses = globalIPv6Addresses();
        closePinholesExcept(addresses);
        QList<PinholeReply> replies;
        const UpnpCalls *upnp = upnpCalls();
        QString reason;
        bool notAsked = false;
        if (!upnp) {
            reason = QStringLiteral("miniupnpc is not installed");
            notAsked = true;
        } else if (!m_haveUpnp && !discoverUpnp()) {
            reason = QStringLiteral("no router on your network answered");
        } else if (!m_urls.controlURL_6FC || !*m_urls.controlURL_6FC || !m_data.IPv6FC.servicetype[0]) {
            reason = QStringLiteral("the router does not open its IPv6 firewall on request");
        }
        for (const QString &address : addresses) {
            if (reason.isEmpty()) {
                replies << openPinhole(*upnp, address, port, leaseSeconds);
                // A router that stopped answering is not asked for the rest.
                if (!m_haveUpnp)
                    reason = replies.last().reason;
            } else {
                PinholeReply reply;
                reply.address = address;
                reply.reason = reason;
                reply.notAsked = notAsked;
                replies << reply;
            }
        }
        return replies;
    }

    void closePinholes() override { closePinholesExcept({}); }

    void forgetRouter() override { forgetUpnp(); }

private:
    enum class Method { None, NatPmp, Upnp };
    // What UPNP_GetValidIGD found, the same for every API.
    enum class Gateway { None, Connected, PrivateOutside, Disconnected, OtherDevice };

    QString askPublicAddress()
    {
        if (const NatPmpCalls *api = natpmpCalls()) {
            natpmp_t natpmp;
            if (api->initnatpmp(&natpmp, 0, 0) == 0) {
                natpmpresp_t response;
                const bool answered = natpmpExchange(*api, natpmp, response, NATPMP_RESPTYPE_PUBLICADDRESS, 0, [&] {
                    return api->sendpublicaddressrequest(&natpmp);
                }) >= 0;
                api->closenatpmp(&natpmp);
                if (answered)
                    return dotted(response.pnu.publicaddress.addr);
            }
        }
        const UpnpCalls *upnp = upnpCalls();
        if (!upnp || (!m_haveUpnp && !discoverUpnp()))
            return {};
        char external[64] = {};
        if (upnp->UPNP_GetExternalIPAddress(m_urls.controlURL, m_data.first.servicetype, external) != 0)
            return {};
        return QString::fromLatin1(external);
    }

    const NatPmpCalls *natpmpCalls() const { return m_libraries.natpmp ? loadNatPmp() : nullptr; }
    const UpnpCalls *upnpCalls() const { return m_libraries.miniupnpc ? loadUpnp() : nullptr; }

    Attempt mapWithNatPmp(const NatPmpCalls &api, quint16 port, int leaseSeconds)
    {
        Attempt attempt;
        RouterReply &reply = attempt.reply;
        m_natpmpConflict = false;
        natpmp_t natpmp;
        if (api.initnatpmp(&natpmp, 0, 0) != 0) {
            reply.reason = QStringLiteral("this machine has no router");
            return attempt;
        }
        // The socket is connected to the router: its own address is the
        // one the router sees, where the port has to lead.
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
            // RFC 6886: a router without an outside address of its own
            // answers "network failure".
            reply.sharedAddress = result == NATPMP_ERR_NETWORKFAILURE;
            api.closenatpmp(&natpmp);
            return attempt;
        }
        if (response.pnu.newportmapping.mappedpublicport != port) {
            // The router offers another port outside: ours belongs to
            // another machine. Give the offered one back at once.
            natpmpExchange(api, natpmp, response, NATPMP_RESPTYPE_TCPPORTMAPPING, port, [&] {
                return api.sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port, 0, 0);
            });
            reply.reason = QStringLiteral("port %1 on the router already leads to another machine").arg(port);
            m_natpmpConflict = true;
            api.closenatpmp(&natpmp);
            return attempt;
        }
        api.closenatpmp(&natpmp);
        m_method = Method::NatPmp;
        reply.mapped = true;
        reply.leaseSeconds = static_cast<int>(response.pnu.newportmapping.lifetime);
        return attempt;
    }

    Gateway validGateway(const UpnpCalls &api, UPNPDev *devices, char *lan, int lanSize)
    {
        if (api.api >= 18) {
            char wan[64] = {};
            switch (api.getValidIGDSince18(devices, &m_urls, &m_data, lan, lanSize, wan, sizeof wan)) {
            case 0: return Gateway::None;
            case 1: return Gateway::Connected;
            case 2: return Gateway::PrivateOutside;
            case 3: return Gateway::Disconnected;
            default: return Gateway::OtherDevice;
            }
        }
        switch (api.getValidIGDBefore18(devices, &m_urls, &m_data, lan, lanSize)) {
        case 0: return Gateway::None;
        case 1: return Gateway::Connected;
        case 2: return Gateway::Disconnected;
        default: return Gateway::OtherDevice;
        }
    }

    bool discoverUpnp()
    {
        forgetUpnp();
        const UpnpCalls &api = *upnpCalls();
        char lan[64] = {};
        QByteArray location;
        // One search for gateways only: upnpDiscover() would search four
        // kinds of device in turn, each waiting the whole limit when nobody
        // answers. Gateways of the later version answer this search too.
        // A home without IPv4 is searched over IPv6.
        const int ipv6 = routeSourceIPv4().isEmpty() ? 1 : 0;
        int error = 0;
        Gateway found = Gateway::None;
        if (UPNPDev *devices = api.upnpDiscoverDevice("urn:schemas-upnp-org:device:InternetGatewayDevice:1",
                                                      m_discoveryMs, nullptr, nullptr, UPNP_LOCAL_PORT_ANY, ipv6, 2,
                                                      &error)) {
            location = QByteArray(devices->descURL);
            found = validGateway(api, devices, lan, sizeof lan);
            api.freeUPNPDevlist(devices);
        }
        if (found == Gateway::OtherDevice)
            api.FreeUPNPUrls(&m_urls);
        if (found == Gateway::None || found == Gateway::OtherDevice) {
            // A router that answers the search but whose description cannot
            // be read at the address it gave (its web server listens on its
            // IPv6 address only) is asked at its IPv6 address, same port and
            // path.
            QUrl url(QString::fromLatin1(location));
            const QString gateway = ipv6DefaultGateway();
            if (!url.isValid() || url.host().isEmpty() || gateway.isEmpty())
                return false;
            url.setHost(gateway);
            if (api.UPNP_GetIGDFromUrl(url.toEncoded().constData(), &m_urls, &m_data, lan, sizeof lan) != 1)
                return false;
            found = Gateway::Connected;
        }
        m_haveUpnp = true;
        m_upnpPrivateOutside = found == Gateway::PrivateOutside;
        m_upnpLocalAddress = QString::fromLatin1(lan);
        return true;
    }

    void forgetUpnp()
    {
        if (m_haveUpnp)
            upnpCalls()->FreeUPNPUrls(&m_urls);
        m_haveUpnp = false;
    }

    QString upnpError(const UpnpCalls &api, int result)
    {
        // A router that stopped answering is looked for again next time.
        if (result < 0) {
            forgetUpnp();
            return QStringLiteral("the router did not answer");
        }
        const char *text = api.strupnperror(result);
        return QStringLiteral("the router refused: %1").arg(text ? QString::fromLatin1(text) : QString::number(result));
    }

    Attempt mapWithUpnp(const UpnpCalls &api, quint16 port, int leaseSeconds, const QString &description)
    {
        Attempt attempt;
        RouterReply &reply = attempt.reply;
        if (!m_haveUpnp && !discoverUpnp()) {
            reply.reason = QStringLiteral("no router on your network answered");
            return attempt;
        }
        attempt.answered = true;
        // Where the router was reached over IPv6, the mapping still leads
        // to this machine's IPv4 address.
        reply.localAddress = m_upnpLocalAddress;
        if (QHostAddress(reply.localAddress).protocol() != QAbstractSocket::IPv4Protocol)
            reply.localAddress = routeSourceIPv4();
        const char *control = m_urls.controlURL;
        const char *service = m_data.first.servicetype;
        char external[64] = {};
        const int told = api.UPNP_GetExternalIPAddress(control, service, external);
        if (told == 0)
            reply.publicAddress = QString::fromLatin1(external);
        // A router that has only a private or shared address outside tells
        // none, or that one.
        if (m_upnpPrivateOutside || (told == 0 && (!external[0] || isSharedIPv4Address(reply.publicAddress)))) {
            reply.sharedAddress = true;
            reply.reason = QString::fromLatin1(NoOutsideAddress);
            return attempt;
        }

        const QByteArray portText = QByteArray::number(port);
        const QByteArray client = reply.localAddress.toLatin1();
        const QByteArray name = description.toUtf8();
        int lease = leaseSeconds;
        const auto add = [&] {
            return api.UPNP_AddPortMapping(control, service, portText.constData(), portText.constData(),
                                           client.constData(), name.constData(), "TCP", nullptr,
                                           QByteArray::number(lease).constData());
        };
        int result = add();
        if (result == UpnpOnlyPermanent) {
            lease = 0;
            result = add();
        }
        if (result == UpnpConflict) {
            char holder[64] = {}, holderPort[16] = {}, holderName[256] = {}, enabled[16] = {}, duration[32] = {};
            api.UPNP_GetSpecificPortMappingEntry(control, service, portText.constData(), "TCP", nullptr, holder,
                                                 holderPort, holderName, enabled, duration);
            const QString other = QString::fromLatin1(holder);
            if (other == reply.localAddress && QByteArray(holderPort) == portText) {
                // Our own mapping, left from an earlier run (a permanent
                // one outlives a crash): take it over.
                api.UPNP_DeletePortMapping(control, service, portText.constData(), "TCP", nullptr);
                result = add();
            } else if (other == reply.localAddress) {
                reply.reason =
                    QStringLiteral("port %1 on the router already leads to another program on this machine").arg(port);
                return attempt;
            } else if (!other.isEmpty()) {
                reply.reason =
                    QStringLiteral("port %1 on the router already leads to another machine, %2").arg(port).arg(other);
                return attempt;
            }
        }
        if (result != 0) {
            reply.reason = upnpError(api, result);
            return attempt;
        }
        m_method = Method::Upnp;
        reply.mapped = true;
        reply.leaseSeconds = lease;
        return attempt;
    }

    PinholeReply openPinhole(const UpnpCalls &api, const QString &address, quint16 port, int leaseSeconds)
    {
        PinholeReply reply;
        reply.address = address;
        const char *control = m_urls.controlURL_6FC;
        const char *service = m_data.IPv6FC.servicetype;
        const QByteArray lease = QByteArray::number(leaseSeconds);
        const auto known = m_pinholes.constFind(address);
        if (known != m_pinholes.cend()) {
            if (api.UPNP_UpdatePinhole(control, service, known->constData(), lease.constData()) == 0) {
                reply.opened = true;
                reply.leaseSeconds = leaseSeconds;
                return reply;
            }
            // A router that restarted has forgotten it: ask anew.
            m_pinholes.remove(address);
        }
        char id[16] = {};
        // From anywhere ("" and port 0) to this address and port, over TCP
        // (IP protocol 6).
        const int result = api.UPNP_AddPinhole(control, service, "", "0", address.toLatin1().constData(),
                                               QByteArray::number(port).constData(), "6", lease.constData(), id);
        if (result != 0) {
            reply.reason = upnpError(api, result);
            return reply;
        }
        m_pinholes.insert(address, QByteArray(id));
        reply.opened = true;
        reply.leaseSeconds = leaseSeconds;
        return reply;
    }

    void closePinholesExcept(const QStringList &kept)
    {
        const UpnpCalls *api = upnpCalls();
        for (auto pinhole = m_pinholes.begin(); pinhole != m_pinholes.end();) {
            if (kept.contains(pinhole.key())) {
                ++pinhole;
                continue;
            }
            if (m_haveUpnp || discoverUpnp())
                api->UPNP_DeletePinhole(m_urls.controlURL_6FC, m_data.IPv6FC.servicetype, pinhole->constData());
            pinhole = m_pinholes.erase(pinhole);
        }
    }

    const int m_discoveryMs;
    const RouterLibraries m_libraries;
    Method m_method = Method::None;
    bool m_natpmpConflict = false;
    bool m_haveUpnp = false;
    bool m_upnpPrivateOutside = false;
    UPNPUrls m_urls = {};
    IGDdatas m_data = {};
    QString m_upnpLocalAddress;
    // The router's names of the pinholes made, by the address they lead to.
    QMap<QString, QByteArray> m_pinholes;
};

} // namespace

std::unique_ptr<RouterClient> makeSystemRouterClient(int discoveryMs, RouterLibraries libraries)
{
    return std::make_unique<SystemRouterClient>(discoveryMs, libraries);
}
