#pragma once

#include "socketaddress.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <chrono>
#include <functional>
#include <optional>

class QObject;

// Turns the host and port names of an endpoint into addresses and a port.
// Failures raise ESockException with the transport's fixed texts.
//
// Resolved host names are kept in a process-wide cache, filled by every
// successful resolution. An entry serves for a minute only: a host on a
// dynamic address that moved is found again at the next connection.
namespace AddressLookup {

inline constexpr char hostNotFound[] = "Host Lookup - Could Not Find Host Entry";

// How long a resolved name is served from the cache.
inline constexpr std::chrono::milliseconds CacheLifetime{60000};

// The addresses (ports 0) of a name that needs no resolving: 0.0.0.0 for an
// empty name; for an address literal (dotted IPv4, IPv6 with or without
// brackets) that address, never resolved, never cached; for a name in the
// cache its addresses. Nothing when the name has still to be resolved. A
// text that is meant as a literal but does not parse ("300.1.1.1",
// "2001:db8::5::1", "[::1") names no host: it raises at once.
std::optional<QList<SocketAddress>> host(const QString &name);

// Resolves a name on a thread of its own: a name server that does not answer
// must never hold up the window, nor the program's end. `answered` runs
// later on the thread of `context` (which must be given), and never once
// `context` is destroyed, with every address of the answer in the
// resolver's order, or with none. Addresses found are cached even when
// nobody waits for them any more.
void resolve(const QString &name, const QObject *context, std::function<void(QList<SocketAddress>)> answered);

// A decimal port when the name begins with a digit, else the "tcp" service
// of that name.
quint16 port(const QString &name);

bool hostCacheContains(const QString &name);

// Test hook: how long entries are served from now on (CacheLifetime to restore).
void setCacheLifetimeForTests(std::chrono::milliseconds lifetime);

} // namespace AddressLookup
