#include "seattable.h"

#include "botnames.h"
#include "tsock.h"

#include <QMetaObject>

SeatTable::SeatTable()
{
    for (int seat = 2; seat <= PlayerSeats; ++seat)
        m_seats[seat].botname = botname(seat);
}

int SeatTable::freeSeat() const
{
    for (int seat = 1; seat <= m_connectioncount; ++seat) {
        if (!m_seats[seat].inuse)
            return seat;
    }
    return m_connectioncount < MaxSeats ? m_connectioncount + 1 : 0;
}

void SeatTable::occupy(int seat, TSock *connection)
{
    seatrecord &record = m_seats[seat];
    record.sock = connection;
    record.inuse = true;
    if (seat > m_connectioncount && seat <= MaxSeats)
        m_connectioncount = seat;
}

void SeatTable::vacate(int seat)
{
    seatrecord &record = m_seats[seat];
    record.inuse = false;
    record.watching = false;
    record.name.clear();
}

bool SeatTable::computerPlays(int seat) const
{
    const seatrecord &record = m_seats[seat];
    return !record.inuse || record.watching || record.name.isEmpty();
}

QList<wire::PresentPlayer> SeatTable::othersThan(int seat) const
{
    QList<wire::PresentPlayer> others;
    for (int s = 1; s <= m_connectioncount; ++s) {
        if (s != seat && loggedIn(s))
            others.append({s, m_seats[s].name, m_seats[s].watching});
    }
    return others;
}

void SeatTable::sendToSeat(int seat, const QByteArray &message)
{
    if (valid(seat) && loggedIn(seat))
        write(seat, message);
}

void SeatTable::greet(int seat, const QByteArray &message)
{
    if (valid(seat) && m_seats[seat].inuse)
        write(seat, message);
}

void SeatTable::write(int seat, const QByteArray &message)
{
    if (m_observer)
        m_observer(seat, message);
    if (TSock *connection = m_seats[seat].sock) {
        if (connection->PendingOutput() > MaxPendingOutput) {
            // Closed from the event loop, not here: closing frees the seat
            // and tells everyone, which must not run inside a send to all.
            QMetaObject::invokeMethod(connection, [connection] { connection->Close(); }, Qt::QueuedConnection);
            return;
        }
        try {
            connection->Send(message);
        } catch (const ESockException &) {
            // The connection is gone; its close event frees the seat.
        }
    }
}

void SeatTable::sendToAll(const QByteArray &message)
{
    for (int seat = 1; seat <= m_connectioncount; ++seat)
        sendToSeat(seat, message);
}

void SeatTable::sendToOthers(int seat, const QByteArray &message)
{
    for (int s = 1; s <= m_connectioncount; ++s) {
        if (s != seat)
            sendToSeat(s, message);
    }
}
