#pragma once

#include "admission.h"
#include "gameflow.h"
#include "messagequeue.h"
#include "randomsource.h"
#include "relaylimiter.h"
#include "seattable.h"
#include "tagtimer.h"
#include "tsock.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <array>
#include <functional>

// The host side of the game: the hidden host window. It lives in every copy
// of the program but only comes to life in the copy that hosts, when
// startHosting() sets its listener going. It owns the only authoritative game
// state: the seat table and the game flow (board, pool, turn).
//
// Everything runs on the user-interface thread. Socket events only queue the
// received messages; socktimer hands them to the handlers one per tick, and
// the game flow's timers drive the game's pauses, so no handler ever runs
// inside another one or inside a socket event.
//
// The state is private. The main window sets the host up through the
// setters; tests read it through seats() and flow(), drive it through the
// handlers and tick methods, and arrange it through the test-only HostProbe.
//
// The port may be open to the whole internet, so a connection is a stranger
// until it logs in: Admission judges it by its address before it gets a
// seat number, it must log in within the deadline, and until it does it
// hears nothing that goes to all, can say nothing but its login (anything
// else is dropped as it arrives), and costs the table nothing when it goes.
//
// Every connection comes in through admit(), with the address it is judged
// by and how it arrived:
//   - Direct: accepted by the listener, judged by its peer's address;
//   - Own: the hosting player's own client, known by the socket this copy
//     opened itself (setOwnClient), never by a loopback address, which a
//     tunnel (ssh -R, a VPN gateway) gives every stranger; it is not judged;
//   - Relayed: carried by a relaying service that names the player's
//     address; judged by that address, and never the host's own, whatever
//     address the carrying socket has.
//
// Implementation files: tserver.cpp (connections, queue, relay limits),
// admittance.cpp (who gets a seat number, the login deadline, refusals),
// seats.cpp (login, leaving, moderation, relaying); the game is GameFlow's.
class TServer : public QObject
{
    Q_OBJECT
public:
    static constexpr int ComputerOrigin = GameFlow::ComputerOrigin;
    static constexpr int MaxSeats = SeatTable::MaxSeats;
    static constexpr int PlayerSeats = SeatTable::PlayerSeats;
    static constexpr int SpareSeat = SeatTable::SpareSeat;
    // Lines one connection may have waiting in the queue. The queue is
    // handled at about 100 lines a second for everyone together, and a
    // person sends a few a second at most, so a connection past this is
    // flooding the host: it is closed before it can hold up the others.
    static constexpr int MaxWaitingLines = 256;
    // Lines in the queue of all connections together. A connection whose
    // line would go past this is closed, not the others.
    static constexpr std::size_t MaxQueuedLines = 1024;

    // `random` is the process-wide random source; the main window seeds it.
    explicit TServer(RandomSource &random, QObject *parent = nullptr);
    ~TServer() override;

    // Sets the listener going on its port ("7772" unless changed). Throws
    // ESockException ("Listen - Error Binding Socket", ...) for the caller
    // to show.
    void startHosting();
    // The listener's port; tests use "0" for an ephemeral port.
    void setPortName(const QString &port) { Sock1.setPortName(port); }
    // Listen on the loopback address only (a solo game: nobody else may
    // join it). Before startHosting().
    void setLoopbackOnly(bool on) { Sock1.setLoopbackOnly(on); }
    // Lock Table: while locked, only addresses that held a seat in this
    // hosting session get in (a player whose Wi-Fi dropped comes back).
    void setTableLocked(bool locked);
    bool tableLocked() const { return m_admission.locked(); }
    // The port the listener is bound to.
    quint16 localPort() const { return Sock1.LocalPort(); }
    // The bot speed in milliseconds, asked each time a computer turn begins
    // (the main window's Bot Speed menu).
    void setBotSpeedProvider(std::function<int()> provider) { m_flow.setBotSpeedProvider(std::move(provider)); }
    // How the computer plays, asked at each of its moves (the main window's
    // Computer Strength menu); Classic without one.
    void setBotLevelProvider(std::function<BotLevel()> provider) { m_flow.setBotLevelProvider(std::move(provider)); }
    // Sees every message the host sends, with the seat it goes to, before it
    // is written to that seat's connection.
    void setOutgoingObserver(std::function<void(int seat, const QByteArray &message)> observer)
    {
        m_seats.setOutgoingObserver(std::move(observer));
    }
    // The clock of the relay limits, the limits per address, the login
    // deadline and the giving way of strangers, in milliseconds (a monotonic
    // clock unless a test replaces it).
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    // How the hosting player's own client is known: asked, for each
    // accepted connection, whether the peer's address and port is the local
    // end of the client's socket in this process (TSock::IsLocalEnd).
    void setOwnClient(std::function<bool(const SocketAddress &peer)> isOwnClient)
    {
        m_isOwnClient = std::move(isOwnClient);
    }

    enum class Arrival { Direct, Own, Relayed };
    // Gives a new connection a seat number, or turns it away: the one door
    // of every connection (see the class comment). `judgedAs` is the address
    // Admission judges and remembers it by.
    void admit(TSock *connection, const SocketAddress &judgedAs, Arrival arrival);
    // A player whom the meeting service relays: `connection` (dialled to the
    // service by this copy) carries the game, the bytes in `leftover` came
    // on it already, and `player` is the player's own address, which the
    // service named. Admitted as Relayed; the host owns the connection.
    void admitRelayed(TSock *connection, const SocketAddress &player, const QByteArray &leftover = {});

    // Read-only views of the seat table and the game.
    const SeatTable &seats() const { return m_seats; }
    const GameFlow &flow() const { return m_flow; }
    // The game's steps and timer events, for the main window's tests and
    // the host's own.
    GameFlow &game() { return m_flow; }
    // Lines waiting in the receive queue.
    std::size_t queuedLines() const { return receivedlist.size(); }

    // Queues one received message from the connection that now holds seat
    // `origin` and makes sure socktimer runs.
    void enqueue(const QByteArray &line, int origin);
    void enqueue(QByteArray name, QByteArray body, int origin);

    // The bytes one read brought from the connection at `seat`: cut into
    // messages, held to the relay limits and queued. False when the
    // connection must be closed (an endless message or a flood, or no
    // connection in the seat); Sock1Read then closes it.
    bool receivedBytes(int seat, const QByteArray &bytes);

    // Socket events (bound on Sock1, tempsock and every accepted connection).
    void Sock1Accept(TSock *sender);
    void Sock1Read(TSock *sender, int count);
    void tempsockDisconnect(TSock *sender);
    void tempsockInfo(TSock *sender, TSocketInfo info, const QString &msg);

    // Timer event of the receive queue.
    void socktimerTimer();
    // Timer events of admittance: connections whose time to log in is up
    // are closed; refusals that are due are told (notice()).
    void loginDeadlineTimer();
    void admissionReportTimer();

    // Message handlers: the body of the message and the seat of the
    // connection it came from. A number field that is not a number throws
    // wire::BadField before anything changes; the dispatcher drops it.
    void receivedlogininfo(const QByteArray &body, int origin);
    void kickhim(const QByteArray &body, int origin);
    void justwatch(const QByteArray &body, int origin);
    void chat(const QByteArray &body, int origin);
    void action(const QByteArray &body, int origin);
    void playasound(const QByteArray &body, int origin);

    // Closes a seat's connection if the seat is in use.
    void disconnectsock(int seat);
    // Whether the connection at the seat is the hosting player's own.
    bool ownConnection(int seat) const { return SeatTable::valid(seat) && m_links[seat].own; }

    // The login name as it will be stored: "+" and the byte 0xFF would end a
    // field or the whole message early, so they become "-" and "y"; "|"
    // becomes "!" and control bytes become blanks; a name that is empty or
    // blank becomes "Player" and the seat number; a longer name is cut to
    // wire::MaxNameLength.
    static QByteArray cleanName(const QByteArray &name, int seat);

signals:
    // A line for the hosting player's chat about who was turned away.
    void notice(const QString &line);
    // A connection took a seat, someone logged in or left, or a game or
    // round started or a game ended: what the table looks like from
    // outside may have changed.
    void tableChanged();

private:
    // What the host keeps per connection, beside its seat record. A new
    // connection in a seat starts with a fresh one.
    struct Link
    {
        quint64 serial = 0;          // 0: no connection
        wire::LineFramer framer;
        int waiting = 0;             // its lines in receivedlist
        RelayLimiter limits;
        SocketAddress address;       // the address it is judged by
        bool own = false;            // the hosting player's own client
        qint64 seatedAt = 0;         // m_clock when it got its seat number
        bool loginQueued = false;    // its login waits in the queue
        qsizetype bytesBeforeLogin = 0;
    };

    // A connection (or, in tests, none) takes the seat.
    void occupySeat(int seat, TSock *connection);
    // Drops what the host kept of the seat's connection, its queued lines
    // with it.
    void forgetLink(int seat);
    void leaveSeat(int seat);
    // Whether a line just received from the seat's connection may be
    // queued: chat, action and sound lines over the relay limits are not.
    bool withinRelayLimits(int seat, const QByteArray &name);

    // Admittance (admittance.cpp).
    bool waitsForLogin(int seat) const;
    // Waiting to log in, and neither the host's own nor with its login
    // queued: such a connection may give way, and its deadline runs.
    bool mayGiveWay(int seat) const;
    bool mayMissDeadline(int seat) const;
    int strangers() const;
    Admission::Waiting waitingLike(const SocketAddress &address) const;
    // Closes the stranger of the busiest block, unless the newcomer would
    // be busier still; whether a place was freed.
    bool makeRoom(const SocketAddress &newcomer);
    // Tells a refused connection the table is full (unless it only came
    // too often) and lets it go.
    void turnAway(TSock *connection, const SocketAddress &address, Admission::Refusal why);
    void tellRefusal(const SocketAddress &address, Admission::Refusal why, const QByteArray &name = {});
    void seatConnection(int seat, TSock *connection, const SocketAddress &address, bool own);
    void armLoginTimer();
    void armReportTimer();

    // Endpoints: the listener, and the never-opened holder of the disconnect
    // and info bindings that every accepted connection receives.
    TSock Sock1;
    TSock tempsock;

    SeatTable m_seats;
    GameFlow m_flow;
    std::array<Link, SpareSeat + 1> m_links;
    quint64 m_lastSerial = 0;

    wire::MessageQueue receivedlist;
    TagTimer socktimer;
    // Hands the first line to the handlers when the queue was idle: at once
    // after a tick or more without lines, else when that tick is up.
    // socktimer then paces the lines behind it, one per tick as ever.
    QTimer m_promptDispatch;
    QElapsedTimer m_sinceDispatch;
    wire::Dispatcher m_dispatcher;
    std::function<qint64()> m_clock;
    std::function<bool(const SocketAddress &)> m_isOwnClient;

    Admission m_admission;
    // Run only while a connection waits to log in, or a refusal waits to
    // be told, so an idle host costs nothing.
    QTimer m_loginTimer;
    QTimer m_reportTimer;

    friend class HostProbe;
};
