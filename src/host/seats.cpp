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

bool validSeat(int seat)
{
    return seat >= 1 && seat <= TServer::MaxSeats;
}

} // namespace

QByteArray TServer::cleanName(const QByteArray &name, int seat)
{
    QByteArray clean = name;
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
    if (!validSeat(seat) || seat != origin || !seats[seat].inuse)
        return;

    seatrecord &record = seats[seat];
    record.name = cleanName(name, seat);

    sendToAll(wire::host::newplayerinfo(seat, record.name));

    QList<wire::PresentPlayer> others;
    for (int s = 1; s <= connectioncount; ++s) {
        if (s != seat && seats[s].inuse)
            others.append({s, seats[s].name, seats[s].watching});
    }
    if (!others.isEmpty())
        sendToSeat(seat, wire::host::existingplayers(others));

    if (version != m_version) {
        sendToSeat(1, wire::host::havewrongversion(record.name));
        sendToSeat(seat, wire::host::wrongversion());
    }

    if (!gamerunning)
        return;
    if (seat <= PlayerSeats) {
        fillhand(pool, record.hand);
        sendToSeat(seat, wholeHand(seat));
    }
    QList<wire::CellTile> cells;
    for (int x = 0; x < ::board::Columns; ++x) {
        for (int y = 0; y < ::board::Rows; ++y) {
            if (board.taken(x, y))
                cells.append({x, y, board.at(x, y)});
        }
    }
    if (!cells.isEmpty())
        sendToSeat(seat, wire::host::loadboard(seat, cells));
    std::array<int, PlayerSeats> scores{};
    for (int s = 1; s <= PlayerSeats; ++s)
        scores[s - 1] = seats[s].score;
    sendToSeat(seat, wire::host::loadstats(seat, numrounds, roundcount, currentplayer, scores));
}

void TServer::leaveSeat(int seat)
{
    seatrecord &record = seats[seat];
    if (record.inuse) {
        const QByteArray message = wire::host::playerdisconnected(seat, record.name);
        for (int s = 1; s <= connectioncount; ++s) {
            if (s != seat)
                sendToSeat(s, message);
        }
    }
    record.inuse = false;
    record.watching = false;
    record.name.clear();
    m_framers[seat].clear();

    // The hosting player's own seat keeps its turn: its leaving ends the
    // program anyway.
    if (gamerunning && seat != 1 && holdsHumanTurn(seat))
        findplayer();
}

void TServer::kickhim(const QByteArray &body, int origin)
{
    wire::FieldReader reader(body);
    const int requester = reader.num();
    const int target = reader.num();
    if (requester != 1 || origin != 1 || !validSeat(target))
        return;
    disconnectsock(target);
}

void TServer::justwatch(const QByteArray &body, int origin)
{
    wire::FieldReader reader(body);
    const int seat = reader.num();
    const QByteArray mode = reader.rest();
    if (seat < 1 || seat > PlayerSeats)
        return;
    if (seat != origin && origin != 1)
        return;

    if (mode == "2") {
        seats[seat].watching = false;
        sendToAll(wire::host::justwatching(seat, 2));
    } else if (mode == "1" && gamerunning) {
        // Whether a person was about to play this turn is judged before the
        // seat becomes computer-played.
        const bool passTurn = holdsHumanTurn(seat);
        seats[seat].watching = true;
        sendToAll(wire::host::justwatching(seat, 1));
        if (passTurn)
            findplayer();
    }
}

void TServer::chat(const QByteArray &body, int origin)
{
    wire::FieldReader reader(body);
    const int seat = reader.num();
    if (!validSeat(seat) || seat != origin)
        return;
    sendToAll(wire::host::chat(seat, seats[seat].name, reader.rest()));
}

void TServer::action(const QByteArray &body, int origin)
{
    wire::FieldReader reader(body);
    const int seat = reader.num();
    if (!validSeat(seat) || seat != origin)
        return;
    sendToAll(wire::host::action(seat, seats[seat].name, reader.rest()));
}

void TServer::playasound(const QByteArray &body, int origin)
{
    wire::FieldReader reader(body);
    const int seat = reader.num();
    if (!validSeat(seat) || seat != origin)
        return;
    sendToAll(wire::host::playasound(seat, reader.rest()));
}
