#pragma once

#include "routerclient.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QThread;

// Keeps the game's port open on the home router while this copy hosts for
// others. Lives on the window's thread; every talk with the router runs on
// a worker thread of its own, and the answers come back as queued signals,
// so the window never waits for a router, even one that never answers.
//
// The mapping is asked for with a lease of an hour and renewed every half
// hour (or at half of a shorter lease the router grants), so a crash leaves
// the port open for an hour at most. A permanent mapping is kept as it is.
class PortMapper : public QObject
{
    Q_OBJECT
public:
    static constexpr int LeaseSeconds = 3600;
    static constexpr int RenewSeconds = 1800;
    static constexpr const char *Description = "Tavlix";

    // Owns `client` and uses it only on the worker thread.
    explicit PortMapper(std::unique_ptr<RouterClient> client, QObject *parent = nullptr);
    // Removes the mapping as finish() does.
    ~PortMapper() override;

    // Asks the router for `port`; nothing while asked for already.
    void open(quint16 port);
    // Removes the mapping (or the one being asked for); the renewals stop.
    void close();
    // Removes the mapping and stops the worker, waiting at most `waitMs`
    // for both; used when the program ends. Nothing works afterwards.
    void finish(int waitMs = 3000);
    // Asks the router only for its address on the internet.
    void lookupPublicAddress();

    // The renewal timer's tick.
    void renewTimerTimeout();

    bool isOpen() const { return m_state == State::Open; }
    // For tests of the renewal: asks for a lease of `seconds` instead of
    // an hour (renewed at half of it).
    void setLeaseForTesting(int seconds) { m_lease = seconds; }

signals:
    // The router opened the port; `publicAddress` may be empty where it
    // did not tell its address.
    void opened(const QString &publicAddress, const QString &localAddress);
    // The router did not open the port (or no longer keeps it open).
    void failed(const QString &reason, const QString &localAddress);
    // A renewal was granted for `leaseSeconds` (0: permanent).
    void renewed(int leaseSeconds);
    void publicAddressFound(const QString &address);

private:
    enum class State { Closed, Opening, Open };
    void ask(bool renewal);
    void replied(int generation, bool renewal, const RouterReply &reply);
    void post(std::function<void()> work);
    // The worker's way back to this object, cut when it ends.
    struct Link
    {
        QMutex mutex;
        PortMapper *mapper = nullptr;
    };
    static void deliver(const std::shared_ptr<Link> &link, std::function<void(PortMapper &)> answer);

    std::unique_ptr<RouterClient> m_client;
    QThread *m_thread = nullptr;
    QObject *m_worker = nullptr;
    std::shared_ptr<Link> m_link;
    QTimer m_renewTimer;
    State m_state = State::Closed;
    quint16 m_port = 0;
    int m_lease = LeaseSeconds;
    // Answers to requests made before the last close() are dropped.
    int m_generation = 0;
    bool m_finished = false;
};
