#pragma once

#include <QString>
#include <QtGlobal>

#include <netinet/in.h>
#include <optional>
#include <sys/socket.h>

// One IPv4 or IPv6 address with a port, in the form the system's socket
// calls take and give.
class SocketAddress
{
public:
    SocketAddress() = default;
    // An IPv4 address in host byte order.
    static SocketAddress ipv4(quint32 ip, quint16 port = 0);
    // The zone is an interface index, 0 for none.
    static SocketAddress ipv6(const in6_addr &ip, quint16 port = 0, quint32 zone = 0);
    // What accept() or getsockname() filled in; nothing for another family.
    static std::optional<SocketAddress> fromSystem(const sockaddr_storage &address);
    // The local end of a socket (getsockname); nothing when it has none.
    static std::optional<SocketAddress> localOf(int socket);

    // The literal a player types: dotted IPv4, or IPv6 with or without
    // brackets and with an optional zone ("fe80::1%eth0"). Nothing when the
    // text is no such literal.
    static std::optional<SocketAddress> fromLiteral(const QString &text);
    // Whether the text can only be meant as an address literal: IPv6 (a
    // colon, or brackets), or digits and dots alone, which no host name is
    // ("4friends.example.org" is a name).
    static bool meantAsLiteral(const QString &text);

    int family() const { return m_address.ss_family; }
    const sockaddr *data() const { return reinterpret_cast<const sockaddr *>(&m_address); }
    socklen_t size() const;
    quint16 port() const;
    void setPort(quint16 port);

    // The address as people write it and as the host keys its limits by:
    // dotted IPv4, also for an IPv4 address that reached an IPv6 socket
    // ("::ffff:1.2.3.4"); IPv6 in its one shortest form (RFC 5952), with the
    // zone only for an address that needs one (link-local). Never brackets.
    QString text() const;

    // The same address (as text() writes it, so an IPv4-mapped address
    // equals its IPv4 form) and the same port.
    bool operator==(const SocketAddress &other) const
    {
        return port() == other.port() && text() == other.text();
    }

private:
    sockaddr_storage m_address {};
};
