#pragma once

#include "board.h"
#include "hand.h"
#include "placement.h"
#include "randomsource.h"
#include "tilepool.h"

#include "messagequeue.h"
#include "seatrecord.h"
#include "tagtimer.h"
#include "tsock.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <array>
#include <functional>

// The host side of the game: the hidden host window. It lives in every copy
// of the program but only comes to life in the copy that hosts, when
// startHosting() sets its listener going. It owns the only authoritative game
// state: the seat table, the board, the pool and the turn.
//
// Everything runs on the user-interface thread. Socket events only queue the
// received messages; socktimer hands them to the handlers one per tick, and
// timer1 and computertimer drive the game's pauses, so no handler ever runs
// inside another one or inside a socket event.
//
// The handlers and the state are public so that the main window can read
// them and tests can drive every step directly (calling socktimerTimer,
// timer1Timer and computertimerTimer instead of waiting). During play only
// TServer's own handlers change the state.
//
// Implementation files: tserver.cpp (connections, queue, sending), seats.cpp
// (login, leaving, moderation, relaying), gameflow.cpp (games, rounds,
// turns), computerplayer.cpp (the computer player).
class TServer : public QObject
{
    Q_OBJECT
public:
    // Origin of the computer player's own placements: trusted like the seat
    // it plays for. Connections have origins 1 to 9 (their seat numbers).
    static constexpr int ComputerOrigin = -1;
    // Seat numbers: 1 to 6 play, 7 to 9 watch; 10 only refuses a connection.
    static constexpr int MaxSeats = 9;
    static constexpr int PlayerSeats = 6;
    static constexpr int SpareSeat = 10;
    // Lines one connection may have waiting in the queue. The queue is
    // handled at about 100 lines a second for everyone together, and a
    // person sends a few a second at most, so a connection past this is
    // flooding the host: it is closed before it can hold up the others.
    static constexpr int MaxWaitingLines = 256;
    // timer1's pending actions.
    enum PendingAction { NoAction = 0, NextTurn = 1, NextRound = 2, EndRound = 3 };

    // `random` is the process-wide random source; the main window seeds it.
    explicit TServer(RandomSource &random, QObject *parent = nullptr);
    ~TServer() override;

    // Sets the listener going on its port ("7772" unless changed). Throws
    // ESockException ("Listen - Error Binding Socket", ...) for the caller
    // to show.
    void startHosting();
    // The listener's port; tests use "0" for an ephemeral port.
    void setPortName(const QString &port) { Sock1.setPortName(port); }
    // The bot speed in milliseconds, asked each time a computer turn begins
    // (the main window's Bot Speed menu). Without one it is 1000 ms.
    void setBotSpeedProvider(std::function<int()> provider) { m_botSpeed = std::move(provider); }
    // The host's own version text, compared with every login's ("1.0.0").
    void setVersion(const QByteArray &version) { m_version = version; }
    QByteArray version() const { return m_version; }
    // Sees every message the host sends, with the seat it goes to, before it
    // is written to that seat's connection.
    void setOutgoingObserver(std::function<void(int seat, const QByteArray &message)> observer)
    {
        m_observer = std::move(observer);
    }

    // Queues one received message from the connection at seat `origin` and
    // makes sure socktimer runs.
    void enqueue(const QByteArray &line, int origin);

    // Socket events (bound on Sock1, tempsock and every accepted connection).
    void Sock1Accept(TSock *sender);
    void Sock1Read(TSock *sender, int count);
    void tempsockDisconnect(TSock *sender);
    void tempsockInfo(TSock *sender, TSocketInfo info, const QString &msg);

    // Timer events.
    void socktimerTimer();
    void timer1Timer();
    void computertimerTimer();

    // Message handlers: the body of the message and the seat of the
    // connection it came from. A number field that is not a number throws
    // wire::BadField before anything changes; the dispatcher drops it.
    void receivedlogininfo(const QByteArray &body, int origin);
    void kickhim(const QByteArray &body, int origin);
    void justwatch(const QByteArray &body, int origin);
    void chat(const QByteArray &body, int origin);
    void action(const QByteArray &body, int origin);
    void playasound(const QByteArray &body, int origin);
    void startgame(const QByteArray &body, int origin);
    void placetile(const QByteArray &body, int origin);

    // Steps of the game.
    void disconnectsock(int seat);
    void startround();
    void findplayer();
    void endround();
    bool checkforwin();
    void computerplay(int seat);

    // Sending: to one seat when it has a connection in use; to all seats in
    // use from 1 up to connectioncount, in ascending order.
    void sendToSeat(int seat, const QByteArray &message);
    void sendToAll(const QByteArray &message);

    // Whether the computer plays this seat's turns: nobody connected there,
    // the player sits out, or the connection has not logged in (a login
    // always leaves a name). A connection that never logs in would otherwise
    // hold a turn forever from a seat no player list shows, so nobody could
    // remove it.
    bool computerPlays(int seat) const
    {
        return !seats[seat].inuse || seats[seat].watching || seats[seat].name.isEmpty();
    }
    // Whether the seat holds an open turn that a person is to play: the turn
    // was given and no placement has been made, and no computer move is
    // already on its way for it. Only such a turn is passed on when its
    // player leaves or sits out.
    bool holdsHumanTurn(int seat) const;
    // The login name as it will be stored: "+" and the byte 0xFF would end a
    // field or the whole message early, so they become "-" and "y"; "|"
    // becomes "!" and control bytes become blanks; a name that is empty or
    // blank becomes "Player" and the seat number.
    static QByteArray cleanName(const QByteArray &name, int seat);

    // Endpoints: the listener, and the never-opened holder of the disconnect
    // and info bindings that every accepted connection receives.
    TSock Sock1;
    TSock tempsock;

    // Seats 1 to 9 and the spare record 10; index 0 is unused.
    std::array<seatrecord, SpareSeat + 1> seats;
    int connectioncount = 0;

    wire::MessageQueue receivedlist;
    TagTimer socktimer;

    // Game state.
    ::board board;
    tilepool pool;
    bool gamerunning = false;
    int currentplayer = 0;
    int roundcount = 0;
    int numrounds = 0;
    bool firsttile = false;
    // The turn of currentplayer was given with CMD_nextplayer and no
    // placement has been made for it yet. Placements are taken only then, so
    // a seat can never place twice for one turn, and the turn is passed on
    // by hand (leaving, sitting out) only then, when timer1 has nothing
    // pending that would pass it a second time.
    bool turnOpen = false;

    TagTimer timer1;   // Tag: the pending action
    int turncountdown = 0;
    TagTimer computertimer; // Tag: 1 while a computer move waits
    int botcountdown = 0;
    int botSeat = 0;   // the seat whose turn the waiting computer move is for

private:
    void scheduleAction(PendingAction action, int ticks);
    void startComputerTurn(int seat);
    int botSpeed() const;
    // CMD_showtiles with all seven slots of the seat's hand.
    QByteArray wholeHand(int seat) const;
    void leaveSeat(int seat);

    RandomSource &m_random;
    wire::Dispatcher m_dispatcher;
    std::array<wire::LineFramer, SpareSeat + 1> m_framers;
    // Lines in receivedlist per origin seat.
    std::array<int, SpareSeat + 1> m_waiting{};
    std::function<int()> m_botSpeed;
    std::function<void(int, const QByteArray &)> m_observer;
    QByteArray m_version = "1.0.0";
};
