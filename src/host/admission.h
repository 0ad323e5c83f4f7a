#pragma once

#include "socketaddress.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <deque>
#include <functional>
#include <list>
#include <optional>
#include <queue>
#include <unordered_map>
#include <vector>

// Who may take a place at the table. Once the router forwards the game's
// port, any machine on the internet may connect, so a new connection is
// judged by the address it is judged as (its peer's address, or the one a
// relaying service names for it) before it gets a seat number:
//   - a block the hosting player removed a player from stays away while
//     this copy hosts, and so does a login under that player's name;
//   - while the table is locked, only addresses that held a seat in this
//     hosting session come back (a player whose Wi-Fi dropped);
//   - connections that have not logged in yet (strangers) are counted per
//     block: at most waitingPerAddress per IPv4 address or IPv6 /64 (the
//     block one home gets), waitingPer56 per /56 (a home's whole
//     allocation), waitingPer48 per /48 (a tunnel broker's); TServer keeps
//     at most strangersInTotal of them and makes the busiest block give way
//     when more come;
//   - at most connectsPerWindow new connections of one block arrive per
//     rateWindowMs.
// Players who have logged in are not limited per address: a family behind
// one router joins together, up to the table's places. The hosting player's
// own client is known by the socket it opened (TServer), never by a
// loopback address, which any tunnel can wear: it is not judged here at all.
//
// Refusals are told to the hosting player, at most once per block per
// reportGapMs, never once per connection. What is kept per block is bounded
// (trackedBlocks, the oldest forgotten first), and the report times wait in
// a heap, so a flood from millions of blocks costs bounded memory and
// O(log n) per refusal.
//
// A plain class owned by TServer; times are milliseconds of TServer's
// clock.
class Admission
{
public:
    // The limits, in one place. Tests lower the times through
    // setLimitsForTests (and restore them with Limits{}).
    struct Limits
    {
        qint64 loginDeadlineMs = 15000;
        int waitingPerAddress = 2;
        int waitingPer56 = 3;
        int waitingPer48 = 4;
        int strangersInTotal = 6;
        int connectsPerWindow = 20;
        qint64 rateWindowMs = 60000;
        qint64 reportGapMs = 10 * 60000;
        // A first refusal is told after this pause, so that a burst is
        // told as one line with its count.
        qint64 reportGatherMs = 2000;
        // Lines about single blocks per reportGapMs; refusals from further
        // blocks are told together ("from 300 other addresses"), so a
        // stranger with many addresses cannot flood the hosting player's
        // chat either.
        int reportLinesPerGap = 5;
        // Blocks whose connects and refusals are kept track of.
        std::size_t trackedBlocks = 4096;
        // Addresses that held a seat, kept for a locked table (the oldest
        // forgotten first).
        std::size_t heldAddresses = 1024;
    };
    static const Limits &limits();
    static void setLimitsForTests(const Limits &limits);
    // What a connection may send before its login has been taken: its
    // login (a name is at most a few dozen bytes) and a little behind it.
    static constexpr qsizetype BytesBeforeLogin = 4096;

    enum class Refusal { None, TooManyWaiting, TooManyConnections, Removed, Locked };

    // Strangers already waiting that share a block with a newcomer.
    struct Waiting
    {
        int block = 0;   // its IPv4 address or IPv6 /64
        int block56 = 0; // its /56 (an IPv4 address: the address)
        int block48 = 0; // its /48 (an IPv4 address: the address)
    };

    // The block an address counts by: an IPv4 address (also written as an
    // IPv4-mapped IPv6 address) itself, an IPv6 address its /64 as
    // "2001:db8:1:2::/64".
    static QString blockOf(const SocketAddress &address);
    // Whether two addresses share their first prefixBits bits (of 64 at
    // most); an IPv4 address only shares anything with itself.
    static bool sameBlock(const SocketAddress &a, const SocketAddress &b, int prefixBits);

    // Judges a new connection judged as `address` at `now`. The connection
    // counts towards its block's rate whatever the verdict.
    Refusal judge(const SocketAddress &address, const Waiting &waiting, qint64 now);
    // A connection that was refused. Returns a line to tell the hosting
    // player at once (the first return of a removed player); the others are
    // gathered for dueReports(). `name`: the login name that was refused,
    // when it was the name.
    std::optional<QString> refused(const SocketAddress &address, Refusal why, qint64 now,
                                   const QByteArray &name = {});

    // A player logged in from the address: it may come back to a locked
    // table, and keeps a place among strangers.
    void heldSeat(const SocketAddress &address);
    bool heldBefore(const SocketAddress &address) const;
    // The hosting player removed the player `name` (wire text) who came
    // from the address: the name stays away, and so does the block unless
    // it is null (an address that says nothing of who came, see
    // tellsWhoCame).
    void removed(const std::optional<SocketAddress> &address, const QByteArray &name);
    // Whether barring the address bars only the player who came from it:
    // not so for 127.0.0.1 and ::1, which every stranger through a tunnel
    // (ssh -R, a VPN gateway) and every second copy on this machine wear.
    static bool tellsWhoCame(const SocketAddress &address);
    // Whether a login under this name was removed (blanks around it and
    // letter case do not matter).
    bool nameRemoved(const QByteArray &name) const;

    bool locked() const { return m_locked; }
    void setLocked(bool locked) { m_locked = locked; }
    // A new hosting session: nobody is removed, nothing counted, unlocked.
    void clear();

    // The lines about refusals that are due at `now` ("Turned away 3
    // connections from 192.0.2.7 (table locked)."), and when the next one
    // is due.
    QStringList dueReports(qint64 now);
    std::optional<qint64> nextReport() const;

    // How many blocks are being kept track of, and how many report times
    // wait (both bounded under a flood).
    std::size_t trackedAddresses() const { return m_entries.size(); }
    std::size_t waitingReports() const { return m_due.size(); }

private:
    static constexpr std::size_t ReasonCount = 5;
    struct Entry
    {
        std::deque<qint64> connects; // arrivals within the rate window
        int pending = 0;             // refusals not told yet
        std::array<int, ReasonCount> reasons{};
        std::optional<qint64> lastLine;
        std::optional<qint64> due;
        std::list<QString>::iterator age; // its place in m_ages
    };
    struct Ban
    {
        QString block;
        QByteArray name;
        bool lineSaid = false;
    };
    using Due = std::pair<qint64, QString>;

    // The block's entry, made the youngest; the oldest goes past the cap.
    Entry &entry(const QString &block);
    void forgetOldest();
    void schedule(Entry &e, const QString &block, qint64 now);
    Ban *banOf(const QString &block, const QByteArray &name);

    // The refusal lines of one block, or of the other blocks together.
    static QString reportLine(const Entry &e, const QString &from);
    void addToOthers(Entry &e, qint64 now);

    std::unordered_map<QString, Entry> m_entries;
    std::list<QString> m_ages; // oldest first
    std::priority_queue<Due, std::vector<Due>, std::greater<>> m_due;
    // Refusals from blocks past the budget of lines, told together.
    Entry m_others;
    int m_otherAddresses = 0;
    std::deque<qint64> m_linesTold;
    std::vector<Ban> m_bans;
    std::deque<QString> m_held;
    bool m_locked = false;
};
