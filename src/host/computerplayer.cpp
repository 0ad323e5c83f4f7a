// GameFlow: the computer player. It plays the turns of every playing seat
// without an active person (seat 2 when nobody sits there, seats whose
// player left or sits out), one bot-speed interval after the turn was given,
// through the same placetile as a person, with the message a client would
// send. It plays Classic (below) or Strong (strongplayer.cpp), as the
// hosting player chose for every seat it plays.
#include "gameflow.h"

#include "botspeed.h"
#include "placement.h"
#include "protocol.h"
#include "scanorder.h"
#include "seattable.h"
#include "strongplayer.h"

void GameFlow::startComputerTurn(int seat)
{
    m_computertimer.stop();
    m_computertimer.setInterval(botSpeed());
    m_computertimer.Tag = 1;
    m_botcountdown = 1;
    m_botSeat = seat;
    m_computertimer.start();
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

void GameFlow::computerplay(int seat)
{
    if (!SeatTable::playerSeat(seat))
        return;
    if (m_botLevel && m_botLevel() == BotLevel::Strong) {
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
