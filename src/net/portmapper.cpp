#include "portmapper.h"

#include <QDeadlineTimer>
#include <QMetaObject>
#include <QMutexLocker>
#include <QThread>

#include <algorithm>

PortMapper::PortMapper(std::unique_ptr<RouterClient> client, QObject *parent)
    : QObject(parent)
    , m_client(std::move(client))
    , m_thread(new QThread)
    , m_worker(new QObject)
    , m_link(std::make_shared<Link>())
{
    m_link->mapper = this;
    m_thread->setObjectName(QStringLiteral("router"));
    m_worker->moveToThread(m_thread);
    m_thread->start();
    m_renewTimer.setSingleShot(true);
    connect(&m_renewTimer, &QTimer::timeout, this, &PortMapper::renewTimerTimeout);
}

PortMapper::~PortMapper()
{
    finish();
}

void PortMapper::post(std::function<void()> work)
{
    if (!m_finished)
        QMetaObject::invokeMethod(m_worker, std::move(work), Qt::QueuedConnection);
}

void PortMapper::open(quint16 port)
{
    if (m_state != State::Closed)
        return;
    m_port = port;
    m_state = State::Opening;
    ask(false);
}

void PortMapper::ask(bool renewal)
{
    RouterClient *client = m_client.get();
    const int generation = m_generation;
    const quint16 port = m_port;
    const int lease = m_lease;
    post([link = m_link, client, generation, renewal, port, lease] {
        const RouterReply reply = client->mapPort(port, lease, QString::fromLatin1(Description));
        deliver(link, [generation, renewal, reply](PortMapper &mapper) { mapper.replied(generation, renewal, reply); });
    });
}

void PortMapper::deliver(const std::shared_ptr<Link> &link, std::function<void(PortMapper &)> answer)
{
    // Posting under the lock: the mapper cannot go away in between.
    const QMutexLocker lock(&link->mutex);
    if (PortMapper *mapper = link->mapper)
        QMetaObject::invokeMethod(mapper, [mapper, answer = std::move(answer)] { answer(*mapper); }, Qt::QueuedConnection);
}

void PortMapper::replied(int generation, bool renewal, const RouterReply &reply)
{
    if (generation != m_generation || m_state == State::Closed)
        return;
    if (!reply.mapped) {
        m_state = State::Closed;
        m_renewTimer.stop();
        emit failed(reply.reason, reply.localAddress);
        return;
    }
    m_state = State::Open;
    if (reply.leaseSeconds > 0) {
        // Renew at half of the lease, at most every half hour.
        const int seconds = std::max(1, std::min(reply.leaseSeconds, m_lease) / 2);
        m_renewTimer.start(std::min(seconds, RenewSeconds) * 1000);
    } else {
        m_renewTimer.stop();
    }
    if (renewal)
        emit renewed(reply.leaseSeconds);
    else
        emit opened(reply.publicAddress, reply.localAddress);
}

void PortMapper::renewTimerTimeout()
{
    if (m_state == State::Open)
        ask(true);
}

void PortMapper::close()
{
    ++m_generation;
    m_renewTimer.stop();
    m_state = State::Closed;
    if (m_port == 0)
        return;
    // Queued behind any request still on its way, so what that request
    // mapped is removed too. A client that holds no mapping does nothing.
    RouterClient *client = m_client.get();
    const quint16 port = m_port;
    post([client, port] { client->unmapPort(port); });
}

void PortMapper::lookupPublicAddress()
{
    RouterClient *client = m_client.get();
    post([link = m_link, client] {
        const QString address = client->publicAddress();
        if (!address.isEmpty())
            deliver(link, [address](PortMapper &mapper) { emit mapper.publicAddressFound(address); });
    });
}

void PortMapper::finish(int waitMs)
{
    if (m_finished)
        return;
    close();
    QThread *thread = m_thread;
    post([thread] { thread->quit(); });
    m_finished = true;
    const bool ended = thread->wait(QDeadlineTimer(waitMs));
    {
        const QMutexLocker lock(&m_link->mutex);
        m_link->mapper = nullptr;
    }
    if (ended) {
        delete m_worker;
        delete thread;
        return;
    }
    // A router that keeps the worker longer than the program may wait: the
    // worker is left to the end of the process, with the client it uses.
    (void)m_client.release();
}
