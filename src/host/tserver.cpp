// TServer: construction, the listener and its connections, the receive queue
// and the relay limits.
#include "tserver.h"

#include "connectionliveness.h"
#include "protocol.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

constexpr int SocktimerInterval = 10;

} // namespace

TServer::TServer(RandomSource &random, QObject *parent)
    : QObject(parent), m_flow(m_seats, random)
{
    Sock1.setPortName(QStringLiteral("7772"));
    // Every accepted connection watches its peer, so that a player whose
    // network vanished is noticed and leaves like one who quit.
    Sock1.setKeepAlive(true);
    Sock1.OnAccept = [this](TSock *sender) { Sock1Accept(sender); };
    Sock1.OnRead = [this](TSock *sender, int count) { Sock1Read(sender, count); };
    tempsock.OnDisconnect = [this](TSock *sender) { tempsockDisconnect(sender); };
    tempsock.OnInfo = [this](TSock *sender, TSocketInfo info, const QString &msg) {
        tempsockInfo(sender, info, msg);
    };

    m_flow.setChangeObserver([this] { emit tableChanged(); });

    QElapsedTimer monotonic;
    monotonic.start();
    m_clock = [monotonic] { return monotonic.elapsed(); };

    // The queue timer runs only while lines wait, so an idle host costs
    // nothing; each tick still handles a single line.
    socktimer.setInterval(SocktimerInterval);
    connect(&socktimer, &QTimer::timeout, this, &TServer::socktimerTimer);
    m_promptDispatch.setSingleShot(true);
    m_promptDispatch.setInterval(0);
    connect(&m_promptDispatch, &QTimer::timeout, this, [this] {
        // socktimer paces whatever waits behind this line; socktimerTimer
        // stops it again when nothing does.
        socktimer.start();
        socktimerTimer();
    });

    m_loginTimer.setSingleShot(true);
    connect(&m_loginTimer, &QTimer::timeout, this, &TServer::loginDeadlineTimer);
    m_reportTimer.setSingleShot(true);
    connect(&m_reportTimer, &QTimer::timeout, this, &TServer::admissionReportTimer);

    // The host's names, compared in this order.
    const auto bind = [this](const char *name, void (TServer::*handler)(const QByteArray &, int)) {
        m_dispatcher.on(name, [this, handler](const QByteArray &body, int origin) { (this->*handler)(body, origin); });
    };
    bind("CMD_logininfo", &TServer::receivedlogininfo);
    bind("CMD_kickhim", &TServer::kickhim);
    bind("CMD_chat", &TServer::chat);
    bind("CMD_action", &TServer::action);
    bind("CMD_playasound", &TServer::playasound);
    m_dispatcher.on("CMD_startgame", [this](const QByteArray &body, int origin) { m_flow.startgame(body, origin); });
    bind("CMD_justwatch", &TServer::justwatch);
    m_dispatcher.on("CMD_placetile", [this](const QByteArray &body, int origin) { m_flow.placetile(body, origin); });
}

TServer::~TServer()
{
    // The accepted connections die with the listener and close on the way;
    // their events must not reach a half-destroyed host.
    Sock1.OnAccept = nullptr;
    Sock1.OnRead = nullptr;
    for (TSock *connection : Sock1.findChildren<TSock *>(Qt::FindDirectChildrenOnly)) {
        connection->OnRead = nullptr;
        connection->OnDisconnect = nullptr;
        connection->OnInfo = nullptr;
    }
    socktimer.stop();
    m_promptDispatch.stop();
    m_loginTimer.stop();
    m_reportTimer.stop();
}

void TServer::startHosting()
{
    // A new hosting session: whoever was removed or turned away before may
    // try again.
    m_admission.clear();
    Sock1.setListen(true);
}

void TServer::enqueue(const QByteArray &line, int origin)
{
    auto [name, body] = wire::splitMessage(line);
    enqueue(std::move(name), std::move(body), origin);
}

void TServer::enqueue(QByteArray name, QByteArray body, int origin)
{
    quint64 serial = 0;
    if (SeatTable::valid(origin)) {
        Link &link = m_links[origin];
        serial = link.serial;
        ++link.waiting;
    }
    receivedlist.push(std::move(name), std::move(body), origin, serial);
    if (!socktimer.isActive() && !m_promptDispatch.isActive()) {
        // The queue was idle: this line waits only for what is left of the
        // tick since the last line was handled, not for a whole new tick.
        const qint64 tick = socktimer.interval();
        const qint64 since = m_sinceDispatch.isValid() ? m_sinceDispatch.elapsed() : tick;
        m_promptDispatch.start(int(std::clamp<qint64>(tick - since, 0, tick)));
    }
}

void TServer::Sock1Read(TSock *sender, int count)
{
    Q_UNUSED(count);
    const int seat = sender->Tag();
    if (!SeatTable::valid(seat) || m_seats[seat].sock != sender)
        return;
    QByteArray bytes;
    try {
        bytes = sender->Receive();
    } catch (const ESockException &) {
        return;
    }
    if (!receivedBytes(seat, bytes))
        sender->Close();
}

bool TServer::receivedBytes(int seat, const QByteArray &bytes)
{
    if (!SeatTable::valid(seat) || !m_seats[seat].inuse)
        return false;
    Link &link = m_links[seat];
    const bool stranger = !m_seats.loggedIn(seat);
    bool flooding = false;
    for (const QByteArray &line : link.framer.feed(bytes)) {
        auto [name, body] = wire::splitMessage(line);
        if (stranger) {
            // Until its login has been handled a connection is heard only
            // to log in, once: anything else costs the table nothing, not
            // even a place in the queue. A stranger that sends more than a
            // login's worth is closed.
            link.bytesBeforeLogin += line.size() + 1;
            if (link.bytesBeforeLogin > Admission::BytesBeforeLogin) {
                flooding = true;
                break;
            }
            if (link.loginQueued || name != "CMD_logininfo")
                continue;
        } else if (!withinRelayLimits(seat, name)) {
            continue;
        }
        if (link.waiting >= MaxWaitingLines || receivedlist.size() >= MaxQueuedLines) {
            flooding = true;
            break;
        }
        if (stranger)
            link.loginQueued = true;
        enqueue(std::move(name), std::move(body), seat);
    }
    // A peer that sends an endless message without its terminator, or more
    // messages than the host could handle for it, is broken or hostile: it
    // loses its connection, which frees the seat as usual (and takes its
    // lines out of the queue). Before its login a line of a few KiB is
    // already endless.
    const bool endless = stranger && link.framer.pending() > Admission::BytesBeforeLogin;
    if (link.framer.overflowed() || flooding || endless) {
        link.framer.clear();
        return false;
    }
    return true;
}

bool TServer::withinRelayLimits(int seat, const QByteArray &name)
{
    // The limits are judged on arrival, so a flood never takes room in the
    // queue that everyone's messages share.
    if (name == "CMD_chat" || name == "CMD_action")
        return m_links[seat].limits.allowLine(m_clock());
    if (name == "CMD_playasound")
        return m_links[seat].limits.allowSound(m_clock());
    return true;
}

void TServer::tempsockDisconnect(TSock *sender)
{
    const int seat = sender->Tag();
    if (SeatTable::valid(seat) && m_seats[seat].sock == sender)
        disconnectsock(seat);
}

void TServer::tempsockInfo(TSock *sender, TSocketInfo info, const QString &msg)
{
    const int seat = sender->Tag();
    if (!SeatTable::valid(seat) || m_seats[seat].sock != sender)
        return;
    Q_UNUSED(msg);
    if (info == TSocketInfo::Error) {
        // The endpoint only reports an error. One that means the connection
        // is dead (a reset, a timeout of the liveness checks, ...) would
        // otherwise keep the seat, and a turn it holds, for ever: the
        // connection is closed, and the close runs the leaving steps below.
        if (ConnectionLiveness::meansConnectionLost(sender->LastError()))
            disconnectsock(seat);
        return;
    }
    // The endpoint's one Close info is its "Socket Closed".
    if (info == TSocketInfo::Close)
        leaveSeat(seat);
}

void TServer::disconnectsock(int seat)
{
    if (!SeatTable::valid(seat) || !m_seats[seat].inuse || !m_seats[seat].sock)
        return;
    m_seats[seat].sock->Close();
}

void TServer::socktimerTimer()
{
    // One line per tick; lines of a connection that may not speak through
    // them are passed over within the same tick, so they cost nobody a
    // tick.
    while (std::optional<wire::QueuedLine> line = receivedlist.take()) {
        const int origin = line->origin;
        bool login = false;
        if (SeatTable::valid(origin)) {
            // Only the connection that sent a line may speak through it: a
            // line from a connection that has left is never credited to the
            // seat's next occupant.
            Link &link = m_links[origin];
            if (line->connection == 0 || line->connection != link.serial)
                continue;
            --link.waiting;
            // Until its login has been taken, a connection speaks only to
            // log in.
            if (!m_seats.loggedIn(origin)) {
                if (line->name != "CMD_logininfo")
                    continue;
                login = true;
                link.loginQueued = false;
            }
        }
        m_sinceDispatch.start();
        const quint64 serial = SeatTable::valid(origin) ? m_links[origin].serial : 0;
        m_dispatcher.dispatch(line->name, line->body, origin);
        // A login that did not take (another seat's number, a field that is
        // no number, a name that was removed) is the connection's one try.
        if (login && m_links[origin].serial == serial && !m_seats.loggedIn(origin))
            disconnectsock(origin);
        break;
    }
    if (receivedlist.isEmpty())
        socktimer.stop();
}
