#include "tsock.h"

#include "addresslookup.h"
#include "connectionliveness.h"
#include "tsockprivate.h"
#include "wsaerrors.h"

#include <QPointer>

#include <arpa/inet.h>
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

sockaddr_in ipv4Address(quint32 ip, quint16 port)
{
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(ip);
    address.sin_port = htons(port);
    return address;
}

// Every socket is non-blocking from the start and is not inherited by the
// processes that the program starts (an installer must not keep the game's
// port bound after the game ends).
int newStreamSocket()
{
    return ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
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
    const int fd = newStreamSocket();
    if (fd < 0)
        throw ESockException("Listen - Error Binding Socket");
    // The listener's one socket option. Without SO_REUSEADDR Linux
    // refuses to bind a listening port while earlier connections of that
    // port linger in TIME_WAIT, which the game's home platform allows; a
    // host that quits and starts again within a minute would then fail to
    // listen. It does not let a second listener share an active one, so a
    // port that another process listens on still fails to bind.
    const int reuse = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    const sockaddr_in address = ipv4Address(d->loopbackOnly ? INADDR_LOOPBACK : INADDR_ANY, port);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        throw ESockException("Listen - Error Binding Socket");
    }
    if (::listen(fd, listenBacklog) != 0) {
        ::close(fd);
        throw ESockException("Listen - Error Starting Listen");
    }
    d->listening = true;
    d->acceptArmed = true;
    d->attach(fd);
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
    // Waiting for the resolver counts as connecting already.
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
    if (const std::optional<quint32> ip = AddressLookup::host(d->hostName)) {
        d->connectTo(*ip, port);
        return false;
    }

    // A name not resolved before is resolved elsewhere, and the connection
    // begins when the answer comes. Close and destruction drop the lookup
    // and its answer with it; a name without an address is told like a
    // connection that failed.
    d->lookup = new QObject(this);
    TSock *sock = this;
    AddressLookup::resolve(d->hostName, d->lookup, [sock, port](std::optional<quint32> ip) {
        Private *p = sock->d.get();
        std::exchange(p->lookup, nullptr)->deleteLater();
        if (ip)
            p->connectTo(*ip, port);
        else
            p->postError(Private::hostNotFoundCode);
    });
    return false;
}

void TSock::Private::connectTo(quint32 ip, quint16 port)
{
    const int socket = newStreamSocket();
    if (socket < 0) {
        // No socket at all: reported like a connection that failed.
        postError(WsaErrors::fromErrno(errno));
        return;
    }
    if (keepAlive)
        ConnectionLiveness::applyTo(socket);
    connecting = true;
    attach(socket);
    const sockaddr_in address = ipv4Address(ip, port);
    if (::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        && errno != EINPROGRESS && errno != EINTR) {
        // Failed before it began (no route, for example): the same single
        // Error info that a failure found later gives, delivered later too.
        failed = true;
        updateNotifiers();
        postError(WsaErrors::fromErrno(errno));
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

    sockaddr_in peer {};
    socklen_t length = sizeof peer;
    const int fd = ::accept4(d->fd, reinterpret_cast<sockaddr *>(&peer), &length,
                             SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
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
    char dotted[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &peer.sin_addr, dotted, sizeof dotted);
    a.hostName = QString::fromLatin1(dotted);
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
    if (d->fd < 0)
        return 0;
    sockaddr_in address {};
    socklen_t length = sizeof address;
    if (::getsockname(d->fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return 0;
    return ntohs(address.sin_port);
}

bool TSock::hostCacheContains(const QString &name)
{
    return AddressLookup::hostCacheContains(name);
}
