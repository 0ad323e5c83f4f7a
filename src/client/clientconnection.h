#pragma once

#include "clientstate.h"
#include "messagequeue.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class LobbyJoin;
class TSock;
enum class TSocketInfo;

// The client's front door: reads the command line, hosts or joins, logs in
// and turns the host's byte stream into messages that Timer1 hands, one per
// tick, to the handlers of the client modules.
//
// Owns the game connection `sock`, the presence connection `Sock11`, the
// queue `receivedlist` and `Timer1`. The window views it drives are reached
// through Hooks, so it holds no widgets itself.
class ClientConnection : public QObject
{
    Q_OBJECT
public:
    struct Hooks
    {
        // Starts the host's listener in this process: for others to join,
        // or for a solo game (false) on the loopback address only, so that
        // nobody else can take a seat in it. Throws ESockException.
        std::function<void(bool forOthers)> startHost;
        // Adds a system line ("0+" + text) to the chat pane.
        std::function<void(const QString &line)> addSystemLine;
        // Shows the lobby download window (solo start only).
        std::function<void()> showDownloadWindow;
        // Shows or hides what only the hosting player may use: the start
        // button, File > Start Game, the spy list's Remove From Game.
        std::function<void(bool hosting)> setHostControls;
        // A modal message box.
        std::function<void(const QString &text)> message;
        // Closes the main window, which ends the program.
        std::function<void()> closeMainWindow;
        // This copy hosts a game for others (not a solo game); optional.
        std::function<void()> hostingForOthers;
        // Where the meeting service is ("host:port"), asked when a player
        // joins by invite code; optional.
        std::function<QString()> lobbyServer;
    };

    // Messages that may wait in receivedlist. Timer1 works off about a
    // thousand a second and a host sends a handful per event, so a host
    // past this is broken or hostile: the connection is closed, as for an
    // endless message, before the queue can eat the memory.
    static constexpr std::size_t MaxQueuedLines = 4096;

    ClientConnection(ClientState &state, Hooks hooks, QObject *parent = nullptr);
    ~ClientConnection() override;

    // Installs the handler of a received message name. The names and their
    // order are the dispatch table's; names without a handler are ignored.
    void setHandler(const QByteArray &name, wire::Dispatcher::Handler handler);

    // The start-up from the command line, run once when the window shows.
    void processparams(const QStringList &parameters);
    void hostpress();
    void joinpress();
    // Joins the table of an invite code ("+K7QX-M2PA") through the meeting
    // service: directly where the host can be reached, else over the
    // service's relay, which then carries the game as a direct connection
    // would. `relay`: the relay even if the host can be reached.
    void joinByCode(const QString &code, bool relay = false);

    // Sends a complete message (terminator included) on the game
    // connection. Before the connection exists nothing is sent.
    void send(const QByteArray &message);

    // Events of `sock`.
    void sockConnect();
    void sockRead(int count);
    void sockInfo(TSocketInfo info, const QString &text);
    // The connection attempt has had its time (ConnectionLiveness): it is
    // given up and the player told. A tick method; the timer calls it.
    void connectTimeout();

    // One tick of Timer1: at most one message, then the phrase lock.
    void Timer1Timer();
    void processsocktimer();

    // Handlers of the connection itself.
    void sendloginfo(const QByteArray &body);

    // The phrase lock: set when a phrase is sent, released after
    // PhraseLockMs of the clock, whatever the real tick rate of Timer1.
    static constexpr int PhraseLockMs = 1500;
    void lockPhrases();
    bool phrasesLocked();
    // The clock of the phrase lock in milliseconds (a monotonic clock unless
    // a test replaces it).
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

    TSock *sock() const { return m_sock.get(); }
    TSock *presence() const { return m_sock11.get(); }
    wire::MessageQueue &receivedlist() { return m_receivedlist; }
    QTimer &timer1() { return m_timer1; }
    const QTimer &connectTimer() const { return m_connectTimer; }

private:
    void openGameConnection(const QString &host);
    // Binds the events of the game connection `sock`.
    void bindSock();
    // The bytes of one read on the game connection.
    void received(const QByteArray &bytes);
    // Gives the game connection up after it failed, telling the player once.
    void connectionFailed(const QString &line);
    void couldNotConnect(const QString &reason);
    void openPresence();
    void wakeTimer1();

    ClientState &m_state;
    Hooks m_hooks;
    std::unique_ptr<TSock> m_sock;
    std::unique_ptr<TSock> m_sock11;
    wire::LineFramer m_framer;
    wire::MessageQueue m_receivedlist;
    wire::Dispatcher m_dispatcher;
    QTimer m_timer1;
    std::function<qint64()> m_clock;
    std::optional<qint64> m_phraseLockedAt;
    // A handler is running (Timer1 does not start another inside it).
    bool m_inHandler = false;
    bool m_soloGame = false;
    // The host closed the connection; the window closes once the messages
    // that came before the close have been handled.
    bool m_closeWhenDrained = false;
    // The connection died; this line is told once the queue is handled.
    QString m_lineWhenDrained;
    // Where the game connection stands. Only a connection that was
    // established and then closed by the host ends the program; one that
    // never came about or died by an error leaves the window open, with the
    // reason in the chat.
    enum class Link { None, Connecting, Connected, Failed };
    Link m_link = Link::None;
    QTimer m_connectTimer;
    // Joining by invite code: the question to the meeting service, and the
    // code while a direct connection that it named is tried (a failure then
    // asks for the relay).
    std::unique_ptr<LobbyJoin> m_lobbyJoin;
    QString m_directCode;
};
