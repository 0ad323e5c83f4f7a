#pragma once

// Private to the router client: the two ways of asking a home router, each
// keeping what it learnt of the router between requests. Every call blocks,
// on the port mapper's worker thread.
//   natpmprouter.cpp  NAT-PMP (libnatpmp): the IPv4 mapping, the outside
//                     address.
//   upnprouter.cpp    UPnP IGD (miniupnpc): the IPv4 mapping, the outside
//                     address, the IPv6 pinholes.
// routerclient.cpp chooses between them and words what they say.

#include "routerclient.h"
#include "routerlibraries.h"

#include <QByteArray>
#include <QMap>
#include <QStringList>

#include <optional>

// One way of asking, and whether a router answered at all: a router that
// answered tells the player more than one that was silent.
struct RouterAttempt
{
    RouterReply reply;
    bool answered = false;
    // The port outside leads to another machine already: the other way
    // would say the same.
    bool conflict = false;
};

// Why a router whose own outside address is private, shared or missing
// maps nothing. The first asking says it in a line of its own; a renewal
// refused for it says it in parentheses.
inline constexpr const char *NoOutsideAddress = "the router has no address on the internet to forward from";

class NatPmpRouter
{
public:
    // `enabled` false: used as if libnatpmp were not installed.
    explicit NatPmpRouter(bool enabled) : m_enabled(enabled) {}

    // libnatpmp's calls, loaded at the first asking; null without it.
    const NatPmpCalls *calls() const { return m_enabled ? loadNatPmp() : nullptr; }

    // These need calls().
    RouterAttempt map(quint16 port, int leaseSeconds);
    void unmap(quint16 port);

    // The outside address the router tells (all zeros where it has none);
    // nothing where no router answered or the library is missing.
    std::optional<QString> publicAddress();

private:
    const bool m_enabled;
};

class UpnpRouter
{
public:
    // `enabled` false: used as if miniupnpc were not installed. A search
    // for the router waits at most `discoveryMs`.
    UpnpRouter(bool enabled, int discoveryMs) : m_enabled(enabled), m_discoveryMs(discoveryMs) {}
    ~UpnpRouter() { forget(); }
    UpnpRouter(const UpnpRouter &) = delete;
    UpnpRouter &operator=(const UpnpRouter &) = delete;

    // miniupnpc's calls, loaded at the first asking; null without it.
    const UpnpCalls *calls() const { return m_enabled ? loadUpnp() : nullptr; }

    // This needs calls().
    RouterAttempt map(quint16 port, int leaseSeconds, const QString &description);
    // Removes the mapping at `port`, looking for the router first where it
    // is not known.
    void unmap(quint16 port);
    // The outside address the router tells; empty where none does.
    QString publicAddress();

    // As RouterClient's.
    QList<PinholeReply> openPinholes(quint16 port, int leaseSeconds);
    void closePinholes() { closePinholesExcept({}); }

    // Forgets where the router was found.
    void forget();

private:
    bool discover();
    // The words for a failed request; a router that did not answer is
    // forgotten.
    QString error(const UpnpCalls &api, int result);
    // Where the IPv6 firewall is asked: the gateway's own control point
    // when it was reached over IPv6, else the one it names in its answer to
    // a search over IPv6. False where it offers none.
    bool findPinholeControl();
    PinholeReply openPinhole(const UpnpCalls &api, const QString &address, quint16 port, int leaseSeconds);
    void closePinholesExcept(const QStringList &kept);

    const bool m_enabled;
    const int m_discoveryMs;
    bool m_have = false;
    bool m_privateOutside = false;
    UPNPUrls m_urls = {};
    IGDdatas m_data = {};
    // The gateway as found over IPv6, for the pinholes, where m_urls was
    // found over IPv4.
    bool m_have6 = false;
    UPNPUrls m_urls6 = {};
    IGDdatas m_data6 = {};
    const char *m_control6 = nullptr;
    const char *m_service6 = nullptr;
    QString m_localAddress;
    // The router's names of the pinholes made, by the address they lead to.
    QMap<QString, QByteArray> m_pinholes;
};
