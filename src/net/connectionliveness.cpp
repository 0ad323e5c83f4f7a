#include "connectionliveness.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace {

ConnectionLiveness::Timing &current()
{
    static ConnectionLiveness::Timing timing = ConnectionLiveness::Shipped;
    return timing;
}

bool setOption(int fd, int level, int name, int value)
{
    return ::setsockopt(fd, level, name, &value, sizeof value) == 0;
}

} // namespace

namespace ConnectionLiveness {

const Timing &timing()
{
    return current();
}

void setTimingForTests(const Timing &lowered)
{
    current() = lowered;
}

bool applyTo(int fd)
{
    const Timing &t = current();
    // Every option is tried, so that one the system refuses does not cost
    // the others.
    bool ok = setOption(fd, SOL_SOCKET, SO_KEEPALIVE, 1);
    ok = setOption(fd, IPPROTO_TCP, TCP_KEEPIDLE, t.keepIdleSeconds) && ok;
    ok = setOption(fd, IPPROTO_TCP, TCP_KEEPINTVL, t.keepIntervalSeconds) && ok;
    ok = setOption(fd, IPPROTO_TCP, TCP_KEEPCNT, t.keepCount) && ok;
    ok = setOption(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, t.userTimeoutMs) && ok;
    return ok;
}

bool meansConnectionLost(int wsaCode)
{
    switch (wsaCode) {
    case 10050: // network down
    case 10051: // network unreachable
    case 10052: // network reset (the keepalive found it broken)
    case 10053: // aborted
    case 10054: // reset by the peer
    case 10058: // broken pipe
    case 10060: // timed out: probes or sent data unanswered
    case 10064: // host down
    case 10065: // host unreachable
        return true;
    default:
        return false;
    }
}

} // namespace ConnectionLiveness
