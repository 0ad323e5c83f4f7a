#pragma once

#include <QtGlobal>

class QString;

// A TCP connection over IPv4 or IPv6 to `address` (a literal) port `port`,
// opened from another machine of a network lab: the socket is made in the
// network namespace /run/netns/`machine` (a socket stays in the namespace it
// was made in),
// while the calling thread stays in its own. A blocking descriptor, or -1
// when it cannot be made or connected within `timeoutMs`. Needs root.
int connectFrom(const QString &machine, const char *address, quint16 port, int timeoutMs = 5000);

// A listening TCP socket on `address` (a literal) port `port` of another
// machine of a network lab, made there like connectFrom's. A blocking
// descriptor, or -1. Needs root.
int listenIn(const QString &machine, const char *address, quint16 port);
