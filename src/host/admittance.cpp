// TServer: who gets a seat number. Every pending connection is accepted so
// that its address can be judged; one that Admission refuses is told the
// table is full (or, past the rate of its address, only let go) and never
// takes a place. One that gets a place must log in before its deadline.
#include "tserver.h"

#include "protocol.h"

#include <algorithm>
#include <tuple>

void TServer::Sock1Accept(TSock *sender)
{
    Q_UNUSED(sender);
    TSock *connection = nullptr;
    if (!Sock1.Accept(connection))
        return;
    const std::optional<SocketAddress> peer = connection->PeerAddress();
    if (!peer) {
        delete connection;
        return;
    }
    const bool own = m_isOwnClient && m_isOwnClient(*peer);
    admit(connection, *peer, own ? Arrival::Own : Arrival::Direct);
}

void TServer::admitRelayed(TSock *connection, const SocketAddress &player, const QByteArray &leftover)
{
    // Owned as an accepted connection is, and torn down with the others.
    connection->setParent(&Sock1);
    connection->setKeepAlive(true);
    admit(connection, player, Arrival::Relayed);
    if (leftover.isEmpty())
        return;
    // Only compared: a connection that was turned away is gone.
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        if (m_seats[seat].sock == connection && !receivedBytes(seat, leftover))
            disconnectsock(seat);
    }
}

void TServer::admit(TSock *connection, const SocketAddress &judgedAs, Arrival arrival)
{
    // Nothing of a connection reaches the host before it has a place.
    connection->OnRead = nullptr;
    connection->OnDisconnect = nullptr;
    connection->OnInfo = nullptr;

    const bool own = arrival == Arrival::Own;
    if (!own) {
        const Admission::Refusal why = m_admission.judge(judgedAs, waitingLike(judgedAs), m_clock());
        if (why != Admission::Refusal::None) {
            turnAway(connection, judgedAs, why);
            return;
        }
    }
    int seat = m_seats.freeSeat();
    if (!own && (seat == 0 || strangers() >= Admission::limits().strangersInTotal))
        seat = makeRoom(judgedAs) ? m_seats.freeSeat() : 0;
    if (seat == 0) {
        // All nine numbers are taken, or strangers hold every place that
        // strangers may: tell the newcomer and let it go.
        turnAway(connection, judgedAs, Admission::Refusal::None);
        return;
    }
    seatConnection(seat, connection, judgedAs, own);
}

bool TServer::mayGiveWay(int seat) const
{
    // A connection whose login has arrived is as good as a player; the
    // hosting player's own never gives way.
    return waitsForLogin(seat) && !m_links[seat].loginQueued && !m_links[seat].own;
}

bool TServer::makeRoom(const SocketAddress &newcomer)
{
    // Strangers of the busiest block give way first (the one that waited
    // longest among them), so that many connections from one home, one
    // provider's /48 or one address cannot hold the table by rotation; a
    // newcomer busier than every one of them is refused instead. An address
    // that held a seat in this session always finds a place.
    const auto busyness = [this](const SocketAddress &address) {
        int wide = 0;
        int narrow = 0;
        for (int seat = 1; seat <= MaxSeats; ++seat) {
            if (!waitsForLogin(seat) || m_links[seat].own)
                continue;
            wide += Admission::sameBlock(address, m_links[seat].address, 48);
            narrow += Admission::sameBlock(address, m_links[seat].address, 64);
        }
        return std::pair{wide, narrow};
    };
    int victim = 0;
    // Busiest /48 (or IPv4 address), then busiest /64, then the oldest
    // connection (the lowest serial).
    std::tuple<int, int, qint64> busiest{-1, -1, 0};
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        if (!mayGiveWay(seat))
            continue;
        const auto [wide, narrow] = busyness(m_links[seat].address);
        const std::tuple<int, int, qint64> key{wide, narrow, -qint64(m_links[seat].serial)};
        if (key > busiest) {
            busiest = key;
            victim = seat;
        }
    }
    if (victim == 0)
        return false;
    const auto [wide, narrow] = busyness(newcomer);
    if (!m_admission.heldBefore(newcomer)
        && std::pair{wide + 1, narrow + 1} > std::pair{std::get<0>(busiest), std::get<1>(busiest)})
        return false;
    // Closing runs the leaving steps, which tell nobody of a connection that
    // never logged in, and frees the seat.
    disconnectsock(victim);
    return true;
}

void TServer::turnAway(TSock *connection, const SocketAddress &address, Admission::Refusal why)
{
    // A connection past the rate of its address is let go without a word:
    // answering a flood would only feed it.
    if (why != Admission::Refusal::TooManyConnections) {
        try {
            connection->Send(wire::host::full());
        } catch (const ESockException &) {
        }
    }
    delete connection;
    if (why != Admission::Refusal::None)
        tellRefusal(address, why);
}

void TServer::tellRefusal(const SocketAddress &address, Admission::Refusal why, const QByteArray &name)
{
    if (const std::optional<QString> line = m_admission.refused(address, why, m_clock(), name))
        emit notice(*line);
    armReportTimer();
}

void TServer::seatConnection(int seat, TSock *connection, const SocketAddress &address, bool own)
{
    // The previous connection of this number is closed; it goes now, with
    // its bindings cut so that nothing of it reaches the new occupant.
    if (TSock *previous = m_seats[seat].sock) {
        previous->OnRead = nullptr;
        previous->OnDisconnect = nullptr;
        previous->OnInfo = nullptr;
        previous->deleteLater();
    }

    occupySeat(seat, connection);
    Link &link = m_links[seat];
    link.address = address;
    link.own = own;
    connection->setTag(seat);
    connection->OnDisconnect = tempsock.OnDisconnect;
    connection->OnRead = [this](TSock *s, int count) { Sock1Read(s, count); };
    connection->OnInfo = tempsock.OnInfo;

    m_seats.greet(seat, wire::host::sendlogininfo(seat));
    armLoginTimer();
}

void TServer::occupySeat(int seat, TSock *connection)
{
    m_seats.occupy(seat, connection);
    // A fresh serial: lines still queued from an earlier connection of this
    // seat are dropped now.
    forgetLink(seat);
    m_links[seat].serial = ++m_lastSerial;
    m_links[seat].seatedAt = m_clock();
    emit tableChanged();
}

void TServer::forgetLink(int seat)
{
    if (m_links[seat].serial != 0)
        receivedlist.removeConnection(m_links[seat].serial);
    m_links[seat] = Link{};
}

void TServer::setTableLocked(bool locked)
{
    if (locked == m_admission.locked())
        return;
    m_admission.setLocked(locked);
    emit tableChanged();
}

bool TServer::waitsForLogin(int seat) const
{
    return m_seats[seat].inuse && m_seats[seat].sock && m_links[seat].serial != 0 && !m_seats.loggedIn(seat);
}

int TServer::strangers() const
{
    int count = 0;
    for (int seat = 1; seat <= MaxSeats; ++seat)
        count += waitsForLogin(seat) && !m_links[seat].own;
    return count;
}

Admission::Waiting TServer::waitingLike(const SocketAddress &address) const
{
    Admission::Waiting waiting;
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        if (!waitsForLogin(seat) || m_links[seat].own)
            continue;
        const SocketAddress &other = m_links[seat].address;
        waiting.block += Admission::sameBlock(address, other, 64);
        waiting.block56 += Admission::sameBlock(address, other, 56);
        waiting.block48 += Admission::sameBlock(address, other, 48);
    }
    return waiting;
}

void TServer::loginDeadlineTimer()
{
    // Closing runs the leaving steps, which for a connection that never
    // logged in tell nobody anything. A login that has arrived stops the
    // clock: it is handled in its turn.
    const qint64 now = m_clock();
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        if (mayMissDeadline(seat) && now >= m_links[seat].seatedAt + Admission::limits().loginDeadlineMs)
            disconnectsock(seat);
    }
    armLoginTimer();
}

bool TServer::mayMissDeadline(int seat) const
{
    return waitsForLogin(seat) && !m_links[seat].loginQueued;
}

void TServer::armLoginTimer()
{
    std::optional<qint64> next;
    const qint64 now = m_clock();
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        if (mayMissDeadline(seat)) {
            const qint64 left = m_links[seat].seatedAt + Admission::limits().loginDeadlineMs - now;
            next = std::min(next.value_or(left), left);
        }
    }
    if (next)
        // At most an hour: the timer comes again and looks anew.
        m_loginTimer.start(int(std::clamp<qint64>(*next, 0, 3600 * 1000)));
    else
        m_loginTimer.stop();
}

void TServer::admissionReportTimer()
{
    for (const QString &line : m_admission.dueReports(m_clock()))
        emit notice(line);
    armReportTimer();
}

void TServer::armReportTimer()
{
    const std::optional<qint64> due = m_admission.nextReport();
    if (!due) {
        m_reportTimer.stop();
        return;
    }
    const qint64 wait = std::clamp<qint64>(*due - m_clock(), 0, Admission::limits().reportGapMs);
    m_reportTimer.start(int(wait));
}
