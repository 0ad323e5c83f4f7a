// TServer: who gets a seat number. Every pending connection is accepted so
// that its address can be judged; one that Admission refuses is told the
// table is full (or, past the rate of its address, only let go) and never
// takes a place. One that gets a place must log in before its deadline.
#include "tserver.h"

#include "protocol.h"

#include <algorithm>

void TServer::Sock1Accept(TSock *sender)
{
    Q_UNUSED(sender);
    TSock *connection = nullptr;
    if (!Sock1.Accept(connection))
        return;
    admit(connection, connection->HostName());
}

void TServer::admitRelayed(TSock *connection, const SocketAddress &player, const QByteArray &leftover)
{
    // Owned as an accepted connection is, and torn down with the others.
    connection->setParent(&Sock1);
    connection->setKeepAlive(true);
    const int seat = admit(connection, player.text());
    if (seat != 0 && !leftover.isEmpty() && !receivedBytes(seat, leftover))
        disconnectsock(seat);
}

int TServer::admit(TSock *connection, const QString &address)
{
    // Nothing of a connection reaches the host before it has a place.
    connection->OnRead = nullptr;
    connection->OnDisconnect = nullptr;
    connection->OnInfo = nullptr;

    const Admission::Refusal why = m_admission.judge(address, waitingFrom(address), m_clock());
    if (why != Admission::Refusal::None) {
        turnAway(connection, why, address);
        return 0;
    }
    int seat = m_seats.freeSeat();
    if (seat == 0)
        seat = makeRoom();
    if (seat == 0) {
        // All nine numbers are taken: tell the newcomer and let it go.
        turnAway(connection, Admission::Refusal::None, address);
        return 0;
    }
    seatConnection(seat, connection, address);
    return seat;
}

int TServer::makeRoom()
{
    // The connection that has waited longest to log in, if it has waited
    // longer than any player of the game would, gives way.
    int longest = 0;
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        if (waitsForLogin(seat) && m_links[seat].waitingSince.elapsed() >= Admission::limits().giveWayAfterMs
            && (longest == 0 || m_links[seat].waitingSince.elapsed() > m_links[longest].waitingSince.elapsed()))
            longest = seat;
    }
    if (longest == 0)
        return 0;
    // Closing runs the leaving steps, which tell nobody of a connection that
    // never logged in, and frees the seat.
    disconnectsock(longest);
    return m_seats.freeSeat();
}

void TServer::turnAway(TSock *connection, Admission::Refusal why, const QString &address)
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
    if (why == Admission::Refusal::None)
        return;
    if (const std::optional<QString> line = m_admission.refused(address, why, m_clock()))
        emit notice(*line);
    armReportTimer();
}

void TServer::seatConnection(int seat, TSock *connection, const QString &address)
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
    link.loginDue.setRemainingTime(Admission::limits().loginDeadlineMs);
    link.waitingSince.start();
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
    // seat no longer match it and are dropped when their turn comes.
    m_links[seat] = Link{};
    m_links[seat].serial = ++m_lastSerial;
    emit tableChanged();
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

int TServer::waitingFrom(const QString &address) const
{
    const QString block = Admission::blockOf(address);
    int waiting = 0;
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        if (waitsForLogin(seat) && Admission::blockOf(m_links[seat].address) == block)
            ++waiting;
    }
    return waiting;
}

void TServer::loginDeadlineTimer()
{
    // Closing runs the leaving steps, which for a connection that never
    // logged in tell nobody anything.
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        if (waitsForLogin(seat) && m_links[seat].loginDue.hasExpired())
            disconnectsock(seat);
    }
    armLoginTimer();
}

void TServer::armLoginTimer()
{
    std::optional<qint64> next;
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        if (waitsForLogin(seat)) {
            const qint64 left = m_links[seat].loginDue.remainingTime();
            next = std::min(next.value_or(left), left);
        }
    }
    if (next)
        m_loginTimer.start(int(std::max<qint64>(*next, 0)));
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
