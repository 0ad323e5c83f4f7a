// TServer: construction, the listener and its connections, the receive queue
// and sending.
#include "tserver.h"

#include "botnames.h"
#include "protocol.h"

namespace {

constexpr int SocktimerInterval = 10;
constexpr int Timer1Interval = 1000;
constexpr int DefaultBotSpeed = 1000;

} // namespace

TServer::TServer(RandomSource &random, QObject *parent)
    : QObject(parent), m_random(random)
{
    Sock1.setPortName(QStringLiteral("7772"));
    Sock1.OnAccept = [this](TSock *sender) { Sock1Accept(sender); };
    Sock1.OnRead = [this](TSock *sender, int count) { Sock1Read(sender, count); };
    tempsock.OnDisconnect = [this](TSock *sender) { tempsockDisconnect(sender); };
    tempsock.OnInfo = [this](TSock *sender, TSocketInfo info, const QString &msg) {
        tempsockInfo(sender, info, msg);
    };

    for (int seat = 2; seat <= PlayerSeats; ++seat)
        seats[seat].botname = botname(seat);

    // The queue timer runs only while lines wait, so an idle host costs
    // nothing; each tick still handles a single line.
    socktimer.setInterval(SocktimerInterval);
    connect(&socktimer, &QTimer::timeout, this, &TServer::socktimerTimer);
    timer1.setInterval(Timer1Interval);
    connect(&timer1, &QTimer::timeout, this, &TServer::timer1Timer);
    computertimer.setInterval(DefaultBotSpeed);
    connect(&computertimer, &QTimer::timeout, this, &TServer::computertimerTimer);

    // The host's names, compared in this order.
    const auto bind = [this](const char *name, void (TServer::*handler)(const QByteArray &, int)) {
        m_dispatcher.on(name, [this, handler](const QByteArray &body, int origin) { (this->*handler)(body, origin); });
    };
    bind("CMD_logininfo", &TServer::receivedlogininfo);
    bind("CMD_kickhim", &TServer::kickhim);
    bind("CMD_chat", &TServer::chat);
    bind("CMD_action", &TServer::action);
    bind("CMD_playasound", &TServer::playasound);
    bind("CMD_startgame", &TServer::startgame);
    bind("CMD_justwatch", &TServer::justwatch);
    bind("CMD_placetile", &TServer::placetile);
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
    timer1.stop();
    computertimer.stop();
}

void TServer::startHosting()
{
    Sock1.setListen(true);
}

void TServer::enqueue(const QByteArray &line, int origin)
{
    receivedlist.push(line, origin);
    if (origin >= 1 && origin <= MaxSeats)
        ++m_waiting[origin];
    if (!socktimer.isActive())
        socktimer.start();
}

void TServer::Sock1Accept(TSock *sender)
{
    Q_UNUSED(sender);
    // The lowest seat number that is free, up to the highest handed out;
    // a new number only when all of those are taken.
    int seat = 0;
    for (int s = 1; s <= connectioncount; ++s) {
        if (!seats[s].inuse) {
            seat = s;
            break;
        }
    }
    if (seat == 0 && connectioncount < MaxSeats)
        seat = connectioncount + 1;

    if (seat == 0) {
        // All nine numbers are taken: tell the newcomer and let it go.
        TSock *refused = nullptr;
        if (!Sock1.Accept(refused))
            return;
        refused->OnRead = nullptr;
        refused->OnDisconnect = nullptr;
        refused->OnInfo = nullptr;
        seats[SpareSeat].sock = refused;
        try {
            refused->Send(wire::host::full());
        } catch (const ESockException &) {
        }
        seats[SpareSeat].sock = nullptr;
        delete refused;
        return;
    }

    TSock *previous = seats[seat].sock;
    TSock *connection = nullptr;
    if (!Sock1.Accept(connection))
        return;
    if (seat > connectioncount)
        connectioncount = seat;

    // The previous connection of this number is closed; it goes now, with
    // its bindings cut so that nothing of it reaches the new occupant.
    if (previous) {
        previous->OnRead = nullptr;
        previous->OnDisconnect = nullptr;
        previous->OnInfo = nullptr;
        previous->deleteLater();
    }

    seatrecord &record = seats[seat];
    record.sock = connection;
    record.inuse = true;
    m_framers[seat].clear();
    connection->setTag(seat);
    connection->OnDisconnect = tempsock.OnDisconnect;
    connection->OnRead = [this](TSock *s, int count) { Sock1Read(s, count); };
    connection->OnInfo = tempsock.OnInfo;

    sendToSeat(seat, wire::host::sendlogininfo(seat));
}

void TServer::Sock1Read(TSock *sender, int count)
{
    Q_UNUSED(count);
    const int seat = sender->Tag();
    if (seat < 1 || seat > MaxSeats || seats[seat].sock != sender)
        return;
    QByteArray bytes;
    try {
        bytes = sender->Receive();
    } catch (const ESockException &) {
        return;
    }
    wire::LineFramer &framer = m_framers[seat];
    bool flooding = false;
    for (const QByteArray &line : framer.feed(bytes)) {
        if (m_waiting[seat] >= MaxWaitingLines) {
            flooding = true;
            break;
        }
        enqueue(line, seat);
    }
    // A peer that sends an endless message without its terminator, or more
    // messages than the host could handle for it, is broken or hostile: it
    // loses its connection, which frees the seat as usual.
    if (framer.overflowed() || flooding) {
        framer.clear();
        sender->Close();
    }
}

void TServer::tempsockDisconnect(TSock *sender)
{
    const int seat = sender->Tag();
    if (seat >= 1 && seat <= MaxSeats && seats[seat].sock == sender)
        disconnectsock(seat);
}

void TServer::tempsockInfo(TSock *sender, TSocketInfo info, const QString &msg)
{
    Q_UNUSED(info);
    if (msg != QLatin1String("Socket Closed"))
        return;
    const int seat = sender->Tag();
    if (seat < 1 || seat > MaxSeats || seats[seat].sock != sender)
        return;
    leaveSeat(seat);
}

void TServer::disconnectsock(int seat)
{
    if (seat < 1 || seat > MaxSeats || !seats[seat].inuse || !seats[seat].sock)
        return;
    seats[seat].sock->Close();
}

void TServer::socktimerTimer()
{
    if (std::optional<wire::QueuedLine> line = receivedlist.take()) {
        if (line->origin >= 1 && line->origin <= MaxSeats)
            --m_waiting[line->origin];
        m_dispatcher.dispatch(line->text, line->origin);
    }
    if (receivedlist.isEmpty())
        socktimer.stop();
}

void TServer::sendToSeat(int seat, const QByteArray &message)
{
    if (seat < 1 || seat > SpareSeat || !seats[seat].inuse)
        return;
    if (m_observer)
        m_observer(seat, message);
    if (TSock *connection = seats[seat].sock) {
        try {
            connection->Send(message);
        } catch (const ESockException &) {
            // The connection is gone; its close event frees the seat.
        }
    }
}

void TServer::sendToAll(const QByteArray &message)
{
    for (int seat = 1; seat <= connectioncount; ++seat)
        sendToSeat(seat, message);
}

QByteArray TServer::wholeHand(int seat) const
{
    QList<wire::SlotTile> tiles;
    for (int slot = 1; slot <= hand::Slots; ++slot)
        tiles.append({slot, seats[seat].hand.at(slot)});
    return wire::host::showtiles(seat, tiles);
}

int TServer::botSpeed() const
{
    const int ms = m_botSpeed ? m_botSpeed() : DefaultBotSpeed;
    return ms > 0 ? ms : DefaultBotSpeed;
}
