// Readiness dispatch of TSock: turns the notifiers' activations into the
// endpoint's notifications, one at a time, on the main thread.
#include "tsockprivate.h"

#include "addresslookup.h"
#include "wsaerrors.h"

#include <QList>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <sys/socket.h>
#include <utility>

namespace {

// Greater than zero while a notification is being handled. A handler that
// runs a nested event loop (a modal dialog, say) must not see another
// notification inside it; those wait in the deferred list.
int dispatchDepth = 0;

QList<QPointer<TSock>> &deferredSockets()
{
    static QList<QPointer<TSock>> sockets;
    return sockets;
}

// Each readable notification reads at most this many bytes.
constexpr int receiveAreaSize = 32768;

// How long a listener waits before it reports a pending connection again
// after accepting it failed for want of descriptors or memory.
constexpr int acceptRetryPauseMs = 100;

} // namespace

void TSock::Private::info(TSocketInfo kind, const QString &text)
{
    // A copy, so that a handler may rebind OnInfo or destroy the endpoint
    // while it runs.
    const NotifyInfoEvent handler = q->OnInfo;
    if (!handler)
        return;
    try {
        handler(q, kind, text);
    } catch (...) {
        throw ESockException("Error here");
    }
}

quint16 TSock::Private::lookupPort()
{
    const QString name = portName;
    info(TSocketInfo::Lookup, QStringLiteral("Lookup Of Port ") + name);
    return AddressLookup::port(name);
}

void TSock::Private::attach(int socket)
{
    fd = socket;
    ++generation;
    failed = false;
    peerClosed = false;
    writeWaiting = false;
    postedError = 0;
    sendError = 0;
    readNotifier = watch(socket, QSocketNotifier::Read, Source::Readable);
    writeNotifier = watch(socket, QSocketNotifier::Write, Source::Writable);
    updateNotifiers();
}

void TSock::Private::attachIpv6Listener(int socket)
{
    fd6 = socket;
    acceptNotifier6 = watch(socket, QSocketNotifier::Read, Source::Readable);
    updateNotifiers();
}

QSocketNotifier *TSock::Private::watch(int socket, QSocketNotifier::Type type, Source source)
{
    auto *notifier = new QSocketNotifier(qintptr(socket), type, q);
    notifier->setEnabled(false);
    const quint64 current = generation;
    TSock *sock = q;
    QObject::connect(notifier, &QSocketNotifier::activated, q,
                     [sock, source, current] { notify(sock, source, current); });
    return notifier;
}

void TSock::Private::detach()
{
    // Off before the descriptors are closed; deleted later because this may
    // run inside the notifier's own activation.
    for (QSocketNotifier *notifier : {readNotifier, writeNotifier, acceptNotifier6}) {
        if (!notifier)
            continue;
        notifier->setEnabled(false);
        QObject::disconnect(notifier, nullptr, nullptr, nullptr);
        notifier->deleteLater();
    }
    readNotifier = nullptr;
    writeNotifier = nullptr;
    acceptNotifier6 = nullptr;
}

void TSock::Private::updateNotifiers()
{
    const bool live = fd >= 0 && !failed && !peerClosed && !deferred;
    if (readNotifier)
        readNotifier->setEnabled(live && (listening ? acceptArmed : connected));
    if (acceptNotifier6)
        acceptNotifier6->setEnabled(live && listening && acceptArmed);
    if (writeNotifier)
        writeNotifier->setEnabled(live && !listening
                                  && (connecting || firstWritable || (writeWaiting && !outgoing.isEmpty())));
}

void TSock::Private::postError(int wsaCode)
{
    postedError = wsaCode;
    TSock *sock = q;
    const quint64 current = generation;
    QTimer::singleShot(0, q, [sock, current] { notify(sock, Source::Posted, current); });
}

void TSock::Private::armAccept()
{
    acceptArmed = true;
    updateNotifiers();
}

void TSock::Private::armAcceptLater()
{
    TSock *sock = q;
    const quint64 current = generation;
    QTimer::singleShot(acceptRetryPauseMs, q, [sock, current] {
        Private *d = sock->d.get();
        if (d->generation == current && d->listening)
            d->armAccept();
    });
}

void TSock::Private::notify(TSock *sock, Source source, quint64 generation)
{
    Private *d = sock->d.get();
    if (d->generation != generation)
        return;
    if (dispatchDepth > 0) {
        if (!d->deferred) {
            d->deferred = true;
            deferredSockets().append(sock);
        }
        d->updateNotifiers();
        return;
    }

    ++dispatchDepth;
    try {
        switch (source) {
        case Source::Readable: d->dispatchReadable(); break;
        case Source::Writable: d->dispatchWritable(); break;
        case Source::Posted: d->dispatchPosted(); break;
        }
    } catch (const std::exception &e) {
        // Nothing may unwind through the event loop. The notification ends
        // here; the endpoint goes on.
        qWarning("TSock: an event handler failed: %s", e.what());
    } catch (...) {
        qWarning("TSock: an event handler failed");
    }
    --dispatchDepth;
    if (dispatchDepth == 0)
        resumeDeferred();
}

void TSock::Private::resumeDeferred()
{
    const QList<QPointer<TSock>> sockets = std::exchange(deferredSockets(), {});
    for (const QPointer<TSock> &sock : sockets) {
        if (!sock)
            continue;
        Private *d = sock->d.get();
        d->deferred = false;
        d->updateNotifiers();
        if (d->postedError != 0)
            d->postError(d->postedError);
    }
}

void TSock::Private::dispatchReadable()
{
    if (fd < 0)
        return;
    if (listening) {
        dispatchAccept();
        return;
    }
    if (!connected || failed || peerClosed)
        return;

    // Notifications never nest, so one receive area serves every endpoint.
    static char area[receiveAreaSize];
    const ssize_t got = ::recv(fd, area, sizeof area, 0);
    if (got == 0) {
        if (sendError != 0)
            dispatchError(WsaErrors::fromErrno(sendError));
        else
            dispatchPeerClosed();
        return;
    }
    if (got < 0) {
        const int err = errno;
        if (err != EAGAIN && err != EWOULDBLOCK && err != EINTR) {
            dispatchError(WsaErrors::fromErrno(err));
            return;
        }
    } else {
        incoming.append(area, qsizetype(got));
    }

    TSock *sock = q;
    QPointer<TSock> self(sock);
    info(TSocketInfo::Receive, QStringLiteral("Non-Blocking Incoming Data"));
    if (!self)
        return;
    if (const NotifyReadEvent handler = sock->OnRead)
        handler(sock, int(sock->d->incoming.size()));
}

void TSock::Private::dispatchAccept()
{
    // Like the system's incoming-connection notice, this is re-armed only by
    // accepting: a listener whose owner does not accept stays quiet instead
    // of reporting the same pending connection in a busy loop.
    acceptArmed = false;
    updateNotifiers();
    TSock *sock = q;
    if (const NotifyEvent handler = sock->OnAccept)
        handler(sock);
}

void TSock::Private::dispatchPeerClosed()
{
    peerClosed = true;
    updateNotifiers();

    TSock *sock = q;
    QPointer<TSock> self(sock);
    const quint64 current = generation;
    // The transport's own Close follows OnDisconnect even when the handler
    // closed the endpoint already (then "Socket Closed" comes twice), but it
    // leaves alone a connection that the handler opened anew.
    const auto closeAfterHandler = [&] {
        if (self && (sock->d->generation == current || sock->d->fd < 0))
            sock->Close();
    };
    try {
        if (const NotifyEvent handler = sock->OnDisconnect)
            handler(sock);
    } catch (...) {
        // The connection is gone either way; the owner still hears of it.
        closeAfterHandler();
        throw;
    }
    closeAfterHandler();
}

void TSock::Private::dispatchError(int wsaCode)
{
    // A failed socket stays ready for ever in the system's eyes; its
    // notifiers go quiet so that it does not keep the processor busy until
    // the owner closes it.
    if (fd >= 0)
        failed = true;
    updateNotifiers();
    lastError = wsaCode;
    info(TSocketInfo::Error, wsaCode == hostNotFoundCode ? QString::fromLatin1(AddressLookup::hostNotFound)
                                                         : WsaErrors::errorText(wsaCode));
}

void TSock::Private::dispatchWritable()
{
    if (fd < 0 || listening || failed || peerClosed)
        return;

    TSock *sock = q;
    QPointer<TSock> self(sock);
    if (connecting) {
        int err = 0;
        socklen_t length = sizeof err;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &length) != 0)
            err = errno;
        if (err != 0) {
            dispatchError(WsaErrors::fromErrno(err));
            return;
        }
        connecting = false;
        connected = true;
        // The first writable comes as a notification of its own, next.
        firstWritable = true;
        updateNotifiers();
        info(TSocketInfo::Connect, QStringLiteral("Non-Blocking Socket Connected"));
        if (!self)
            return;
        if (const NotifyEvent handler = sock->OnConnect)
            handler(sock);
        return;
    }

    firstWritable = false;
    writeWaiting = false;
    updateNotifiers();
    if (!outgoing.isEmpty()) {
        sock->Send(QByteArray());
        if (!self)
            return;
    }
    sock->d->info(TSocketInfo::Send, QStringLiteral("Non-Blocking Outgoing Data"));
    if (!self)
        return;
    if (const NotifyEvent handler = sock->OnWrite)
        handler(sock);
}

void TSock::Private::dispatchPosted()
{
    const int code = std::exchange(postedError, 0);
    if (code != 0)
        dispatchError(code);
}
