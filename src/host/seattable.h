#pragma once

#include "protocol.h"
#include "seatrecord.h"

#include <QByteArray>
#include <QList>

#include <array>
#include <functional>

// The host's table of seats: one record per seat number 1 to 9 and the spare
// record 10 that only refuses a connection, the highest number handed out,
// and the sending of messages to the seats' connections.
//
// A plain class owned by TServer, which hands it to the game flow by
// reference. Records are reached by seat number; callers check numbers that
// come from a message with valid() first.
class SeatTable
{
public:
    // Seat numbers: 1 to 6 play, 7 to 9 watch; 10 only refuses a connection.
    static constexpr int MaxSeats = 9;
    static constexpr int PlayerSeats = 6;
    static constexpr int SpareSeat = 10;
    // Bytes that may wait unsent for one connection. A peer that stops
    // reading would otherwise make the host hold everything the game sends
    // it for as long as it stays connected; past this it is closed.
    static constexpr qsizetype MaxPendingOutput = 1024 * 1024;

    // Gives seats 2 to 6 their computer-player names.
    SeatTable();

    static bool valid(int seat) { return seat >= 1 && seat <= MaxSeats; }
    static bool playerSeat(int seat) { return seat >= 1 && seat <= PlayerSeats; }

    seatrecord &operator[](int seat) { return m_seats.at(static_cast<std::size_t>(seat)); }
    const seatrecord &operator[](int seat) const { return m_seats.at(static_cast<std::size_t>(seat)); }

    // The highest seat number handed out so far; never lowered.
    int connectioncount() const { return m_connectioncount; }
    // The seat a new connection gets: the lowest free number up to the
    // highest handed out, else the next new one; 0 when all nine are taken.
    int freeSeat() const;
    // A connection takes the seat: it is in use from now on, before any
    // login. The score, hand and playing flag of the number stay.
    void occupy(int seat, TSock *connection);
    // The seat's connection has gone: not in use, not watching, no name.
    void vacate(int seat);

    // A connection holds the seat and has logged in (a login always leaves
    // a name). Until then it is a stranger to the table: it hears nothing
    // that goes to all, and nobody hears of it.
    bool loggedIn(int seat) const { return m_seats[seat].inuse && !m_seats[seat].name.isEmpty(); }
    // Whether the computer plays this seat's turns: nobody connected there,
    // the player sits out, or the connection has not logged in (a login
    // always leaves a name). A connection that never logs in would otherwise
    // hold a turn forever from a seat no player list shows, so nobody could
    // remove it.
    bool computerPlays(int seat) const;
    // Every seat logged in except `seat`, in ascending order, for
    // CMD_existingplayers.
    QList<wire::PresentPlayer> othersThan(int seat) const;

    // Sending: to one seat when its connection has logged in; to all seats
    // logged in from 1 up to connectioncount, in ascending order; to all
    // but one. The greeting (CMD_sendlogininfo) is the one message that a
    // connection hears before its login.
    void sendToSeat(int seat, const QByteArray &message);
    void greet(int seat, const QByteArray &message);
    void sendToAll(const QByteArray &message);
    void sendToOthers(int seat, const QByteArray &message);
    // Sees every message before it is written to the seat's connection.
    void setOutgoingObserver(std::function<void(int seat, const QByteArray &message)> observer)
    {
        m_observer = std::move(observer);
    }

private:
    void write(int seat, const QByteArray &message);

    std::array<seatrecord, SpareSeat + 1> m_seats; // index 0 unused
    int m_connectioncount = 0;
    std::function<void(int, const QByteArray &)> m_observer;

    friend class HostProbe;
};
