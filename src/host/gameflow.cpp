// GameFlow: games, rounds, turns, placements and the end of a game.
//
// timer1 counts the pauses between steps: 1 tick after a placement, 3 after
// a seat is found without a move, 7 between rounds. Its pending action waits
// in its Tag.
#include "gameflow.h"

#include "botspeed.h"
#include "placement.h"
#include "protocol.h"
#include "seattable.h"

#include <algorithm>

namespace {

constexpr int Timer1Interval = 1000;

} // namespace

GameFlow::GameFlow(SeatTable &seats, RandomSource &random)
    : m_seats(seats), m_random(random), m_expertRandom(RandomSource::timeOfDaySeed()),
      m_expert([this](std::optional<ExpertMove> move) { expertAnswered(move); })
{
    m_timer1.setInterval(Timer1Interval);
    QObject::connect(&m_timer1, &QTimer::timeout, &m_timer1, [this] { timer1Timer(); });
    m_computertimer.setInterval(DefaultBotSpeed);
    QObject::connect(&m_computertimer, &QTimer::timeout, &m_computertimer, [this] { computertimerTimer(); });
}

GameFlow::~GameFlow()
{
    m_timer1.stop();
    m_computertimer.stop();
}

void GameFlow::scheduleAction(PendingAction pending, int ticks)
{
    m_timer1.stop();
    m_timer1.Tag = pending;
    m_turncountdown = ticks;
    m_timer1.start();
}

void GameFlow::cancelComputerMove()
{
    m_computertimer.stop();
    m_computertimer.Tag = 0;
    dropExpertSearch();
}

bool GameFlow::holdsHumanTurn(int seat) const
{
    const bool computerMoveWaiting = (m_computertimer.Tag == 1 || m_expertDue) && m_botSeat == seat;
    return m_gamerunning && m_turnOpen && m_currentplayer == seat && !computerMoveWaiting;
}

void GameFlow::startgame(const QByteArray &body, int origin)
{
    // Only the hosting player's own client starts (and restarts) games.
    if (origin != 1)
        return;
    wire::FieldReader reader(body);
    // The name is only announced; it is cut like a stored name.
    const QByteArray name = reader.field().left(wire::MaxNameLength);
    // A field that is not a number means the default; a number outside the
    // dialog's range is brought into it, so a huge count cannot make a game
    // that never ends and a zero count still plays a round.
    const std::optional<int> rounds = wire::parseNumber(reader.field());

    m_timer1.stop();
    m_timer1.Tag = NoAction;
    cancelComputerMove();
    m_turnOpen = false;
    m_gamerunning = true;
    m_numrounds = std::clamp(rounds.value_or(DefaultRounds), MinRounds, MaxRounds);

    m_seats.sendToAll(wire::host::startgame(name, m_numrounds));

    for (int seat = 1; seat <= SeatTable::PlayerSeats; ++seat)
        m_seats[seat].playing = false;
    int playingSeats = 0;
    for (int seat = 1; seat <= SeatTable::PlayerSeats; ++seat) {
        seatrecord &record = m_seats[seat];
        record.score = 0;
        record.watching = false;
        // Seat 2 always plays, by the computer when nobody sits there. A
        // connection that has not logged in is nobody yet.
        if (m_seats.loggedIn(seat) || seat == 2) {
            record.playing = true;
            ++playingSeats;
        }
    }
    m_currentplayer = static_cast<int>(m_random.random(static_cast<std::uint32_t>(playingSeats)));
    m_roundcount = 0;
    startround();
}

void GameFlow::startround()
{
    if (m_roundcount + 1 > m_numrounds && checkforwin())
        return;
    m_firsttile = true;
    ++m_roundcount;
    for (int seat = 1; seat <= SeatTable::PlayerSeats; ++seat)
        m_seats[seat].nomoves = false;

    m_seats.sendToAll(wire::host::roundstarting(m_roundcount));
    if (m_changed)
        m_changed();

    m_board.clear();
    gettiles(m_pool, m_random);
    dealtiles(m_pool, m_seats);
    for (int seat = 1; seat <= SeatTable::PlayerSeats; ++seat) {
        if (m_seats[seat].playing)
            m_seats.sendToSeat(seat, wholeHand(seat));
    }
    findplayer();
}

void GameFlow::findplayer()
{
    // Whatever turn was open ends here, and a computer move still waiting
    // for it must not land on the next seat's turn.
    m_turnOpen = false;
    cancelComputerMove();

    // Seat 2 plays in every game, so a playing seat is found within six
    // steps; the bound only guards a table that was never set up.
    bool found = false;
    for (int step = 0; step < SeatTable::PlayerSeats && !found; ++step) {
        m_currentplayer = m_currentplayer >= SeatTable::PlayerSeats ? 1 : m_currentplayer + 1;
        found = m_seats[m_currentplayer].playing;
    }
    if (!found)
        return;

    seatrecord &record = m_seats[m_currentplayer];
    if (checkforplay(m_board, record.hand)) {
        record.nomoves = false;
        m_turnOpen = true;
        m_seats.sendToAll(wire::host::nextplayer(m_currentplayer));
        if (m_seats.computerPlays(m_currentplayer))
            startComputerTurn(m_currentplayer);
        return;
    }

    record.nomoves = true;
    m_seats.sendToAll(wire::host::nomoves(m_currentplayer));
    bool someoneCanPlace = false;
    for (int seat = 1; seat <= SeatTable::PlayerSeats; ++seat)
        someoneCanPlace = someoneCanPlace || (m_seats[seat].playing && !m_seats[seat].nomoves);
    scheduleAction(someoneCanPlace ? NextTurn : EndRound, 3);
}

void GameFlow::placetile(const QByteArray &body, int origin)
{
    wire::FieldReader reader(body);
    const int seat = reader.num();
    const int x = reader.num();
    const int y = reader.num();
    const int slot = reader.num();

    // A player places only for its own seat; the computer for the seat whose
    // turn it plays.
    if (!SeatTable::playerSeat(seat))
        return;
    if (origin != seat && origin != ComputerOrigin)
        return;
    // Only the seat holding an open turn places, once. A person places only
    // while the seat is theirs to play; a computer move already under way
    // for a player who came back still lands (the turn is closed by
    // whichever placement comes first).
    if (!m_gamerunning || !m_turnOpen || m_currentplayer != seat)
        return;
    if (origin == seat && m_seats.computerPlays(seat))
        return;
    if (!hand::validSlot(slot))
        return;

    seatrecord &record = m_seats[seat];
    const PlacementError error = validateplacement(m_board, record.hand, x, y, slot);
    if (error != PlacementOk) {
        m_seats.sendToSeat(seat, wire::host::anerror(seat, error));
        return;
    }

    m_turnOpen = false;
    cancelComputerMove();
    m_firsttile = false;

    const int gain = getscore(m_board, x, y);
    record.score += gain;
    const tile placed = record.hand.at(slot);
    m_board.at(x, y) = placed;
    refillslot(m_pool, record.hand, slot);

    m_seats.sendToAll(wire::host::heplace(seat, record.score, gain, x, y, placed));
    m_seats.sendToSeat(seat, wire::host::showtiles(seat, {{slot, record.hand.at(slot)}}));
    scheduleAction(NextTurn, 1);
}

void GameFlow::endround()
{
    m_seats.sendToAll(wire::host::roundend());
    scheduleAction(NextRound, 7);
}

void GameFlow::timer1Timer()
{
    if (m_timer1.Tag == NoAction)
        return;
    if (--m_turncountdown >= 1)
        return;
    m_timer1.stop();
    const int pending = m_timer1.Tag;
    m_timer1.Tag = NoAction;
    switch (pending) {
    case NextTurn: findplayer(); break;
    case NextRound: startround(); break;
    case EndRound: endround(); break;
    default: break;
    }
}

bool GameFlow::checkforwin()
{
    int leader = 1;
    for (int seat = 2; seat <= SeatTable::PlayerSeats; ++seat) {
        if (m_seats[seat].score > m_seats[leader].score)
            leader = seat;
    }
    for (int seat = 1; seat <= SeatTable::PlayerSeats; ++seat) {
        if (seat != leader && m_seats[seat].score == m_seats[leader].score)
            return false;
    }
    const seatrecord &winner = m_seats[leader];
    m_seats.sendToAll(wire::host::winner(winner.name.isEmpty() ? winner.botname : winner.name));
    m_gamerunning = false;
    m_turnOpen = false;
    if (m_changed)
        m_changed();
    return true;
}

void GameFlow::bringUpToDate(int seat)
{
    if (!m_gamerunning)
        return;
    if (SeatTable::playerSeat(seat)) {
        fillhand(m_pool, m_seats[seat].hand);
        m_seats.sendToSeat(seat, wholeHand(seat));
    }
    QList<wire::CellTile> cells;
    for (int x = 0; x < ::board::Columns; ++x) {
        for (int y = 0; y < ::board::Rows; ++y) {
            if (m_board.taken(x, y))
                cells.append({x, y, m_board.at(x, y)});
        }
    }
    if (!cells.isEmpty())
        m_seats.sendToSeat(seat, wire::host::loadboard(seat, cells));
    std::array<int, SeatTable::PlayerSeats> scores{};
    for (int s = 1; s <= SeatTable::PlayerSeats; ++s)
        scores[s - 1] = m_seats[s].score;
    m_seats.sendToSeat(seat, wire::host::loadstats(seat, m_numrounds, m_roundcount, m_currentplayer, scores));
}

QByteArray GameFlow::wholeHand(int seat) const
{
    QList<wire::SlotTile> tiles;
    for (int slot = 1; slot <= hand::Slots; ++slot)
        tiles.append({slot, m_seats[seat].hand.at(slot)});
    return wire::host::showtiles(seat, tiles);
}
