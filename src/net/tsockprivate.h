#pragma once

#include "socketaddress.h"
#include "tsock.h"

#include <QList>
#include <QPointer>
#include <QSocketNotifier>

// State of one endpoint and the readiness dispatch that drives it.
//
// Readiness comes from two level-triggered QSocketNotifiers per socket. They
// are switched on only while their notification can mean something, so that
// a socket in any state never wakes the event loop in vain:
//   read   a listener while an accept is armed (re-armed by Accept, as the
//          incoming-connection notification is re-armed by accepting; after
//          a pause when the system had no descriptor for it), a connection
//          once it is established
//   write  while connecting, for the first writable after the connection
//          is established, and while the outgoing buffer waits for room
// Both stay off for good once a socket reported an error, and while a
// notification of any endpoint is being handled (see notify()).
struct TSock::Private
{
    enum class Source { Readable, Writable, Posted };

    explicit Private(TSock *owner) : q(owner) {}

    TSock *q;
    QString hostName;
    QString portName;
    int blockingTimeout = 0;
    bool keepAlive = false;
    bool loopbackOnly = false;
    int tag = 0;

    int fd = -1;
    // A listener's IPv6 socket, on the same port beside its IPv4 socket in
    // fd; -1 on a machine without IPv6.
    int fd6 = -1;
    // Changes whenever the socket is replaced or closed, so that work queued
    // for an old socket never touches a new one.
    quint64 generation = 0;
    bool listening = false;
    bool connected = false;
    bool connecting = false;
    bool failed = false;        // reported an error: notifiers stay off
    bool peerClosed = false;    // the end of the stream was seen
    bool acceptArmed = false;
    bool acceptIpv6First = false;
    bool firstWritable = false; // the writable that follows establishment
    bool writeWaiting = false;  // a send had to wait for room
    bool deferred = false;      // a notification waits for the running one
    int lastError = 0;          // Windows Sockets code of the last Error info
    std::optional<SocketAddress> peer; // an accepted connection's peer
    int postedError = 0;        // Windows Sockets code found outside a notification
    int sendError = 0;          // errno that a send took from the socket
    // While Open waits for the resolver, or for the first of the host's
    // addresses to answer: the context of that work, destroyed to drop it.
    QObject *lookup = nullptr;

    QByteArray incoming;
    QByteArray outgoing;

    QSocketNotifier *readNotifier = nullptr;
    QSocketNotifier *writeNotifier = nullptr;
    QSocketNotifier *acceptNotifier6 = nullptr; // the read notifier of fd6

    // Raises OnInfo; a handler's exception becomes "Error here".
    void info(TSocketInfo kind, const QString &text);

    void attach(int socket);
    // A listener's second socket, attached after the first.
    void attachIpv6Listener(int socket);
    // A notifier of the socket, off, that raises the notification of source.
    QSocketNotifier *watch(int socket, QSocketNotifier::Type type, Source source);
    void detach();
    void updateNotifiers();
    void postError(int wsaCode);
    // Re-arms a listener's incoming-connection notice, now or after a pause.
    void armAccept();
    void armAcceptLater();

    quint16 lookupPort();
    // The part of Open that follows the host lookup: the addresses are
    // tried until one connects, and the outcome becomes the socket.
    void connectTo(QList<SocketAddress> addresses, quint16 port);
    void raceFinished(int socket, int error);
    void dropLookup();
    // The posted error of a name that the resolver could not find
    // (WSAHOST_NOT_FOUND); its info carries the lookup's own text.
    static constexpr int hostNotFoundCode = 11001;

    // The only entry from the event loop: runs one notification, one at a
    // time, and keeps every exception inside.
    static void notify(TSock *sock, Source source, quint64 generation);

private:
    void dispatchReadable();
    void dispatchWritable();
    void dispatchPosted();
    void dispatchAccept();
    void dispatchPeerClosed();
    void dispatchError(int wsaCode);
    static void resumeDeferred();
};
