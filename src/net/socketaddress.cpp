#include "socketaddress.h"

#include <arpa/inet.h>
#include <cstring>
#include <net/if.h>
#include <netdb.h>

namespace {

bool digitsAndDots(const QString &text)
{
    for (const QChar c : text) {
        if (c != QLatin1Char('.') && (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return false;
    }
    return !text.isEmpty();
}

} // namespace

SocketAddress SocketAddress::ipv4(quint32 ip, quint16 port)
{
    SocketAddress result;
    auto &address = reinterpret_cast<sockaddr_in &>(result.m_address);
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(ip);
    address.sin_port = htons(port);
    return result;
}

SocketAddress SocketAddress::ipv6(const in6_addr &ip, quint16 port, quint32 zone)
{
    SocketAddress result;
    auto &address = reinterpret_cast<sockaddr_in6 &>(result.m_address);
    address.sin6_family = AF_INET6;
    address.sin6_addr = ip;
    address.sin6_port = htons(port);
    address.sin6_scope_id = zone;
    return result;
}

std::optional<SocketAddress> SocketAddress::fromSystem(const sockaddr_storage &address)
{
    if (address.ss_family != AF_INET && address.ss_family != AF_INET6)
        return std::nullopt;
    SocketAddress result;
    result.m_address = address;
    return result;
}

std::optional<SocketAddress> SocketAddress::localOf(int socket)
{
    sockaddr_storage address {};
    socklen_t length = sizeof address;
    if (::getsockname(socket, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return std::nullopt;
    return fromSystem(address);
}

std::optional<SocketAddress> SocketAddress::fromLiteral(const QString &text)
{
    const bool bracketed = text.size() >= 2 && text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'));
    const QString inner = bracketed ? text.mid(1, text.size() - 2) : text;
    if (inner.contains(QLatin1Char(':'))) {
        // The system's own reading of numeric IPv6, zones included; it never
        // asks the network.
        addrinfo hints {};
        hints.ai_family = AF_INET6;
        hints.ai_socktype = SOCK_STREAM;
        hints.ai_flags = AI_NUMERICHOST;
        addrinfo *found = nullptr;
        if (::getaddrinfo(inner.toLatin1().constData(), nullptr, &hints, &found) != 0 || !found)
            return std::nullopt;
        SocketAddress result;
        std::memcpy(&result.m_address, found->ai_addr, found->ai_addrlen);
        ::freeaddrinfo(found);
        return result;
    }
    // Dotted IPv4 in the forms the system has always taken ("10.1" is
    // 10.0.0.1); a name such as "4friends.example.org" is no literal.
    in_addr parsed {};
    if (bracketed || !digitsAndDots(inner) || ::inet_aton(inner.toLatin1().constData(), &parsed) == 0)
        return std::nullopt;
    return ipv4(ntohl(parsed.s_addr));
}

bool SocketAddress::meantAsLiteral(const QString &text)
{
    return text.startsWith(QLatin1Char('[')) || text.contains(QLatin1Char(':')) || digitsAndDots(text);
}

socklen_t SocketAddress::size() const
{
    return family() == AF_INET6 ? sizeof(sockaddr_in6) : sizeof(sockaddr_in);
}

quint16 SocketAddress::port() const
{
    if (family() == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6 &>(m_address).sin6_port);
    return ntohs(reinterpret_cast<const sockaddr_in &>(m_address).sin_port);
}

void SocketAddress::setPort(quint16 port)
{
    if (family() == AF_INET6)
        reinterpret_cast<sockaddr_in6 &>(m_address).sin6_port = htons(port);
    else
        reinterpret_cast<sockaddr_in &>(m_address).sin_port = htons(port);
}

QString SocketAddress::text() const
{
    char text[INET6_ADDRSTRLEN + IF_NAMESIZE + 1] = {};
    if (family() == AF_INET) {
        ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in &>(m_address).sin_addr, text, sizeof text);
        return QString::fromLatin1(text);
    }
    const auto &address = reinterpret_cast<const sockaddr_in6 &>(m_address);
    if (IN6_IS_ADDR_V4MAPPED(&address.sin6_addr)) {
        ::inet_ntop(AF_INET, &address.sin6_addr.s6_addr[12], text, sizeof text);
        return QString::fromLatin1(text);
    }
    // The system writes the RFC 5952 form: lower case, no leading zeros,
    // the first longest run of two or more zero groups as "::".
    ::inet_ntop(AF_INET6, &address.sin6_addr, text, sizeof text);
    QString result = QString::fromLatin1(text);
    if (address.sin6_scope_id != 0) {
        char zone[IF_NAMESIZE] = {};
        result += QLatin1Char('%') + (::if_indextoname(address.sin6_scope_id, zone)
                                          ? QString::fromLatin1(zone)
                                          : QString::number(address.sin6_scope_id));
    }
    return result;
}
