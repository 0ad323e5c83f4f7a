#include "netnamespace.h"

#include <QString>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

bool socketAddress(const char *address, quint16 port, sockaddr_storage &to, socklen_t &size)
{
    to = {};
    auto *v4 = reinterpret_cast<sockaddr_in *>(&to);
    auto *v6 = reinterpret_cast<sockaddr_in6 *>(&to);
    if (::inet_pton(AF_INET, address, &v4->sin_addr) == 1) {
        v4->sin_family = AF_INET;
        v4->sin_port = htons(port);
        size = sizeof(sockaddr_in);
    } else if (::inet_pton(AF_INET6, address, &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(port);
        size = sizeof(sockaddr_in6);
    } else {
        return false;
    }
    return true;
}

// A socket of `family` made in the network namespace of `machine`.
int socketIn(const QString &machine, int family)
{
    const int own = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
    const int there = ::open(("/run/netns/" + machine).toLatin1().constData(), O_RDONLY | O_CLOEXEC);
    int fd = -1;
    if (own >= 0 && there >= 0 && ::setns(there, CLONE_NEWNET) == 0) {
        fd = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
        ::setns(own, CLONE_NEWNET);
    }
    for (const int ns : {own, there}) {
        if (ns >= 0)
            ::close(ns);
    }
    return fd;
}

} // namespace

int connectFrom(const QString &machine, const char *address, quint16 port, int timeoutMs)
{
    sockaddr_storage to;
    socklen_t size = 0;
    if (!socketAddress(address, port, to, size))
        return -1;
    int fd = socketIn(machine, to.ss_family);
    // A router that drops the connection would hold a plain connect for
    // two minutes.
    const timeval limit = {timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    if (fd >= 0
        && (::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit) != 0
            || ::connect(fd, reinterpret_cast<sockaddr *>(&to), size) != 0)) {
        ::close(fd);
        fd = -1;
    }
    return fd;
}

int listenIn(const QString &machine, const char *address, quint16 port)
{
    sockaddr_storage at;
    socklen_t size = 0;
    if (!socketAddress(address, port, at, size))
        return -1;
    int fd = socketIn(machine, at.ss_family);
    const int on = 1;
    if (fd >= 0
        && (::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0
            || ::bind(fd, reinterpret_cast<sockaddr *>(&at), size) != 0 || ::listen(fd, 16) != 0)) {
        ::close(fd);
        fd = -1;
    }
    return fd;
}
