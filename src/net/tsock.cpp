#include "tsock.h"

#include "addresslookup.h"
#include "connectionliveness.h"
#include "connectionrace.h"
#include "tsockprivate.h"
#include "wsaerrors.h"

#include <QPointer>

#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

// Connections the system completes and holds for the listener until it
// accepts them. A host on an open port must keep room for a player while a
// stranger floods it with connects: the host accepts (and mostly refuses)
// them one by one between its other events, so the queue has to ride out
// the bursts in between. The system caps it at net.core.somaxconn.
constexpr int listenBacklog = 1024;

// A socket that listens on the address; -1, with errno set, when it cannot
// be bound there.
int listeningSocket(const SocketAddress &address)
{
    // Every socket is non-blocking from the start and is not inherited by
    // the processes that the program starts (an installer must not keep the
    // game's port bound after the game ends).
    const int fd = ::socket(address.family(), SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    // The listener's socket options. Without SO_REUSEADDR Linux refuses to
    // bind a listening port while earlier connections of that port linger
    // in TIME_WAIT, which the game's home platform allows; a host that quits
    // and starts again within a minute would then fail to listen. It does
    // not let a second listener share an active one, so a port that another
    // process listens on still fails to bind. IPv4 has a socket of its own,
    // so the IPv6 socket takes IPv6 alone, whatever the system's default.
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (address.family() == AF_INET6)
        ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &on, sizeof on);
    if (::bind(fd, address.data(), address.size()) != 0) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return -1;
    }
    if (::listen(fd, listenBacklog) != 0) {
        ::close(fd);
        throw ESockException("Listen - Error Starting Listen");
    }
    return fd;
}

quint16 localPortOf(int fd)
{
    const std::optional<SocketAddress> local = SocketAddress::localOf(fd);
    return local ? local->port() : 0;
}

// A listener's sockets: IPv4, and IPv6 on the same port beside it (-1 on a
// machine without IPv6, which then hosts on IPv4 alone and says nothing).
std::pair<int, int> listeningSockets(bool loopbackOnly, quint16 port)
{
    for (int tries = 1;; ++tries) {
        const int fd4 = listeningSocket(SocketAddress::ipv4(loopbackOnly ? INADDR_LOOPBACK : INADDR_ANY, port));
        if (fd4 < 0)
            throw ESockException("Listen - Error Binding Socket");
        int fd6 = -1;
        try {
            fd6 = listeningSocket(SocketAddress::ipv6(loopbackOnly ? in6addr_loopback : in6addr_any, localPortOf(fd4)));
        } catch (...) {
            ::close(fd4);
            throw;
        }
        if (fd6 >= 0 || errno != EADDRINUSE)
            return {fd4, fd6};
        // Something else holds the port for IPv6. A port the system chose
        // is chosen again. A solo game does without IPv6 (its own client
        // comes over IPv4); any other listener fails as on a taken port,
        // or players over IPv6 would join whatever holds it.
        if (port != 0 || tries == 8) {
            if (loopbackOnly)
                return {fd4, -1};
            ::close(fd4);
            throw ESockException("Listen - Error Binding Socket");
        }
        ::close(fd4);
    }
}

// Closes a socket in the orderly way. Linux answers the close of a socket
// that still holds unread incoming bytes with a reset instead of an orderly
// end: the peer would see "Error #10054" instead of a disconnect (a host would
// keep the seat of a client that quit while messages to it were under way),
// and bytes on their way to it could be lost. Those unread bytes are dropped
// first, as the close would drop them anyway. The drain is bounded, so a peer
// that keeps sending cannot hold the close up.
int closeSocket(int fd)
{
    char scratch[16384];
    for (int reads = 0; reads < 128; ++reads) {
        if (::recv(fd, scratch, sizeof scratch, MSG_DONTWAIT) <= 0)
            break;
    }
    return ::close(fd);
}

} // namespace

TSock::TSock(QObject *parent)
    : QObject(parent), d(std::make_unique<Private>(this))
{
}

TSock::~TSock()
{
    // The socket closes as Close would close it, but no event is raised: an
    // endpoint is mostly destroyed together with its owner, and a handler
    // called from here would run on an owner that is half torn down.
    d->dropLookup();
    if (d->fd < 0)
        return;
    d->detach();
    closeSocket(d->fd);
    d->fd = -1;
    if (d->fd6 >= 0)
        ::close(std::exchange(d->fd6, -1));
}

QString TSock::HostName() const { return d->hostName; }

void TSock::setHostName(const QString &name)
{
    d->hostName = name;
    if (d->connected)
        d->info(TSocketInfo::Lookup, QStringLiteral("Setting HostName While Connected Has No Effect"));
}

QString TSock::PortName() const { return d->portName; }

void TSock::setPortName(const QString &name)
{
    d->portName = name;
    if (d->connected)
        d->info(TSocketInfo::Lookup, QStringLiteral("Setting PortName While Connected Has No Effect"));
}

bool TSock::Listen() const { return d->listening; }

void TSock::setListen(bool listen)
{
    if (!listen) {
        d->listening = false;
        QPointer<TSock> self(this);
        Close();
        if (self)
            d->info(TSocketInfo::Listen, QStringLiteral("Listening Stopped"));
        return;
    }
    if (d->listening) {
        d->info(TSocketInfo::Listen, QStringLiteral("Listening Already Running"));
        return;
    }
    if (d->fd >= 0 || d->lookup)
        throw ESockException("Listen - Socket Already In Use");

    QPointer<TSock> self(this);
    const quint16 port = d->lookupPort();
    if (!self || d->fd >= 0 || d->lookup)
        return;
    const auto [fd, fd6] = listeningSockets(d->loopbackOnly, port);
    d->listening = true;
    d->acceptArmed = true;
    d->attach(fd);
    if (fd6 >= 0)
        d->attachIpv6Listener(fd6);
    d->info(TSocketInfo::Listen, QStringLiteral("Listening Started"));
}

bool TSock::Connected() const { return d->connected; }

int TSock::BlockingTimeout() const { return d->blockingTimeout; }

void TSock::setBlockingTimeout(int timeout) { d->blockingTimeout = timeout; }

bool TSock::KeepAlive() const { return d->keepAlive; }

void TSock::setKeepAlive(bool on)
{
    d->keepAlive = on;
    if (on && d->fd >= 0 && !d->listening)
        ConnectionLiveness::applyTo(d->fd);
}

bool TSock::LoopbackOnly() const { return d->loopbackOnly; }

void TSock::setLoopbackOnly(bool on) { d->loopbackOnly = on; }

bool TSock::Open()
{
    // Waiting for the resolver, or for one of the host's addresses to
    // answer, counts as connecting already.
    if (d->fd >= 0 || d->lookup)
        return d->connected;

    QPointer<TSock> self(this);
    const auto openedMeanwhile = [&] { return !self || d->fd >= 0 || d->lookup; };
    const quint16 port = d->lookupPort();
    if (openedMeanwhile())
        return self && d->connected;
    d->info(TSocketInfo::Lookup, QStringLiteral("Lookup Of Host ") + d->hostName);
    if (openedMeanwhile())
        return self && d->connected;
    if (const std::optional<QList<SocketAddress>> addresses = AddressLookup::host(d->hostName)) {
        d->connectTo(*addresses, port);
        return false;
    }

    // A name not resolved before is resolved elsewhere, and the connection
    // begins when the answer comes. Close and destruction drop the lookup
    // and its answer with it; a name without an address is told like a
    // connection that failed.
    d->lookup = new QObject(this);
    TSock *sock = this;
    AddressLookup::resolve(d->hostName, d->lookup, [sock, port](QList<SocketAddress> addresses) {
        Private *p = sock->d.get();
        std::exchange(p->lookup, nullptr)->deleteLater();
        if (addresses.isEmpty())
            p->postError(Private::hostNotFoundCode);
        else
            p->connectTo(std::move(addresses), port);
    });
    return false;
}

void TSock::Private::connectTo(QList<SocketAddress> addresses, quint16 port)
{
    for (SocketAddress &address : addresses)
        address.setPort(port);
    // Until one of the addresses answers the endpoint has no socket of its
    // own; it counts as connecting all the same (Send queues), and Close
    // drops the attempts.
    lookup = new QObject(q);
    TSock *sock = q;
    new ConnectionRace(
        addresses, [sock](int socket, int error) { sock->d->raceFinished(socket, error); }, lookup);
}

void TSock::Private::raceFinished(int socket, int error)
{
    std::exchange(lookup, nullptr)->deleteLater();
    if (socket >= 0) {
        // A connected socket's connect-complete notification follows from
        // its first writable, as for any connection. A failed one stays
        // with the endpoint, quiet, until the owner closes it.
        if (keepAlive)
            ConnectionLiveness::applyTo(socket);
        connecting = true;
        attach(socket);
    }
    if (error != 0) {
        // The single Error info of a failed connection, once every address
        // has failed.
        failed = socket >= 0;
        updateNotifiers();
        postError(WsaErrors::fromErrno(error));
    }
}

void TSock::Private::dropLookup()
{
    delete std::exchange(lookup, nullptr);
}

bool TSock::Accept(TSock *&out)
{
    if (!d->listening)
        throw ESockException("Accept - Socket Not In Listening Mode");

    // Either socket may hold the pending connection. The one not served
    // last is asked first, so that a flood over one family cannot keep
    // players of the other waiting.
    sockaddr_storage peer {};
    int fd = -1;
    int err = EAGAIN;
    for (const int listener : {d->acceptIpv6First ? d->fd6 : d->fd, d->acceptIpv6First ? d->fd : d->fd6}) {
        if (listener < 0)
            continue;
        socklen_t length = sizeof peer;
        fd = ::accept4(listener, reinterpret_cast<sockaddr *>(&peer), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) {
            d->acceptIpv6First = listener == d->fd;
            break;
        }
        err = errno;
        if (err != EAGAIN && err != EWOULDBLOCK)
            break;
    }
    if (fd < 0) {
        // Out of descriptors or memory, the connection stays pending and an
        // incoming-connection notice re-armed now would come straight back:
        // the owner would try again in a busy loop. It comes after a pause.
        if (err == EMFILE || err == ENFILE || err == ENOBUFS || err == ENOMEM)
            d->armAcceptLater();
        else
            d->armAccept();
        d->info(TSocketInfo::Accept, QStringLiteral("Could Not Accept Connection"));
        return false;
    }
    d->armAccept();
    auto *accepted = new TSock(this);
    Private &a = *accepted->d;
    a.blockingTimeout = d->blockingTimeout;
    a.keepAlive = d->keepAlive;
    if (a.keepAlive)
        ConnectionLiveness::applyTo(fd);
    accepted->OnRead = OnRead;
    accepted->OnWrite = OnWrite;
    accepted->OnDisconnect = OnDisconnect;
    accepted->OnInfo = OnInfo;
    a.portName = d->portName;
    a.peer = SocketAddress::fromSystem(peer);
    if (a.peer)
        a.hostName = a.peer->text();
    a.connected = true;
    a.firstWritable = true;
    a.attach(fd);
    out = accepted;
    d->info(TSocketInfo::Accept, QStringLiteral("Created New TSock Structure"));
    return true;
}

bool TSock::Send(const QByteArray &bytes)
{
    if (d->fd < 0 && !d->lookup)
        throw ESockException("Send - Socket Not Connected");
    if (d->listening)
        throw ESockException("Send - Cannot Send On A Listener Socket");
    d->outgoing.append(bytes);
    if (d->outgoing.isEmpty())
        return true;

    QPointer<TSock> self(this);
    const quint64 generation = d->generation;
    d->info(TSocketInfo::Send, QStringLiteral("Non-Blocking Outgoing Data"));
    if (!self || d->generation != generation)
        return true;
    // A connection still being made cannot take bytes yet; they go out with
    // the first writable after it is established. Offering them now would
    // also consume the error of a connection that has just failed, and the
    // failure would then pass for a success.
    if (d->connecting || d->lookup)
        return true;

    const ssize_t sent = ::send(d->fd, d->outgoing.constData(), size_t(d->outgoing.size()), MSG_NOSIGNAL);
    if (sent > 0) {
        d->outgoing.remove(0, qsizetype(sent));
        d->writeWaiting = !d->outgoing.isEmpty();
    } else if (sent < 0) {
        const int err = errno;
        if (err == EAGAIN || err == EWOULDBLOCK || err == EINTR) {
            d->writeWaiting = true;
        } else if (err != EPIPE && err != ENOTCONN && d->sendError == 0) {
            // The send took a pending error (a reset, say) off the socket;
            // keep it so that the read side reports it rather than an
            // orderly end of the stream.
            d->sendError = err;
        }
    }
    d->updateNotifiers();
    return true;
}

QByteArray TSock::Receive()
{
    if (d->listening)
        throw ESockException("Receive - Cannot Receive On A Listener Socket");
    if (d->fd < 0 && !d->lookup && d->incoming.isEmpty())
        throw ESockException("Receive - Socket Not Connected");
    return std::exchange(d->incoming, QByteArray());
}

QByteArray TSock::Receive(int count)
{
    if (d->listening)
        throw ESockException("Receive - Cannot Receive On A Listener Socket");
    if (d->fd < 0 && !d->lookup && d->incoming.isEmpty())
        throw ESockException("Receive - Socket Not Connected");
    const QByteArray front = d->incoming.left(qMax(count, 0));
    d->incoming.remove(0, front.size());
    return front;
}

bool TSock::Close()
{
    const bool wasListener = d->listening;
    bool closed = false;
    if (d->fd >= 0) {
        d->detach();
        closed = closeSocket(d->fd) == 0;
        d->fd = -1;
    }
    if (d->fd6 >= 0)
        ::close(std::exchange(d->fd6, -1));
    d->dropLookup();
    ++d->generation;
    d->listening = false;
    d->connected = false;
    d->connecting = false;
    d->failed = false;
    d->peerClosed = false;
    d->acceptArmed = false;
    d->firstWritable = false;
    d->writeWaiting = false;
    d->postedError = 0;
    d->sendError = 0;
    if (!wasListener) {
        try {
            d->info(TSocketInfo::Close, QStringLiteral("Socket Closed"));
        } catch (...) {
            // Close never fails towards its caller.
        }
    }
    return closed;
}

qsizetype TSock::PendingOutput() const { return d->outgoing.size(); }

int TSock::Tag() const { return d->tag; }

void TSock::setTag(int tag) { d->tag = tag; }

quint16 TSock::LocalPort() const
{
    return d->fd < 0 ? 0 : localPortOf(d->fd);
}

std::optional<SocketAddress> TSock::PeerAddress() const
{
    return d->peer;
}

bool TSock::IsLocalEnd(const SocketAddress &address) const
{
    if (d->fd >= 0 && SocketAddress::localOf(d->fd) == address)
        return true;
    if (d->lookup) {
        for (const ConnectionRace *race : d->lookup->findChildren<ConnectionRace *>()) {
            if (race->hasLocalEnd(address))
                return true;
        }
    }
    return false;
}

int TSock::LastError() const
{
    return d->lastError;
}

bool TSock::hostCacheContains(const QString &name)
{
    return AddressLookup::hostCacheContains(name);
}
