// TServer: games, rounds, turns, placements and the end of a game.
//
// timer1 counts the pauses between steps: 1 tick after a placement, 3 after
// a seat is found without a move, 7 between rounds. Its pending action waits
// in its Tag.
#include "tserver.h"

#include "placement.h"
#include "protocol.h"

void TServer::scheduleAction(PendingAction pending, int ticks)
{
    timer1.stop();
    timer1.Tag = pending;
    turncountdown = ticks;
    timer1.start();
}

bool TServer::holdsHumanTurn(int seat) const
{
    const bool computerMoveWaiting = computertimer.Tag == 1 && botSeat == seat;
    return gamerunning && turnOpen && currentplayer == seat && !computerMoveWaiting;
}

void TServer::startgame(const QByteArray &body, int origin)
{
    // Only the hosting player's own client starts (and restarts) games.
    if (origin != 1)
        return;
    wire::FieldReader reader(body);
    const QByteArray name = reader.field();
    const std::optional<int> rounds = wire::parseNumber(reader.field());

    timer1.stop();
    timer1.Tag = NoAction;
    computertimer.stop();
    computertimer.Tag = 0;
    turnOpen = false;
    gamerunning = true;
    numrounds = rounds.value_or(3);

    sendToAll(wire::host::startgame(name, numrounds));

    for (int seat = 1; seat <= PlayerSeats; ++seat)
        seats[seat].playing = false;
    int playingSeats = 0;
    for (int seat = 1; seat <= PlayerSeats; ++seat) {
        seatrecord &record = seats[seat];
        record.score = 0;
        record.watching = false;
        // Seat 2 always plays, by the computer when nobody sits there.
        if (record.inuse || seat == 2) {
            record.playing = true;
            ++playingSeats;
        }
    }
    currentplayer = static_cast<int>(m_random.random(static_cast<std::uint32_t>(playingSeats)));
    roundcount = 0;
    startround();
}

void TServer::startround()
{
    if (roundcount + 1 > numrounds && checkforwin())
        return;
    firsttile = true;
    ++roundcount;
    for (int seat = 1; seat <= PlayerSeats; ++seat)
        seats[seat].nomoves = false;

    sendToAll(wire::host::roundstarting(roundcount));

    board.clear();
    gettiles(pool, m_random);
    dealtiles(pool, seats);
    for (int seat = 1; seat <= PlayerSeats; ++seat) {
        if (!seats[seat].playing)
            continue;
        sendToSeat(seat, wholeHand(seat));
    }
    findplayer();
}

void TServer::findplayer()
{
    // Whatever turn was open ends here, and a computer move still waiting
    // for it must not land on the next seat's turn.
    turnOpen = false;
    computertimer.stop();
    computertimer.Tag = 0;

    // Seat 2 plays in every game, so a playing seat is found within six
    // steps; the bound only guards a table that was never set up.
    bool found = false;
    for (int step = 0; step < PlayerSeats && !found; ++step) {
        currentplayer = currentplayer >= PlayerSeats ? 1 : currentplayer + 1;
        found = seats[currentplayer].playing;
    }
    if (!found)
        return;

    seatrecord &record = seats[currentplayer];
    if (checkforplay(board, record.hand)) {
        record.nomoves = false;
        turnOpen = true;
        sendToAll(wire::host::nextplayer(currentplayer));
        if (computerPlays(currentplayer))
            startComputerTurn(currentplayer);
        return;
    }

    record.nomoves = true;
    sendToAll(wire::host::nomoves(currentplayer));
    bool someoneCanPlace = false;
    for (int seat = 1; seat <= PlayerSeats; ++seat)
        someoneCanPlace = someoneCanPlace || (seats[seat].playing && !seats[seat].nomoves);
    scheduleAction(someoneCanPlace ? NextTurn : EndRound, 3);
}

void TServer::placetile(const QByteArray &body, int origin)
{
    wire::FieldReader reader(body);
    const int seat = reader.num();
    const int x = reader.num();
    const int y = reader.num();
    const int slot = reader.num();

    // A player places only for its own seat; the computer for the seat whose
    // turn it plays.
    if (seat < 1 || seat > PlayerSeats)
        return;
    if (origin != seat && origin != ComputerOrigin)
        return;
    // Only the seat holding an open turn places, once. A person places only
    // while the seat is theirs to play; a computer move already under way
    // for a player who came back still lands (the turn is closed by
    // whichever placement comes first).
    if (!gamerunning || !turnOpen || currentplayer != seat)
        return;
    if (origin == seat && computerPlays(seat))
        return;
    if (!hand::validSlot(slot))
        return;

    const PlacementError error = validateplacement(board, seats[seat].hand, x, y, slot);
    if (error != PlacementOk) {
        sendToSeat(seat, wire::host::anerror(seat, error));
        return;
    }

    turnOpen = false;
    computertimer.stop();
    computertimer.Tag = 0;
    firsttile = false;

    seatrecord &record = seats[seat];
    const int gain = getscore(board, x, y);
    record.score += gain;
    const tile placed = record.hand.at(slot);
    board.at(x, y) = placed;
    refillslot(pool, record.hand, slot);

    sendToAll(wire::host::heplace(seat, record.score, gain, x, y, placed));
    sendToSeat(seat, wire::host::showtiles(seat, {{slot, record.hand.at(slot)}}));
    scheduleAction(NextTurn, 1);
}

void TServer::endround()
{
    sendToAll(wire::host::roundend());
    scheduleAction(NextRound, 7);
}

void TServer::timer1Timer()
{
    if (timer1.Tag == NoAction)
        return;
    if (--turncountdown >= 1)
        return;
    timer1.stop();
    const int pending = timer1.Tag;
    timer1.Tag = NoAction;
    switch (pending) {
    case NextTurn: findplayer(); break;
    case NextRound: startround(); break;
    case EndRound: endround(); break;
    default: break;
    }
}

bool TServer::checkforwin()
{
    int leader = 1;
    for (int seat = 2; seat <= PlayerSeats; ++seat) {
        if (seats[seat].score > seats[leader].score)
            leader = seat;
    }
    for (int seat = 1; seat <= PlayerSeats; ++seat) {
        if (seat != leader && seats[seat].score == seats[leader].score)
            return false;
    }
    const seatrecord &winner = seats[leader];
    sendToAll(wire::host::winner(winner.name.isEmpty() ? winner.botname : winner.name));
    gamerunning = false;
    turnOpen = false;
    return true;
}
