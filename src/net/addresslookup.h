#pragma once

#include <QString>
#include <QtGlobal>

// Turns the host and port names of an endpoint into an IPv4 address and a
// port. Both raise ESockException with the transport's fixed texts.
//
// Resolved host names are kept in a process-wide cache that is filled by
// every successful resolution and never emptied while the process runs, so a
// name costs one (blocking) resolution per process.
namespace AddressLookup {

// The IPv4 address in host byte order. An empty name is 0.0.0.0; a name that
// begins with a decimal digit is a dotted-decimal address (never resolved,
// never cached); any other name is resolved once and then served from the
// cache.
quint32 host(const QString &name);

// A decimal port when the name begins with a digit, else the "tcp" service
// of that name.
quint16 port(const QString &name);

bool hostCacheContains(const QString &name);

} // namespace AddressLookup
