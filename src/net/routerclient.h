#pragma once

#include <QString>
#include <QStringList>

#include <memory>

// Talking to the home router about the game's port. Every call blocks (a
// router that never answers costs seconds), so a RouterClient is used only
// on the port mapper's worker thread, never on the window's.

// What the router said to one request for a mapping.
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
};

// NAT-PMP (libnatpmp) first, then UPnP IGD (miniupnpc) with a discovery
// limit of `discoveryMs`.
std::unique_ptr<RouterClient> makeSystemRouterClient(int discoveryMs = 2000);

// This machine's IPv4 addresses on its networks (loopback left out), the
// addresses other players on those networks can reach it at.
QStringList networkAddresses();
