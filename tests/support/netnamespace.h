#pragma once

#include <QtGlobal>

class QString;

// A TCP connection over IPv4 to `address` port `port`, opened from another
// machine of a network lab: the socket is made in the network namespace
// /run/netns/`machine` (a socket stays in the namespace it was made in),
// while the calling thread stays in its own. A blocking descriptor, or -1
// when it cannot be made or connected. Needs root.
int connectFrom(const QString &machine, const char *address, quint16 port);
