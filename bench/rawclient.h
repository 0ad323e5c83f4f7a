#pragma once

#include "board.h"
#include "hand.h"
#include "messagequeue.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTcpSocket>

#include <functional>

// A client that speaks the wire protocol directly, for the benchmarks and
// the soak: it logs in when the host asks, keeps its hand and the board from
// the host's messages, finds its best legal placement, and checks every
// message it receives against the host's catalogue.
class RawClient : public QObject
{
    Q_OBJECT
public:
    RawClient(QByteArray name, QObject *parent = nullptr);

    // From `from`, an address of this machine (127.0.0.1 unless given).
    void connectTo(quint16 port, const QString &from = {});
    bool loggedIn() const { return m_seat != 0 && m_loggedIn; }
    bool connected() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    int seat() const { return m_seat; }
    // Messages received that are not in the host's catalogue.
    int strays() const { return m_strays; }
    QByteArray firstStray() const { return m_firstStray; }
    qint64 received() const { return m_received; }

    void send(const QByteArray &message);
    // The best-scoring legal placement of the hand on the board, as a
    // CMD_placetile; empty when there is none.
    QByteArray bestPlacement() const;

    // Called with every message (name, body) after the client's own
    // bookkeeping, and the monotonic nanoseconds of its arrival.
    std::function<void(const QByteArray &name, const QByteArray &body, qint64 arrivedNs)> onMessage;

    // The bench's monotonic clock, shared by every client.
    static qint64 nowNs();

private:
    void readBytes();
    void handle(const QByteArray &line, qint64 arrivedNs);

    QByteArray m_name;
    QTcpSocket m_socket;
    wire::LineFramer m_framer;
    int m_seat = 0;
    bool m_loggedIn = false;
    ::board m_board;
    ::hand m_hand;
    int m_strays = 0;
    QByteArray m_firstStray;
    qint64 m_received = 0;
};
