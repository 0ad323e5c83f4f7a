#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

class QObject;

// Turns the host and port names of an endpoint into an IPv4 address and a
// port. Failures raise ESockException with the transport's fixed texts.
//
// Resolved host names are kept in a process-wide cache that is filled by
// every successful resolution and never emptied while the process runs, so a
// name costs one resolution per process.
namespace AddressLookup {

inline constexpr char hostNotFound[] = "Host Lookup - Could Not Find Host Entry";

// The IPv4 address, in host byte order, of a name that needs no resolving:
// 0.0.0.0 for an empty name; for a name that begins with a decimal digit its
// dotted-decimal address (never resolved, never cached; raises when it does
// not parse); for any other name its cached address. Nothing when the name
// has still to be resolved.
std::optional<quint32> host(const QString &name);

// Resolves a name on the resolver's own threads: a name server that does not
// answer must never hold up the window. `answered` runs later on this
// thread, and never once `context` is destroyed, with the first IPv4 address
// of the answer (then cached) or with nothing when there is none.
void resolve(const QString &name, const QObject *context, std::function<void(std::optional<quint32>)> answered);

// A decimal port when the name begins with a digit, else the "tcp" service
// of that name.
quint16 port(const QString &name);

bool hostCacheContains(const QString &name);

} // namespace AddressLookup
