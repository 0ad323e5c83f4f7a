#pragma once

#include <QList>
#include <QString>

#include <memory>

// Talking to the home router about the game's port. Every call blocks (a
// router that never answers costs seconds), so a RouterClient is used only
// on the port mapper's worker thread, never on the window's.

// What the router said to one request for an IPv4 mapping.
struct RouterReply
{
    bool mapped = false;
    // The router's address on the internet, where it told it.
    QString publicAddress;
    // This machine's address on the router's network: where the port leads,
    // or where the player should forward it by hand.
    QString localAddress;
    // The lease the router granted in seconds; 0 for a permanent mapping.
    int leaseSeconds = 0;
    // Why there is no mapping, in words for the player.
    QString reason;
    // The router's own outside IPv4 address is private or shared with other
    // homes, or the router says it cannot forward: no mapping would let the
    // internet in, so none is made.
    bool sharedAddress = false;
    // No router was asked, since the libraries to ask it are missing;
    // `reason` names them.
    bool notAsked = false;
};

// What the router said to one request for an inbound IPv6 pinhole.
struct PinholeReply
{
    // This machine's global IPv6 address the pinhole leads to.
    QString address;
    bool opened = false;
    int leaseSeconds = 0;
    QString reason;
    bool notAsked = false;
};

class RouterClient
{
public:
    virtual ~RouterClient() = default;

    // Asks for TCP `port` outside to lead to the same port on this machine,
    // for `leaseSeconds`, under `description`. Asking again renews it. A
    // router that would give the port outside only to another machine, or
    // only another port, gives no mapping: the reply says why.
    virtual RouterReply mapPort(quint16 port, int leaseSeconds, const QString &description) = 0;
    // Removes the mapping that mapPort made, if it made one.
    virtual void unmapPort(quint16 port) = 0;
    // The router's address on the internet; empty when no router tells it.
    virtual QString publicAddress() = 0;

    // For each global IPv6 address of this machine, asks the router's
    // firewall to let connections from anywhere in to TCP `port` there for
    // `leaseSeconds`; a pinhole made before is renewed, and one made for an
    // address this machine no longer has is closed. Empty without a global
    // IPv6 address.
    virtual QList<PinholeReply> openPinholes(quint16 port, int leaseSeconds) = 0;
    // Closes every pinhole that openPinholes made.
    virtual void closePinholes() = 0;

    // Forgets where the router was found, so the next request looks for it
    // again: a router that restarted may answer at another control address.
    virtual void forgetRouter() = 0;
};

// Which of the two libraries the system client may load; a test switches
// one off to see the other work alone, as on a machine without it.
struct RouterLibraries
{
    bool natpmp = true;
    bool miniupnpc = true;
};

// NAT-PMP (libnatpmp) first, then UPnP IGD (miniupnpc) with a discovery
// limit of `discoveryMs`; IPv6 pinholes over UPnP IGD's
// WANIPv6FirewallControl.
std::unique_ptr<RouterClient> makeSystemRouterClient(int discoveryMs = 2000, RouterLibraries libraries = {});
