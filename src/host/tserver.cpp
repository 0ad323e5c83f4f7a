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
    quint64 serial = 0;
    if (SeatTable::valid(origin)) {
        Link &link = m_links[origin];
        serial = link.serial;
        ++link.waiting;
    }
    receivedlist.push(line, origin, serial);
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
        if (stranger && !allowedBeforeLogin(link, line))
            continue;
        if (!withinRelayLimits(seat, line))
            continue;
        if (link.waiting >= MaxWaitingLines) {
            flooding = true;
            break;
        }
        enqueue(line, seat);
    }
    // A peer that sends an endless message without its terminator, or more
    // messages than the host could handle for it, is broken or hostile: it
    // loses its connection, which frees the seat as usual. Before its login
    // a line of a few KiB is already endless.
    const bool endless = stranger && link.framer.pending() > Admission::BytesBeforeLogin;
    if (link.framer.overflowed() || flooding || endless) {
        link.framer.clear();
        return false;
    }
    return true;
}

bool TServer::allowedBeforeLogin(Link &link, const QByteArray &line)
{
    // A client logs in first and may send its first requests right behind
    // the login, before the host has handled it; those few are kept (and
    // dropped when their turn comes if the login failed). Anything else is
    // a stranger's and goes nowhere.
    link.bytesBeforeLogin += line.size();
    if (link.bytesBeforeLogin > Admission::BytesBeforeLogin)
        return false;
    if (link.loginQueued)
        return true;
    link.loginQueued = wire::splitMessage(line).first == "CMD_logininfo";
    return link.loginQueued;
}

bool TServer::withinRelayLimits(int seat, const QByteArray &line)
{
    // The limits are judged on arrival, so a flood never takes room in the
    // queue that everyone's messages share.
    const QByteArray name = wire::splitMessage(line).first;
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
    if (info == TSocketInfo::Error) {
        // The endpoint only reports an error. One that means the connection
        // is dead (a reset, a timeout of the liveness checks, ...) would
        // otherwise keep the seat, and a turn it holds, for ever: the
        // connection is closed, and the close runs the leaving steps below.
        if (ConnectionLiveness::meansConnectionLost(ConnectionLiveness::errorCodeOf(msg)))
            disconnectsock(seat);
        return;
    }
    if (msg != QLatin1String("Socket Closed"))
        return;
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
    if (std::optional<wire::QueuedLine> line = receivedlist.take()) {
        bool current = true;
        if (SeatTable::valid(line->origin)) {
            // Only the connection that sent a line may speak through it: a
            // line from a connection that has left, queued before it went,
            // is dropped rather than credited to the seat's next occupant.
            Link &link = m_links[line->origin];
            current = line->connection != 0 && line->connection == link.serial;
            if (current)
                --link.waiting;
            // Until its login has been taken, a connection speaks only to
            // log in.
            if (current && !m_seats.loggedIn(line->origin))
                current = wire::splitMessage(line->text).first == "CMD_logininfo";
        }
        if (current) {
            m_sinceDispatch.start();
            m_dispatcher.dispatch(line->text, line->origin);
        }
    }
    if (receivedlist.isEmpty())
        socktimer.stop();
}
