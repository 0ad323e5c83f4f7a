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
    m_mapping = Part::Unasked;
    m_pinholes.clear();
    m_pinholeFailureTold = false;
    m_pinholeLapseTold = false;
    m_retries = 0;
    ask();
}

void PortMapper::ask()
{
    RouterClient *client = m_client.get();
    const int generation = m_generation;
    const quint16 port = m_port;
    const int lease = m_lease;
    const bool rediscover = m_retries > 0;
    m_roundFailed = false;
    post([link = m_link, client, generation, port, lease, rediscover] {
        if (rediscover)
            client->forgetRouter();
        const RouterReply reply = client->mapPort(port, lease, QString::fromLatin1(Description));
        deliver(link, [generation, reply](PortMapper &mapper) { mapper.mapped(generation, reply); });
        const QList<PinholeReply> pinholes = client->openPinholes(port, lease);
        deliver(link, [generation, pinholes](PortMapper &mapper) { mapper.pinholesReplied(generation, pinholes); });
    });
}

void PortMapper::deliver(const std::shared_ptr<Link> &link, std::function<void(PortMapper &)> answer)
{
    // Posting under the lock: the mapper cannot go away in between.
    const QMutexLocker lock(&link->mutex);
    if (PortMapper *mapper = link->mapper)
        QMetaObject::invokeMethod(mapper, [mapper, answer = std::move(answer)] { answer(*mapper); }, Qt::QueuedConnection);
}

void PortMapper::mapped(int generation, const RouterReply &reply)
{
    if (generation != m_generation || m_state == State::Closed)
        return;
    if (reply.mapped) {
        const bool renewal = m_mapping == Part::Open;
        m_mapping = Part::Open;
        m_mappingLease = reply.leaseSeconds;
        if (renewal)
            emit renewed(reply.leaseSeconds);
        else
            emit opened(reply.publicAddress, reply.localAddress);
        return;
    }
    switch (m_mapping) {
    case Part::Unasked:
        m_mapping = Part::Refused;
        emit failed(reply);
        break;
    case Part::Open:
        m_mapping = Part::Lapsing;
        m_roundFailed = true;
        emit lapsed(reply.reason);
        break;
    case Part::Lapsing:
        m_roundFailed = true;
        break;
    case Part::Refused:
        break;
    }
}

void PortMapper::pinholesReplied(int generation, const QList<PinholeReply> &replies)
{
    if (generation != m_generation || m_state == State::Closed)
        return;
    QMap<QString, Part> now;
    const PinholeReply *refused = nullptr;
    const QString *lapse = nullptr;
    for (const PinholeReply &reply : replies) {
        // An address this machine no longer has is gone from the replies,
        // and its pinhole with it.
        Part part = m_pinholes.value(reply.address, Part::Unasked);
        if (reply.opened) {
            if (part != Part::Open)
                emit pinholeOpened(reply.address);
            part = Part::Open;
            m_pinholeLease = reply.leaseSeconds;
        } else if (part == Part::Open || part == Part::Lapsing) {
            if (part == Part::Open)
                lapse = &reply.reason;
            part = Part::Lapsing;
            m_roundFailed = true;
        } else {
            if (!refused)
                refused = &reply;
            part = Part::Refused;
        }
        now.insert(reply.address, part);
    }
    m_pinholes = now;
    const bool anyOpen = now.values().contains(Part::Open);
    if (lapse && !m_pinholeLapseTold) {
        m_pinholeLapseTold = true;
        emit pinholeLapsed(*lapse);
    }
    if (!now.values().contains(Part::Lapsing))
        m_pinholeLapseTold = false;
    if (refused && !anyOpen && !m_pinholeLapseTold && !m_pinholeFailureTold) {
        m_pinholeFailureTold = true;
        emit pinholeFailed(*refused);
    }
    scheduleNextRound();
}

void PortMapper::scheduleNextRound()
{
    const bool mappingKept = m_mapping == Part::Open || m_mapping == Part::Lapsing;
    const bool pinholesKept = m_pinholes.values().contains(Part::Open) || m_pinholes.values().contains(Part::Lapsing);
    if (!mappingKept && !pinholesKept) {
        // Nothing the router granted is left to keep.
        m_state = State::Closed;
        m_renewTimer.stop();
        return;
    }
    m_state = State::Open;
    if (m_roundFailed) {
        const int seconds = std::min(RetrySeconds << std::min(m_retries, 5), RenewSeconds);
        ++m_retries;
        m_renewTimer.start(seconds * 1000);
        return;
    }
    m_retries = 0;
    // Renew at half of the shortest lease, at most every half hour; a
    // permanent mapping alone needs no renewal.
    int seconds = RenewSeconds;
    bool renew = false;
    for (const auto &[kept, lease] : {std::pair{mappingKept, m_mappingLease}, {pinholesKept, m_pinholeLease}}) {
        if (kept && lease > 0) {
            seconds = std::min(seconds, std::max(1, std::min(lease, m_lease) / 2));
            renew = true;
        }
    }
    if (renew)
        m_renewTimer.start(seconds * 1000);
    else
        m_renewTimer.stop();
}

void PortMapper::renewTimerTimeout()
{
    if (m_state == State::Open)
        ask();
}

void PortMapper::close()
{
    ++m_generation;
    m_renewTimer.stop();
    m_state = State::Closed;
    if (m_port == 0)
        return;
    // Queued behind any request still on its way, so what that request
    // mapped or opened is removed too. A client that holds no mapping or
    // pinhole does nothing.
    RouterClient *client = m_client.get();
    const quint16 port = m_port;
    post([client, port] {
        client->unmapPort(port);
        client->closePinholes();
    });
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
