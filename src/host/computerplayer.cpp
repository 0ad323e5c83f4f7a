// GameFlow: the computer player. It plays the turns of every playing seat
// without an active person (seat 2 when nobody sits there, seats whose
// player left or sits out), one bot-speed interval after the turn was given,
// through the same placetile as a person, with the message a client would
// send. It plays Classic (below), Strong (strongplayer.cpp) or Expert
// (expertplayer.cpp), as the hosting player chose for every seat it plays.
//
// The Expert thinks longer than a tick may take, so it thinks on a worker
// thread (ExpertThinker) from the moment its turn is given, while the
// bot-speed pause runs. When the pause is up its move goes down at once if
// the search has answered, or when it answers. Whatever ends the turn first
// (a placement, the next turn, a new game, the host closing) drops the
// search, and so does the seat's person taking it back: a turn the Expert
// has not played by then is the person's to play.
#include "gameflow.h"

#include "botspeed.h"
#include "placement.h"
#include "protocol.h"
#include "scanorder.h"
#include "seattable.h"
#include "strongplayer.h"
#include "tilepool.h"

void GameFlow::startComputerTurn(int seat)
{
    m_computertimer.stop();
    m_computertimer.setInterval(botSpeed());
    m_computertimer.Tag = 1;
    m_botcountdown = 1;
    m_botSeat = seat;
    m_computertimer.start();
    if (botLevel() == BotLevel::Expert)
        startExpertSearch(seat);
}

BotLevel GameFlow::botLevel() const
{
    return m_botLevel ? m_botLevel() : DefaultBotLevel;
}

int GameFlow::botSpeed() const
{
    const int ms = m_botSpeed ? m_botSpeed() : DefaultBotSpeed;
    return ms > 0 ? ms : DefaultBotSpeed;
}

void GameFlow::computertimerTimer()
{
    if (--m_botcountdown >= 1)
        return;
    m_computertimer.stop();
    if (m_computertimer.Tag != 1)
        return;
    m_computertimer.Tag = 0;
    // The move is for the turn it was started for; findplayer and placetile
    // cancel it whenever that turn ends first.
    if (m_gamerunning && m_turnOpen && m_currentplayer == m_botSeat)
        computerplay(m_currentplayer);
}

void GameFlow::placeForComputer(int seat, int x, int y, int slot)
{
    // The body of the CMD_placetile a client would send for this move.
    QByteArray message = wire::client::placetile(seat, x, y, slot);
    message.chop(1); // the terminator
    placetile(wire::splitMessage(message).second, ComputerOrigin);
}

void GameFlow::strongplay(int seat)
{
    // The other seats that can still place this round: whether a seat is
    // stuck was announced to everyone.
    int opponents = 0;
    for (int other = 1; other <= SeatTable::PlayerSeats; ++other)
        opponents += other != seat && m_seats[other].playing && !m_seats[other].nomoves;
    if (const std::optional<StrongMove> move = strongmove(m_board, m_seats[seat].hand, opponents))
        placeForComputer(seat, move->x, move->y, move->slot);
}

ExpertView GameFlow::expertView(int seat) const
{
    ExpertView view;
    view.board = m_board;
    view.hand = m_seats[seat].hand;
    for (int step = 1; step < SeatTable::PlayerSeats; ++step) {
        const int other = (seat - 1 + step) % SeatTable::PlayerSeats + 1;
        const seatrecord &record = m_seats[other];
        if (!record.playing)
            continue;
        ExpertView::Seat &seen = view.others[view.otherCount++];
        for (const tile &t : record.hand.tiles)
            seen.tiles += !t.isEmpty();
        seen.passed = record.nomoves;
    }
    view.poolsize = tilepool::Size - m_pool.poolindex;
    return view;
}

void GameFlow::dropExpertSearch()
{
    m_expert.drop();
    m_expertDue = false;
    m_expertAnswer.reset();
}

void GameFlow::startExpertSearch(int seat)
{
    dropExpertSearch();
    m_expert.start(expertView(seat), m_expertRandom.random(0xFFFFFFFFu));
}

void GameFlow::expertplay(int seat)
{
    // Taken back by its person: the turn is theirs now.
    if (!m_seats.computerPlays(seat)) {
        cancelComputerMove();
        return;
    }
    // Expert was chosen during the pause: it starts thinking now.
    if (m_botSeat != seat || (!m_expertAnswer && !m_expert.thinking())) {
        m_botSeat = seat;
        startExpertSearch(seat);
    }
    m_expertDue = true;
    if (m_expertAnswer)
        placeExpertMove();
}

void GameFlow::expertAnswered(std::optional<ExpertMove> move)
{
    m_expertAnswer = move;
    if (m_expertDue)
        placeExpertMove();
}

void GameFlow::placeExpertMove()
{
    const std::optional<ExpertMove> move = m_expertAnswer.value_or(std::nullopt);
    dropExpertSearch();
    // The search answers for the turn it was started for; anything that
    // ended that turn dropped it. The seat's person may have come back
    // while it thought.
    if (!m_gamerunning || !m_turnOpen || m_currentplayer != m_botSeat || !m_seats.computerPlays(m_botSeat))
        return;
    // A search that found nothing must not hold the turn for ever: Strong
    // plays it.
    if (!move) {
        strongplay(m_botSeat);
        return;
    }
    placeForComputer(m_botSeat, move->x, move->y, move->slot);
}

void GameFlow::computerplay(int seat)
{
    if (!SeatTable::playerSeat(seat))
        return;
    const BotLevel level = botLevel();
    if (level == BotLevel::Expert) {
        expertplay(seat);
        return;
    }
    // Another level was chosen during the pause.
    dropExpertSearch();
    if (level == BotLevel::Strong) {
        strongplay(seat);
        return;
    }
    const hand &h = m_seats[seat].hand;
    const auto place = [this, seat](int x, int y, int slot) { placeForComputer(seat, x, y, slot); };

    if (m_firsttile) {
        // Any tile opens the round on (5, 5). A playing seat's hand is full
        // during a round; a hand without any tile would never end the draw.
        bool anyTile = false;
        for (int slot = 1; slot <= hand::Slots; ++slot)
            anyTile = anyTile || !h.at(slot).isEmpty();
        if (!anyTile)
            return;
        int slot = 0;
        do {
            slot = m_random.between(1, hand::Slots);
        } while (h.at(slot).isEmpty());
        place(5, 5, slot);
        return;
    }

    // The random start decides among placements of the same level; a level
    // asks for at least that many neighbours: 3, then 2, 1, 0.
    const int x0 = static_cast<int>(m_random.random(::board::Columns));
    const int y0 = static_cast<int>(m_random.random(::board::Rows));
    const std::array<ScanCell, 90> order = scanOrder(x0, y0);
    for (int level = 3; level >= 0; --level) {
        for (const ScanCell &cell : order) {
            if (m_board.taken(cell.x, cell.y))
                continue;
            for (int slot = 1; slot <= hand::Slots; ++slot) {
                if (checksides(m_board, cell.x, cell.y, h.at(slot), level)) {
                    place(cell.x, cell.y, slot);
                    return;
                }
            }
        }
    }
    // No placement at all: the computer makes no move and nothing is
    // scheduled. It only gets a turn after checkforplay found one, so this
    // cannot happen while placements are taken from the turn's seat alone.
}
