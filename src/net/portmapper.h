#pragma once

#include "routerclient.h"

#include <QMap>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QThread;

// Keeps the game's port open on the home router while this copy hosts for
// others: TCP over IPv4 through a mapping, and over IPv6 through a pinhole
// in the router's firewall for each global address of this machine. Lives
// on the window's thread; every talk with the router runs on a worker
// thread of its own, and the answers come back as queued signals, so the
// window never waits for a router, even one that never answers.
//
// Each round asks for the mapping, then for the pinholes. They are asked
// with a lease of an hour and renewed every half hour (or at half of a
// shorter lease the router grants), so a crash leaves the port open for an
// hour at most. A renewal the router does not grant is tried again after
// one minute, then two, four and so on up to half an hour, each time
// looking for the router anew (a router that restarted may answer at
// another control address), so the port comes back with the router. What
// the router refuses at the first asking is told once and ends the rounds,
// unless something else is kept open.
class PortMapper : public QObject
{
    Q_OBJECT
public:
    static constexpr int LeaseSeconds = 3600;
    static constexpr int RenewSeconds = 1800;
    static constexpr int RetrySeconds = 60;
    static constexpr const char *Description = "Tavlix";

    // Owns `client` and uses it only on the worker thread.
    explicit PortMapper(std::unique_ptr<RouterClient> client, QObject *parent = nullptr);
    // Removes the mapping as finish() does.
    ~PortMapper() override;

    // Asks the router for `port`; nothing while asked for already.
    void open(quint16 port);
    // Removes the mapping and the pinholes (or those being asked for); the
    // renewals stop. Returns at once.
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
    // The pause before the router is asked again, in milliseconds; -1 when
    // it will not be.
    int renewalIntervalMs() const { return m_renewTimer.isActive() ? m_renewTimer.interval() : -1; }

signals:
    // The router opened the port, at first or again after a renewal
    // failed; `publicAddress` may be empty where it did not tell its
    // address.
    void opened(const QString &publicAddress, const QString &localAddress);
    // The router did not open the port when first asked.
    void failed(const RouterReply &reply);
    // A renewal was granted for `leaseSeconds` (0: permanent).
    void renewed(int leaseSeconds);
    // A renewal was not granted; told once until the port is open again.
    void lapsed(const QString &reason);
    // Players can reach `address` over IPv6, at first or again.
    void pinholeOpened(const QString &address);
    // No pinhole opened when first asked (said once, for all addresses).
    void pinholeFailed(const PinholeReply &reply);
    // A pinhole's renewal was not granted; told once until it is back.
    void pinholeLapsed(const QString &reason);
    void publicAddressFound(const QString &address);

private:
    enum class State { Closed, Opening, Open };
    // What became of one part (the mapping, or the pinhole of an address).
    enum class Part { Unasked, Open, Lapsing, Refused };
    void ask();
    void mapped(int generation, const RouterReply &reply);
    void pinholesReplied(int generation, const QList<PinholeReply> &replies);
    void scheduleNextRound();
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

    Part m_mapping = Part::Unasked;
    int m_mappingLease = 0;
    QMap<QString, Part> m_pinholes;
    int m_pinholeLease = 0;
    bool m_pinholeFailureTold = false;
    bool m_pinholeLapseTold = false;
    // Something open was not renewed in the current round.
    bool m_roundFailed = false;
    // How many retries in a row have not brought it back.
    int m_retries = 0;
};
