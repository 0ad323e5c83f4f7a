#pragma once

#include "socketaddress.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

class QSocketNotifier;

// Connects to a host by the first of its addresses that answers ("Happy
// Eyeballs", RFC 8305). The addresses are tried one after another, the
// families taking turns in the resolver's order (the family of its first
// address first), each attempt with a head start of 250 ms before the next
// begins beside it; an attempt that fails starts the next at once. So a host
// whose IPv6 route is broken is reached over IPv4 a moment later, not after
// the system's minutes of connect timeout. The first attempt to connect wins
// and the others are dropped.
//
// Nothing here blocks, and nothing here raises an endpoint's events: the
// owner hears the outcome once, from the event loop.
class ConnectionRace : public QObject
{
public:
    // The connected socket with error 0; or, once every attempt has failed,
    // the errno of the last failure with that attempt's socket, still open
    // (-1 when not even a socket could be made). The receiver owns the socket.
    using Finished = std::function<void(int socket, int error)>;

    static constexpr int HeadStartMs = 250;

    // Starts the first attempt at once.
    ConnectionRace(const QList<SocketAddress> &addresses, Finished finished, QObject *parent);
    // Closes every socket that has not been handed over.
    ~ConnectionRace() override;

    // Whether one of the attempts under way is bound to this local end.
    bool hasLocalEnd(const SocketAddress &address) const;

    // The order in which the addresses are tried.
    static QList<SocketAddress> attemptOrder(const QList<SocketAddress> &resolved);

private:
    struct Attempt
    {
        int socket;
        QSocketNotifier *notifier;
    };

    void startNext();
    void answered(int socket);
    void failed(int socket, int error);
    void finish(int socket, int error);

    QList<SocketAddress> m_waiting;
    std::vector<Attempt> m_attempts;
    Finished m_finished;
    QTimer m_headStart;
    int m_lastFailed = -1;
    int m_lastError = 0;
    bool m_done = false;
    int m_outcome = -1; // the socket to hand over, until it is
};
