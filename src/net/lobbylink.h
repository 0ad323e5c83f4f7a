#pragma once

#include "lobbyline.h"

#include <QObject>
#include <QTimer>

#include <memory>

class TSock;
enum class TSocketInfo;

// One connection to the meeting service while it speaks in lines: it opens,
// sends the first line (which gives the connection its role), and reports
// each line the service sends. A connection that then carries a game (a
// relay) is taken over by whoever will play on it, with the bytes that came
// behind the line that said so.
class LobbyLink : public QObject
{
    Q_OBJECT
public:
    // The service answers a first line at once, but for a joiner who waits
    // for the host to dial in (a ticket lives 30 s).
    static constexpr int DefaultAnswerMs = 15000;

    LobbyLink(const ServiceAddress &service, QObject *parent = nullptr);
    // Closes the connection, if it was not taken over, without a signal.
    ~LobbyLink() override;

    // Connects and sends `first`; the attempt is given up after the
    // connection timeout (ConnectionLiveness), and the link after
    // `answerMs` without a first line from the service.
    void open(const LobbyLine &first, int answerMs = DefaultAnswerMs);
    void send(const LobbyLine &line);
    // Inside lineReceived: the connection from here on, with the bytes that
    // arrived behind that line, for the game to play on. Nothing more is
    // reported here, and the link is no use afterwards.
    std::unique_ptr<TSock> takeConnection(QByteArray &leftover);

    const ServiceAddress &service() const { return m_service; }

signals:
    // A line from the service; "ERR" lines too (the service closes after
    // one, which is then not reported again).
    void lineReceived(const LobbyLine &line);
    // The connection could not be made, broke, or was closed without a
    // word, or the service sent what is no line: why, in the player's words.
    void failed(const QString &reason);

private:
    void read();
    void info(TSocketInfo kind, const QString &text);
    void fail(const QString &reason);

    ServiceAddress m_service;
    std::unique_ptr<TSock> m_sock;
    QByteArray m_buffer;
    QTimer m_connectTimer;
    QTimer m_answerTimer;
    bool m_connected = false;
    bool m_done = false; // failed, refused or taken over: silent from now on
};
