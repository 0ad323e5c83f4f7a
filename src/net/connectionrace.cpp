#include "connectionrace.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

ConnectionRace::ConnectionRace(const QList<SocketAddress> &addresses, Finished finished, QObject *parent)
    : QObject(parent), m_waiting(attemptOrder(addresses)), m_finished(std::move(finished))
{
    m_headStart.setSingleShot(true);
    // A coarse timer may fire a little early: the head start is a promise.
    m_headStart.setTimerType(Qt::PreciseTimer);
    connect(&m_headStart, &QTimer::timeout, this, &ConnectionRace::startNext);
    startNext();
}

ConnectionRace::~ConnectionRace()
{
    for (const Attempt &attempt : m_attempts) {
        delete attempt.notifier;
        ::close(attempt.socket);
    }
    for (int socket : {m_lastFailed, m_outcome}) {
        if (socket >= 0)
            ::close(socket);
    }
}

QList<SocketAddress> ConnectionRace::attemptOrder(const QList<SocketAddress> &resolved)
{
    if (resolved.isEmpty())
        return {};
    QList<SocketAddress> preferred, other;
    for (const SocketAddress &address : resolved)
        (address.family() == resolved.first().family() ? preferred : other) << address;
    QList<SocketAddress> order;
    for (qsizetype i = 0; i < preferred.size() || i < other.size(); ++i) {
        if (i < preferred.size())
            order << preferred.at(i);
        if (i < other.size())
            order << other.at(i);
    }
    return order;
}

void ConnectionRace::startNext()
{
    while (!m_done && !m_waiting.isEmpty()) {
        const SocketAddress address = m_waiting.takeFirst();
        const int socket = ::socket(address.family(), SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (socket < 0) {
            // No IPv6 on this machine, say: on to the next address.
            failed(-1, errno);
            continue;
        }
        if (::connect(socket, address.data(), address.size()) != 0 && errno != EINPROGRESS && errno != EINTR) {
            // Failed before it began (no route, for example).
            failed(socket, errno);
            continue;
        }
        auto *notifier = new QSocketNotifier(qintptr(socket), QSocketNotifier::Write, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, socket] { answered(socket); });
        m_attempts.push_back({socket, notifier});
        if (!m_waiting.isEmpty())
            m_headStart.start(HeadStartMs);
        return;
    }
    if (!m_done && m_attempts.empty())
        finish(std::exchange(m_lastFailed, -1), m_lastError);
}

bool ConnectionRace::hasLocalEnd(const SocketAddress &address) const
{
    const auto at = [&address](int socket) { return socket >= 0 && SocketAddress::localOf(socket) == address; };
    return at(m_outcome) || std::any_of(m_attempts.cbegin(), m_attempts.cend(), [&](const Attempt &a) { return at(a.socket); });
}

void ConnectionRace::answered(int socket)
{
    const auto attempt = std::find_if(m_attempts.begin(), m_attempts.end(),
                                      [socket](const Attempt &a) { return a.socket == socket; });
    if (m_done || attempt == m_attempts.end())
        return;
    // Deleted later: this runs inside the notifier's own activation.
    attempt->notifier->setEnabled(false);
    attempt->notifier->deleteLater();
    m_attempts.erase(attempt);

    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        error = errno;
    if (error == 0) {
        finish(socket, 0);
        return;
    }
    // A refusal or an unreachable address need not wait out the head start.
    failed(socket, error);
    m_headStart.stop();
    startNext();
}

void ConnectionRace::failed(int socket, int error)
{
    if (m_lastFailed >= 0)
        ::close(m_lastFailed);
    m_lastFailed = socket;
    m_lastError = error;
}

void ConnectionRace::finish(int socket, int error)
{
    m_done = true;
    m_headStart.stop();
    for (const Attempt &attempt : m_attempts) {
        attempt.notifier->setEnabled(false);
        attempt.notifier->deleteLater();
        ::close(attempt.socket);
    }
    m_attempts.clear();
    m_waiting.clear();
    if (m_lastFailed >= 0 && m_lastFailed != socket)
        ::close(m_lastFailed);
    m_lastFailed = -1;
    m_outcome = socket;
    // Told from the event loop, so that the owner never hears it while it
    // is still starting the race.
    QMetaObject::invokeMethod(
        this, [this, error] { m_finished(std::exchange(m_outcome, -1), error); }, Qt::QueuedConnection);
}
