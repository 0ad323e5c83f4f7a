#pragma once

#include <QString>
#include <QStringList>

// This machine's addresses as other players can reach them. Container and
// virtual-machine bridges (docker0, br-*, virbr*, veth*) are left out: they
// lead only into this machine's own guests. VPN interfaces (Tailscale,
// ZeroTier, WireGuard) stay, since friends often play over them.

// The IPv4 addresses on this machine's networks (loopback left out).
QStringList networkAddresses();

// This machine's IPv4 address on the way to the internet: the one a router
// sees; empty without an IPv4 route.
QString routeSourceIPv4();

// The global IPv6 addresses: neither unique local (fc00::/7) nor link-local,
// nor a temporary privacy address, which changes within a day and would
// not stay valid for the friends it was given to, nor one on its way out.
QStringList globalIPv6Addresses();

// A router's outside IPv4 address that the internet cannot reach: private
// (10/8, 172.16/12, 192.168/16) or shared among the homes of a provider
// (carrier-grade NAT, 100.64/10).
bool isSharedIPv4Address(const QString &address);

// The router of this machine's IPv6 default route ("fe80::1%eth0" for a
// link-local one); empty without one.
QString ipv6DefaultGateway();
