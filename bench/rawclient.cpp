#include "rawclient.h"

#include "catalogue.h"
#include "placement.h"
#include "protocol.h"

namespace {

const QElapsedTimer &benchClock()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer c;
        c.start();
        return c;
    }();
    return clock;
}

} // namespace

qint64 RawClient::nowNs()
{
    return benchClock().nsecsElapsed();
}

RawClient::RawClient(QByteArray name, QObject *parent) : QObject(parent), m_name(std::move(name))
{
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(&m_socket, &QTcpSocket::readyRead, this, &RawClient::readBytes);
}

void RawClient::connectTo(quint16 port, const QString &from)
{
    if (!from.isEmpty())
        m_socket.bind(QHostAddress(from));
    m_socket.connectToHost(QStringLiteral("127.0.0.1"), port);
}

void RawClient::send(const QByteArray &message)
{
    m_socket.write(message);
    m_socket.flush();
}

void RawClient::readBytes()
{
    const qint64 arrived = nowNs();
    for (const QByteArray &line : m_framer.feed(m_socket.readAll()))
        handle(line, arrived);
}

void RawClient::handle(const QByteArray &line, qint64 arrivedNs)
{
    ++m_received;
    if (!inHostCatalogue(line)) {
        if (m_strays++ == 0)
            m_firstStray = line;
        return;
    }
    const auto [name, body] = wire::splitMessage(line);
    wire::FieldReader reader(body);
    if (name == "CMD_sendlogininfo") {
        m_seat = reader.lastNum();
        send(wire::client::logininfo(m_seat, wire::ProgramVersion, m_name));
    } else if (name == "CMD_newplayerinfo") {
        if (reader.num() == m_seat)
            m_loggedIn = true;
    } else if (name == "CMD_roundstarting") {
        m_board.clear();
        m_hand = {};
    } else if (name == "CMD_showtiles") {
        if (reader.num() == m_seat) {
            while (!reader.atEnd()) {
                const int slot = reader.num();
                m_hand.at(slot) = wire::readTile(reader);
            }
        }
    } else if (name == "CMD_loadboard") {
        reader.num();
        while (!reader.atEnd()) {
            const int x = reader.num();
            const int y = reader.num();
            m_board.at(x, y) = wire::readTile(reader);
        }
    } else if (name == "CMD_heplace") {
        reader.num();
        reader.num();
        reader.num();
        const int x = reader.num();
        const int y = reader.num();
        m_board.at(x, y) = wire::readTile(reader);
    }
    if (onMessage)
        onMessage(name, body, arrivedNs);
}

QByteArray RawClient::bestPlacement() const
{
    int best = -1, bestX = 0, bestY = 0, bestSlot = 0;
    for (int x = 0; x < ::board::Columns; ++x) {
        for (int y = 0; y < ::board::Rows; ++y) {
            for (int slot = 1; slot <= ::hand::Slots; ++slot) {
                if (validateplacement(m_board, m_hand, x, y, slot) != PlacementOk)
                    continue;
                const int score = getscore(m_board, x, y);
                if (score > best) {
                    best = score;
                    bestX = x;
                    bestY = y;
                    bestSlot = slot;
                }
            }
        }
    }
    return best < 0 ? QByteArray() : wire::client::placetile(m_seat, bestX, bestY, bestSlot);
}
