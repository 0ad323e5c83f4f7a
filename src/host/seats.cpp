// TServer: login, leaving, moderation, sitting out and relaying.
//
// Every message names a seat. The host checks it against the connection the
// message came from: a player speaks only for its own seat, and only the
// hosting player (seat 1) removes players or sets another seat to sit out.
// Anything else is dropped without effect, as are seat numbers outside the
// table.
#include "tserver.h"

#include "protocol.h"

namespace {

// The colour part of a chat line is a colour name or "$" and eight
// hexadecimal digits; nothing longer is a colour.
constexpr qsizetype MaxColourLength = 16;
// A chatter sound's rest is "wave", its number and "+".
constexpr qsizetype MaxSoundLength = 16;

// Chat and action text as it is relayed: the text cut to the longest a chat
// input sends, its colour to the longest colour text.
QByteArray relayedText(const QByteArray &rest)
{
    const qsizetype bar = rest.indexOf('|');
    if (bar < 0)
        return rest.left(wire::MaxTextLength);
    return rest.left(std::min(bar, wire::MaxTextLength)) + '|' + rest.mid(bar + 1, MaxColourLength);
}

} // namespace

QByteArray TServer::cleanName(const QByteArray &name, int seat)
{
    QByteArray clean = name.left(wire::MaxNameLength);
    clean.replace('+', '-');
    clean.replace(wire::Terminator, 'y');
    // Receivers cut chat and action lines at their first "|", so a "|" in
    // the name would swallow every line its player writes; line breaks and
    // other control bytes would break the one-name-per-line tally files of
    // everyone who plays against them.
    clean.replace('|', '!');
    for (char &c : clean) {
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    }
    if (clean.trimmed().isEmpty())
        clean = "Player" + QByteArray::number(seat);
    return clean;
}

void TServer::receivedlogininfo(const QByteArray &body, int origin)
{
    wire::FieldReader reader(body);
    const int seat = reader.num();
    const QByteArray version = reader.field();
    const QByteArray name = reader.rest();
    // The connection must still hold its seat: a login that was queued
    // before its connection closed would otherwise mark a seat in use that
    // no connection will ever free.
    if (!SeatTable::valid(seat) || seat != origin || !m_seats[seat].inuse)
        return;

    const QByteArray clean = cleanName(name, seat);
    Link &link = m_links[seat];
    // A removed player stays away under his name from any address, so
    // that he cannot come back over the other address family. The caller
    // closes a connection whose login did not take.
    if (!link.own && m_admission.nameRemoved(clean)) {
        tellRefusal(link.address, Admission::Refusal::Removed, clean);
        return;
    }

    seatrecord &record = m_seats[seat];
    record.name = clean;
    // Its address may come back to a locked table. The hosting player's
    // own client has no address of its own to remember.
    if (link.serial != 0 && !link.own)
        m_admission.heldSeat(link.address);

    m_seats.sendToAll(wire::host::newplayerinfo(seat, record.name));

    const QList<wire::PresentPlayer> others = m_seats.othersThan(seat);
    if (!others.isEmpty())
        m_seats.sendToSeat(seat, wire::host::existingplayers(others));

    if (version != wire::ProgramVersion) {
        m_seats.sendToSeat(1, wire::host::havewrongversion(record.name));
        m_seats.sendToSeat(seat, wire::host::wrongversion());
    }

    m_flow.bringUpToDate(seat);
    emit tableChanged();
}

void TServer::leaveSeat(int seat)
{
    // A connection that never logged in was never announced either.
    if (m_seats.loggedIn(seat))
        m_seats.sendToOthers(seat, wire::host::playerdisconnected(seat, m_seats[seat].name));
    m_seats.vacate(seat);
    // Nothing the connection sent is taken any more.
    forgetLink(seat);
    emit tableChanged();

    // The hosting player's own seat keeps its turn: its leaving ends the
    // program anyway.
    if (m_flow.gamerunning() && seat != 1 && m_flow.holdsHumanTurn(seat))
        m_flow.findplayer();
}

void TServer::kickhim(const QByteArray &body, int origin)
{
    wire::FieldReader reader(body);
    const int requester = reader.num();
    const int target = reader.num();
    if (requester != 1 || origin != 1 || !SeatTable::valid(target))
        return;
    // Removed means removed: the player's address (an IPv6 address by its
    // /64) and name stay away while this copy hosts. The hosting player's
    // own connection is never barred, nor everyone who shares a loopback
    // address with the removed player.
    const Link &link = m_links[target];
    if (target != 1 && !link.own && m_seats.loggedIn(target) && link.serial != 0 && m_seats[target].sock) {
        const QString name = wire::decodeText(m_seats[target].name);
        if (Admission::tellsWhoCame(link.address)) {
            m_admission.removed(link.address, m_seats[target].name);
            // In English like every notice of the host; the program shows it
            // in the player's language (WireLines).
            emit notice(QStringLiteral("%1 is removed: %2 and the name %1 stay away while you host.")
                            .arg(name, Admission::blockOf(link.address)));
        } else {
            m_admission.removed(std::nullopt, m_seats[target].name);
            emit notice(QStringLiteral("%1 is removed: the name %1 stays away while you host.").arg(name));
        }
    }
    disconnectsock(target);
}

void TServer::justwatch(const QByteArray &body, int origin)
{
    wire::FieldReader reader(body);
    const int seat = reader.num();
    const QByteArray mode = reader.rest();
    if (!SeatTable::playerSeat(seat))
        return;
    if (seat != origin && origin != 1)
        return;

    if (mode == "2") {
        m_seats[seat].watching = false;
        m_seats.sendToAll(wire::host::justwatching(seat, 2));
    } else if (mode == "1" && m_flow.gamerunning()) {
        // Whether a person was about to play this turn is judged before the
        // seat becomes computer-played.
        const bool passTurn = m_flow.holdsHumanTurn(seat);
        m_seats[seat].watching = true;
        m_seats.sendToAll(wire::host::justwatching(seat, 1));
        if (passTurn)
            m_flow.findplayer();
    }
}

void TServer::chat(const QByteArray &body, int origin)
{
    wire::FieldReader reader(body);
    const int seat = reader.num();
    if (!SeatTable::valid(seat) || seat != origin)
        return;
    m_seats.sendToAll(wire::host::chat(seat, m_seats[seat].name, relayedText(reader.rest())));
}

void TServer::action(const QByteArray &body, int origin)
{
    wire::FieldReader reader(body);
    const int seat = reader.num();
    if (!SeatTable::valid(seat) || seat != origin)
        return;
    m_seats.sendToAll(wire::host::action(seat, m_seats[seat].name, relayedText(reader.rest())));
}

void TServer::playasound(const QByteArray &body, int origin)
{
    wire::FieldReader reader(body);
    const int seat = reader.num();
    if (!SeatTable::valid(seat) || seat != origin)
        return;
    m_seats.sendToAll(wire::host::playasound(seat, reader.rest().left(MaxSoundLength)));
}
