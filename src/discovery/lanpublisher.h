#pragma once

#include "lantable.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

class AvahiLoop;

// Shows a hosted table to the machines on the local network: one DNS-SD
// service of type `_tavlix._tcp`, named after the hosting player (Avahi
// makes it "Ann #2" when another "Ann" is there), with the table in its
// TXT strings.
//
// Lives on the window's thread; the daemon is talked to on a worker
// (AvahiLoop), so nothing here waits. libavahi-client is loaded, and the
// worker started, at the first publish(). Changes go out at once when
// nothing went out for a second, else when that second is up, so the
// network sees every change within a second and never more than one
// update a second.
class LanPublisher : public QObject
{
    Q_OBJECT
public:
    static constexpr int MinIntervalMs = 1000;

    explicit LanPublisher(QObject *parent = nullptr);
    // Withdraws as finish() does.
    ~LanPublisher() override;

    // Shows `table`, with `port` as the service's port; later calls
    // update it.
    void publish(const lan::LanTable &table, quint16 port);
    // Takes the service off the network (at once); publish() shows it again.
    void withdraw();
    // Withdraws and ends the worker, waiting at most `waitMs` (the program
    // is ending). Nothing works afterwards.
    void finish(int waitMs = 1000);

    // The update timer's tick: sends what changed since the last update.
    void updateTimerTimeout();

signals:
    // Whether the Avahi daemon serves (told on each change, first after
    // the first publish()): false also when the library is missing.
    void availabilityChanged(bool available);
    // The service is on the network under `name`.
    void established(const QString &name);

private:
    struct Worker;
    void send(std::optional<lan::LanTable> table);

    std::unique_ptr<AvahiLoop> m_loop;
    std::shared_ptr<Worker> m_worker;
    QTimer m_updateTimer;
    QElapsedTimer m_sinceUpdate;
    std::optional<lan::LanTable> m_wanted;
    std::optional<lan::LanTable> m_sent;
    quint16 m_port = lan::GamePort;
    bool m_finished = false;
};
