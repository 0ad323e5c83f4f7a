#pragma once

#include "tsock.h"

#include <QObject>
#include <QString>

#include <memory>

class QTcpServer;

// The presence connection between the game and the lobby launcher, which
// listens on 127.0.0.1 port 9001 while it has started a game. The connection
// carries no bytes: that it exists while the game runs, and ends when the
// game ends, is its whole message.
inline constexpr quint16 PresencePort = 9001;

// The game's side. openPresence() makes the endpoint `Sock11` and opens
// it. Its only bound event is the read event, which drops whatever arrives
// unread. Every failure is silent: an exception from opening is dropped, and
// a connection that fails later reports only to the unbound info event. The caller holds the endpoint until the process ends;
// destroying it closes the connection, which the launcher sees.
std::unique_ptr<TSock> openPresence();

// The launcher's side: listens on 127.0.0.1 only and counts the games
// connected. Whatever a peer sends is read and dropped, and connections
// beyond MaxGames are closed at once, so no local program can make the
// launcher hold memory or sockets without bound.
class PresenceListener : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxGames = 16;

    explicit PresenceListener(QObject *parent = nullptr);
    ~PresenceListener() override;

    // False, with errorText() saying why, when the port cannot be had (most
    // often: another program holds it).
    bool listen(quint16 port = PresencePort);
    bool isListening() const;
    QString errorText() const;
    quint16 port() const;

    // Games connected now.
    int games() const { return m_games; }

signals:
    // The number of connected games changed: 1 when the first one opened,
    // 0 when the last one closed.
    void gamesChanged(int games);

private:
    void accept();

    QTcpServer *m_server;
    int m_games = 0;
};
