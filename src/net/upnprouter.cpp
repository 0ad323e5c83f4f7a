// Asking the router over UPnP IGD through miniupnpc: the IPv4 mapping and,
// over its WANIPv6FirewallControl service, the IPv6 pinholes.

#include "routerprotocols.h"

#include "hostaddresses.h"

#include <QHostAddress>
#include <QUrl>

namespace {

// UPnP's error for "the port outside already leads to another machine".
constexpr int UpnpConflict = 718;
// UPnP's error for a router that grants only permanent mappings.
constexpr int UpnpOnlyPermanent = 725;

} // namespace

bool UpnpRouter::discover()
{
    forget();
    const UpnpCalls &api = *calls();
    char lan[64] = {};
    QByteArray location;
    // One search for gateways only: upnpDiscover() would search four kinds
    // of device in turn, each waiting the whole limit when nobody answers.
    // Gateways of the later version answer this search too. A home without
    // IPv4 is searched over IPv6.
    const int ipv6 = routeSourceIPv4().isEmpty() ? 1 : 0;
    int error = 0;
    UpnpGateway found = UpnpGateway::None;
    if (UPNPDev *devices = api.upnpDiscoverDevice("urn:schemas-upnp-org:device:InternetGatewayDevice:1",
                                                  m_discoveryMs, nullptr, nullptr, UPNP_LOCAL_PORT_ANY, ipv6, 2,
                                                  &error)) {
        location = QByteArray(devices->descURL);
        found = upnpValidGateway(api, devices, m_urls, m_data, lan, sizeof lan);
        api.freeUPNPDevlist(devices);
    }
    if (found == UpnpGateway::OtherDevice)
        api.FreeUPNPUrls(&m_urls);
    if (found == UpnpGateway::None || found == UpnpGateway::OtherDevice) {
        // A router that answers the search but whose description cannot be
        // read at the address it gave (its web server listens on its IPv6
        // address only) is asked at its IPv6 address, same port and path.
        QUrl url(QString::fromLatin1(location));
        const QString gateway = ipv6DefaultGateway();
        if (!url.isValid() || url.host().isEmpty() || gateway.isEmpty())
            return false;
        url.setHost(gateway);
        if (api.UPNP_GetIGDFromUrl(url.toEncoded().constData(), &m_urls, &m_data, lan, sizeof lan) != 1)
            return false;
        found = UpnpGateway::Connected;
    }
    m_have = true;
    m_privateOutside = found == UpnpGateway::PrivateOutside;
    m_localAddress = QString::fromLatin1(lan);
    return true;
}

void UpnpRouter::forget()
{
    if (m_have)
        calls()->FreeUPNPUrls(&m_urls);
    if (m_have6)
        calls()->FreeUPNPUrls(&m_urls6);
    m_have = m_have6 = false;
    m_control6 = m_service6 = nullptr;
}

bool UpnpRouter::findPinholeControl()
{
    if (m_control6)
        return true;
    if (!m_have && !discover())
        return false;
    // A router opens its IPv6 firewall only for a request that comes over
    // IPv6 from the address to open (miniupnpd answers "Action not
    // authorized" otherwise), so a gateway found over IPv4 is searched for
    // again over IPv6.
    const auto overIPv6 = [](const char *url) { return url && QByteArray(url).startsWith("http://["); };
    if (overIPv6(m_urls.controlURL_6FC) && m_data.IPv6FC.servicetype[0]) {
        m_control6 = m_urls.controlURL_6FC;
        m_service6 = m_data.IPv6FC.servicetype;
        return true;
    }
    const UpnpCalls &api = *calls();
    int error = 0;
    UPNPDev *devices = api.upnpDiscoverDevice("urn:schemas-upnp-org:device:InternetGatewayDevice:1", m_discoveryMs,
                                              nullptr, nullptr, UPNP_LOCAL_PORT_ANY, 1, 2, &error);
    if (!devices)
        return false;
    char lan[64] = {};
    const QByteArray location(devices->descURL);
    api.freeUPNPDevlist(devices);
    if (!overIPv6(location.constData())
        || api.UPNP_GetIGDFromUrl(location.constData(), &m_urls6, &m_data6, lan, sizeof lan) != 1)
        return false;
    m_have6 = true;
    if (!overIPv6(m_urls6.controlURL_6FC) || !m_data6.IPv6FC.servicetype[0])
        return false;
    m_control6 = m_urls6.controlURL_6FC;
    m_service6 = m_data6.IPv6FC.servicetype;
    return true;
}

QString UpnpRouter::error(const UpnpCalls &api, int result)
{
    // A router that stopped answering is looked for again next time.
    if (result < 0) {
        forget();
        return QStringLiteral("the router did not answer");
    }
    const char *text = api.strupnperror(result);
    return QStringLiteral("the router refused: %1").arg(text ? QString::fromLatin1(text) : QString::number(result));
}

RouterAttempt UpnpRouter::map(quint16 port, int leaseSeconds, const QString &description)
{
    const UpnpCalls &api = *calls();
    RouterAttempt attempt;
    RouterReply &reply = attempt.reply;
    if (!m_have && !discover()) {
        reply.reason = QStringLiteral("no router on your network answered");
        return attempt;
    }
    attempt.answered = true;
    // Where the router was reached over IPv6, the mapping still leads to
    // this machine's IPv4 address.
    reply.localAddress = m_localAddress;
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
    if (m_privateOutside || (told == 0 && (!external[0] || isSharedIPv4Address(reply.publicAddress)))) {
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
            // Our own mapping, left from an earlier run (a permanent one
            // outlives a crash): take it over.
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
        reply.reason = error(api, result);
        return attempt;
    }
    reply.mapped = true;
    reply.leaseSeconds = lease;
    return attempt;
}

void UpnpRouter::unmap(quint16 port)
{
    if (!m_have && !discover())
        return;
    const QByteArray portText = QByteArray::number(port);
    calls()->UPNP_DeletePortMapping(m_urls.controlURL, m_data.first.servicetype, portText.constData(), "TCP", nullptr);
}

QString UpnpRouter::publicAddress()
{
    const UpnpCalls *api = calls();
    if (!api || (!m_have && !discover()))
        return {};
    char external[64] = {};
    if (api->UPNP_GetExternalIPAddress(m_urls.controlURL, m_data.first.servicetype, external) != 0)
        return {};
    return QString::fromLatin1(external);
}

QList<PinholeReply> UpnpRouter::openPinholes(quint16 port, int leaseSeconds)
{
    const QStringList addresses = globalIPv6Addresses();
    closePinholesExcept(addresses);
    QList<PinholeReply> replies;
    const UpnpCalls *api = calls();
    QString reason;
    bool notAsked = false;
    if (!api) {
        reason = QStringLiteral("miniupnpc is not installed");
        notAsked = true;
    } else if (!m_have && !discover()) {
        reason = QStringLiteral("no router on your network answered");
    } else if (!findPinholeControl()) {
        reason = QStringLiteral("the router does not open its IPv6 firewall on request");
    }
    for (const QString &address : addresses) {
        if (reason.isEmpty()) {
            replies << openPinhole(*api, address, port, leaseSeconds);
            // A router that stopped answering is not asked for the rest.
            if (!m_have)
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

PinholeReply UpnpRouter::openPinhole(const UpnpCalls &api, const QString &address, quint16 port, int leaseSeconds)
{
    PinholeReply reply;
    reply.address = address;
    const char *control = m_control6;
    const char *service = m_service6;
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
    // From anywhere ("" and port 0) to this address and port, over TCP (IP
    // protocol 6).
    const int result = api.UPNP_AddPinhole(control, service, "", "0", address.toLatin1().constData(),
                                           QByteArray::number(port).constData(), "6", lease.constData(), id);
    if (result != 0) {
        reply.reason = error(api, result);
        return reply;
    }
    m_pinholes.insert(address, QByteArray(id));
    reply.opened = true;
    reply.leaseSeconds = leaseSeconds;
    return reply;
}

void UpnpRouter::closePinholesExcept(const QStringList &kept)
{
    const UpnpCalls *api = calls();
    for (auto pinhole = m_pinholes.begin(); pinhole != m_pinholes.end();) {
        if (kept.contains(pinhole.key())) {
            ++pinhole;
            continue;
        }
        if (findPinholeControl())
            api->UPNP_DeletePinhole(m_control6, m_service6, pinhole->constData());
        pinhole = m_pinholes.erase(pinhole);
    }
}
