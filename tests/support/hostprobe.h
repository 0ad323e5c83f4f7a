#pragma once

// The tests' way into the host's private state, to arrange a scenario that
// messages alone would reach only slowly or by chance: a seat taken without
// a socket, a turn given, tiles put on the board or into a hand. Tests read
// the state through TServer's own read-only views (seats(), flow()).

#include "tserver.h"

class HostProbe
{
public:
    explicit HostProbe(TServer &server) : m_server(server) {}

    // A seat record to change.
    seatrecord &seat(int n) { return m_server.m_seats[n]; }
    // A connection without a socket takes the seat, as on accept.
    void occupy(int n) { m_server.occupySeat(n, nullptr); }
    // The never-opened endpoint stands in for seat n's connection, so its
    // events can be raised by hand.
    TSock &standInFor(int n)
    {
        seat(n).sock = &m_server.tempsock;
        m_server.tempsock.setTag(n);
        return m_server.tempsock;
    }

    ::board &board() { return m_server.m_flow.m_board; }
    tilepool &pool() { return m_server.m_flow.m_pool; }
    void setGameRunning(bool running) { m_server.m_flow.m_gamerunning = running; }
    void setCurrentPlayer(int n) { m_server.m_flow.m_currentplayer = n; }
    void setTurnOpen(bool open) { m_server.m_flow.m_turnOpen = open; }
    void setFirstTile(bool first) { m_server.m_flow.m_firsttile = first; }
    void setRoundCount(int rounds) { m_server.m_flow.m_roundcount = rounds; }
    int turncountdown() const { return m_server.m_flow.m_turncountdown; }

    // Seat n holds an open turn, with nothing pending on either timer.
    void giveTurn(int n)
    {
        GameFlow &flow = m_server.m_flow;
        flow.m_timer1.stop();
        flow.m_timer1.Tag = 0;
        flow.m_computertimer.stop();
        flow.m_computertimer.Tag = 0;
        flow.m_currentplayer = n;
        flow.m_turnOpen = true;
    }

    // The Expert's search answers, with a move or none.
    void expertAnswers(std::optional<ExpertMove> move) { m_server.m_flow.expertAnswered(move); }

    TagTimer &timer1() { return m_server.m_flow.m_timer1; }
    TagTimer &computertimer() { return m_server.m_flow.m_computertimer; }
    TagTimer &socktimer() { return m_server.socktimer; }
    void sendToSeat(int n, const QByteArray &message) { m_server.m_seats.sendToSeat(n, message); }

private:
    TServer &m_server;
};
