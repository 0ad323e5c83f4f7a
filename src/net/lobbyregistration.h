#pragma once

#include "lobbyline.h"
#include "socketaddress.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

class LobbyLink;
class TSock;

// A hosted table as the meeting service lists it.
struct LobbyTable
{
    QString name;     // the hosting player
    int players = 0;
    int watchers = 0;
    int free = 0;
    bool playing = false;
    int round = 0;
    bool locked = false;
    bool listed = false; // public: listed for everyone, not found by the code only

    bool operator==(const LobbyTable &) const = default;
};

// A hosting copy's table at the meeting service: registered while this
// lives, with the invite code the service gives it, and followed as it
// changes (at most one update a second). When the service cannot be
// reached, or the registration is lost, it tries again: after a lost
// registration a few seconds later (the service restarting), else after 1,
// 2, 4 ... minutes, at most 10.
//
// A joiner the service must relay is announced on the registration; this
// dials the service once more with the ticket and hands the connection,
// once paired, to the game, with the joiner's own address.
class LobbyRegistration : public QObject
{
    Q_OBJECT
public:
    static constexpr int MinIntervalMs = 1000;
    // A registration sends a line at least this often, so that the service
    // does not drop it as silent.
    static constexpr int PingIntervalMs = 20000;
    static constexpr int QuickRetryMs = 3000;
    static constexpr int FirstRetryMs = 60000;
    static constexpr int LongestRetryMs = 600000;
    // Relay connections being dialled at once; the service opens no more
    // tickets per table.
    static constexpr std::size_t MaxDialling = 8;

    // `secret`: what the service gave this copy before (empty: none).
    LobbyRegistration(const ServiceAddress &service, const QByteArray &secret, QObject *parent = nullptr);
    ~LobbyRegistration() override;

    // Registers `table`, or updates it once the second since the last
    // update is up.
    void publish(const LobbyTable &table);
    // Withdraws the table at once (BYE) and stops trying; publish() starts
    // again. Also what an orderly end does.
    void withdraw();

    // The invite code, once the service gave one.
    const QString &code() const { return m_code; }
    // The retry delay after the next failure, for tests and the chat.
    int nextRetryMs() const;

    // The timers' ticks.
    void updateTimerTimeout();
    void retryTimerTimeout();

signals:
    // The service gave the table its code (again, after each registration).
    void registered(const QString &code);
    // The service gave this copy a new secret to keep.
    void secretChanged(const QByteArray &secret);
    // The service could not be reached, or refused the table; it is tried
    // again later.
    void unreachable(const QString &reason);
    // A relayed joiner's connection, paired, with the bytes that came behind
    // the pairing; the receiver owns the connection.
    void relayed(TSock *connection, const SocketAddress &joiner, const QByteArray &leftover);

private:
    void connectNow();
    void lineReceived(const LobbyLine &line);
    void lost(const QString &reason);
    void sendUpdate();
    void dial(const QByteArray &ticket);
    static LobbyLine tableFields(const char *word, const LobbyTable &table);

    ServiceAddress m_service;
    QByteArray m_secret;
    std::unique_ptr<LobbyLink> m_link;
    bool m_registered = false;
    std::optional<LobbyTable> m_wanted;
    std::optional<LobbyTable> m_sent;
    QString m_code;
    QTimer m_updateTimer;
    QElapsedTimer m_sinceUpdate;
    QTimer m_pingTimer;
    QTimer m_retryTimer;
    int m_backoff = 0;
    bool m_quickRetry = false;
    std::vector<std::unique_ptr<LobbyLink>> m_dialling;
};
