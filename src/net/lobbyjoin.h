#pragma once

#include "lobbyline.h"

#include <QObject>

#include <memory>

class LobbyLink;
class TSock;

// Asks the meeting service for the table of an invite code: the service
// names a host that can be reached (the game connects there itself), or
// relays the game on this very connection once the host has dialled in.
class LobbyJoin : public QObject
{
    Q_OBJECT
public:
    // `code` in its written form; `relay`: ask for the relay even if the
    // host can be reached (a direct connection failed).
    LobbyJoin(const ServiceAddress &service, const QString &code, bool relay, QObject *parent = nullptr);
    ~LobbyJoin() override;

    static constexpr int JoinAnswerMs = 40000;

    void start();

signals:
    // The host can be reached at this address and port.
    void direct(const QString &address, quint16 port);
    // The connection now carries the game; the receiver owns it, and the
    // bytes that came behind the service's last line are the game's.
    void relayed(TSock *connection, const QByteArray &leftover);
    // No table, or the service could not bring this player to it: the line
    // for the chat.
    void refused(const QString &line);

private:
    void lineReceived(const LobbyLine &line);

    QString m_code;
    bool m_relay;
    std::unique_ptr<LobbyLink> m_link;
};
