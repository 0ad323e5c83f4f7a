#pragma once

#include <QString>

// How a game connection notices that its peer is gone: the kernel's own
// liveness checks, set on every game socket (the host's accepted
// connections, the joining client's connection), and the client's limit on
// a connection attempt. Nothing goes over the wire for it, and a healthy
// connection costs no processor time: the probes are the kernel's.
//
// With the shipped timing a peer whose network vanished is reported as a
// timeout (Error #10060) within about 45 s: a quiet connection after
// 15 s + 4 unanswered probes 5 s apart, a busy one when its data has gone
// unacknowledged for 30 s.
namespace ConnectionLiveness {

struct Timing
{
    int keepIdleSeconds;     // TCP_KEEPIDLE: quiet time before the first probe
    int keepIntervalSeconds; // TCP_KEEPINTVL: between probes
    int keepCount;           // TCP_KEEPCNT: unanswered probes that end it
    int userTimeoutMs;       // TCP_USER_TIMEOUT: sent data unacknowledged this long ends it
    int connectTimeoutMs;    // a connection attempt given up after this long
};

inline constexpr Timing Shipped{15, 5, 4, 30000, 10000};

// The timing in force: Shipped, unless a test lowered it.
const Timing &timing();

// Test hook: lowers (or restores) the timing for sockets set up from now on.
void setTimingForTests(const Timing &lowered);

// Turns the liveness checks on for a TCP socket; false when the system
// refused one of the options (the connection works, only unwatched).
bool applyTo(int fd);

// Whether a Windows Sockets code in an Error info means that the connection
// can carry nothing more: reset, aborted, timed out, the network or host out
// of reach, a broken pipe. A send that would block, say, is not.
bool meansConnectionLost(int wsaCode);

} // namespace ConnectionLiveness
