#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <deque>
#include <map>
#include <optional>

// Who may take a place at the table. Once the router forwards the game's
// port, any machine on the internet may connect, so a new connection is
// judged by its remote address before it gets a seat number:
//   - an address that the hosting player removed stays away while this copy
//     hosts;
//   - while the table is locked, only addresses that held a seat in this
//     hosting session come back (a player whose Wi-Fi dropped);
//   - at most waitingPerAddress connections of one address wait to log in
//     at the same time, and at most connectsPerWindow new connections of
//     one address arrive per rateWindowMs.
// Players who have logged in are not limited per address: a family behind
// one router joins together, up to the table's places. Connections from
// this machine's own loopback address (the hosting player's own, or a
// second copy started on this machine) are held to neither count. An IPv6
// address counts by its /64, the block that one home gets, so one stranger
// cannot use the millions of addresses of his block as many.
//
// Refusals are told to the hosting player, at most once per address per
// reportGapMs, never once per connection.
//
// A plain class owned by TServer; times are milliseconds of TServer's
// monotonic clock.
class Admission
{
public:
    // The limits, in one place. Tests lower the times through
    // setLimitsForTests (and restore them with Limits{}).
    struct Limits
    {
        qint64 loginDeadlineMs = 15000;
        int waitingPerAddress = 2;
        int connectsPerWindow = 20;
        qint64 rateWindowMs = 60000;
        qint64 reportGapMs = 10 * 60000;
        // A first refusal is told after this pause, so that a burst is
        // told as one line with its count.
        qint64 reportGatherMs = 2000;
        // Lines about single addresses per reportGapMs; refusals from
        // further addresses are told together ("from 300 other
        // addresses"), so a stranger with many addresses cannot flood the
        // hosting player's chat either.
        int reportLinesPerGap = 5;
        // A connection that has waited this long to log in gives way to a
        // newcomer who finds no free place: a player of the game logs in
        // within a second, and strangers from many addresses must not hold
        // the table's places between their deadlines.
        qint64 giveWayAfterMs = 2000;
    };
    static const Limits &limits();
    static void setLimitsForTests(const Limits &limits);
    // What a connection may send before its login has been taken: its
    // login (a name is at most a few dozen bytes) and a little behind it.
    static constexpr qsizetype BytesBeforeLogin = 4096;

    enum class Refusal { None, TooManyWaiting, TooManyConnections, Removed, Locked };

    // The block an address counts by: an IPv4 address (also written as an
    // IPv4-mapped IPv6 address) itself, an IPv6 address its /64 as
    // "2001:db8:1:2::/64". Text that is no address stands for itself.
    static QString blockOf(const QString &address);
    // Whether the address is this machine's own loopback address.
    static bool ownMachine(const QString &address);

    // Judges a new connection from `address` at `now`; `waiting` is the
    // number of connections of its block that wait to log in. The
    // connection counts towards its block's rate whatever the verdict.
    Refusal judge(const QString &address, int waiting, qint64 now);
    // A connection that judge() refused. Returns a line to tell the hosting
    // player at once (the first return of a removed player); the others are
    // gathered for dueReports().
    std::optional<QString> refused(const QString &address, Refusal why, qint64 now);

    // A player logged in from the address: it may come back to a locked
    // table.
    void heldSeat(const QString &address);
    // The hosting player removed the player `name` (wire text) who came
    // from the address.
    void removed(const QString &address, const QByteArray &name);

    bool locked() const { return m_locked; }
    void setLocked(bool locked) { m_locked = locked; }
    // A new hosting session: nobody is removed, nothing counted, unlocked.
    void clear();

    // The lines about refusals that are due at `now` ("Turned away 3
    // connections from 192.0.2.7 (table locked)."), and when the next one
    // is due.
    QStringList dueReports(qint64 now);
    std::optional<qint64> nextReport() const;

    // How many addresses are being kept track of (bounded under a flood).
    std::size_t trackedAddresses() const { return m_entries.size(); }

private:
    static constexpr std::size_t ReasonCount = 5;
    struct Entry
    {
        std::deque<qint64> connects; // arrivals within the rate window
        bool held = false;
        bool removed = false;
        QByteArray removedName;
        bool removedLineSaid = false;
        int pending = 0; // refusals not told yet
        std::array<int, ReasonCount> reasons{};
        std::optional<qint64> lastLine;
        std::optional<qint64> due;
    };

    Entry &entry(const QString &block, qint64 now);
    // Forgets addresses that carry nothing any more.
    void prune(qint64 now);

    // The refusal lines of one address, or of the other addresses together.
    static QString reportLine(const Entry &e, const QString &from);

    std::map<QString, Entry> m_entries;
    // Refusals from addresses past the budget of lines, told together.
    Entry m_others;
    int m_otherAddresses = 0;
    std::deque<qint64> m_linesTold;
    std::size_t m_pruneAt = 256;
    bool m_locked = false;
};
