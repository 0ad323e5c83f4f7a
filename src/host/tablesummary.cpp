#include "tablesummary.h"

#include "tserver.h"

#include <algorithm>

TableSummary summarizeTable(const TServer &server)
{
    TableSummary summary;
    const SeatTable &seats = server.seats();
    for (int seat = 1; seat <= SeatTable::MaxSeats; ++seat) {
        const seatrecord &record = seats[seat];
        if (!record.inuse)
            ++summary.free;
        else if (seats.loggedIn(seat))
            ++(SeatTable::playerSeat(seat) ? summary.players : summary.watchers);
    }
    const GameFlow &flow = server.flow();
    summary.playing = flow.gamerunning();
    if (summary.playing) {
        summary.round = flow.roundcount();
        // A tie at the top plays rounds beyond the number chosen.
        summary.rounds = std::max(flow.numrounds(), flow.roundcount());
    }
    return summary;
}
