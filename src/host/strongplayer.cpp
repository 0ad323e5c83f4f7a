// The Strong computer player.
//
// It tries every legal placement of every distinct tile in its hand and
// weighs the board each one leaves:
//   + the points the placement earns now (getscore, squares included);
//   - what the next seats may expect to take: a free cell with k neighbours
//     is fitted by a hand of seven unseen tiles with probability
//     1 - (1 - 4^-k)^7, and a reply takes the best cell it fits, so a
//     square opened to a cell that any hand fills weighs heavily, one that
//     asks for four matching sides hardly at all;
//   + what its own kept tiles can take next turn, if the others leave it;
//   + how many cells its kept tiles fit at all, so it keeps tiles that
//     still place late in the round and plays those that soon will not.
// The highest total wins; ties go to the first placement in board order.
// A placement changes only the cells around it, so each one is weighed
// from a survey of the board taken once, mended around the new tile.
#include "strongplayer.h"

#include "placement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

// Weights of the terms above, in points.
constexpr double ReplyWeight = 1.0;
constexpr double NextTurnWeight = 1.0;
constexpr double FitWeight = 1.0;
constexpr int FitCap = 4;

// A free cell with at least one neighbour: what it is worth and asks for.
struct Opening
{
    int x = 0;
    int y = 0;
    int points = 0;
    int k = 0;  // neighbours, 1 to 4
    tile needs; // sides the neighbours ask for, 0 where none
};

bool survey(const board &b, int x, int y, Opening &cell)
{
    cell.x = x;
    cell.y = y;
    cell.needs = neededsides(b, x, y);
    cell.k = int(cell.needs.top != 0) + int(cell.needs.right != 0) + int(cell.needs.bottom != 0)
        + int(cell.needs.left != 0);
    cell.points = cell.k ? getscore(b, x, y) : 0;
    return cell.k != 0;
}

bool near(const Opening &cell, int x, int y)
{
    return std::abs(cell.x - x) <= 1 && std::abs(cell.y - y) <= 1;
}

bool byPoints(const Opening &a, const Opening &b)
{
    return a.points > b.points;
}

// The survey of the board before the move: its openings by points, and per
// hand slot the openings that tile fits, by what it could take there.
struct Survey
{
    std::array<Opening, 90> cells;
    int count = 0;
    std::array<std::array<int, 90>, hand::Slots> fitting{}; // indexes into cells
    std::array<int, hand::Slots> fittingCount{};
};

} // namespace

std::optional<StrongMove> strongmove(const board &b, const hand &h, int opponents)
{
    std::array<double, 5> replyChance{}; // by neighbours
    for (int k = 0; k <= 4; ++k)
        replyChance[k] = 1.0 - std::pow(1.0 - std::pow(0.25, k), hand::Slots);
    const auto takeable = [&replyChance](const Opening &cell) { return cell.points * (1.0 - replyChance[cell.k]); };

    Survey s;
    bool empty = true;
    for (int x = 0; x < board::Columns; ++x) {
        for (int y = 0; y < board::Rows; ++y) {
            empty = empty && !b.taken(x, y);
            if (!b.taken(x, y) && survey(b, x, y, s.cells[s.count]))
                ++s.count;
        }
    }
    std::stable_sort(s.cells.begin(), s.cells.begin() + s.count, byPoints);
    for (int slot = 0; slot < hand::Slots; ++slot) {
        auto &list = s.fitting[slot];
        int &n = s.fittingCount[slot];
        for (int i = 0; i < s.count; ++i) {
            if (fitsneeds(h.tiles[slot], s.cells[i].needs))
                list[n++] = i;
        }
        std::stable_sort(list.begin(), list.begin() + n,
                         [&](int a, int b) { return takeable(s.cells[a]) > takeable(s.cells[b]); });
    }

    std::optional<StrongMove> best;
    double bestValue = 0;
    board after = b;
    for (int slot = 1; slot <= hand::Slots; ++slot) {
        const tile t = h.at(slot);
        if (t.isEmpty())
            continue;
        // The same tile in an earlier slot has been weighed already.
        bool seen = false;
        for (int earlier = 1; earlier < slot && !seen; ++earlier)
            seen = h.at(earlier) == t;
        if (seen)
            continue;
        for (int x = 0; x < board::Columns; ++x) {
            for (int y = 0; y < board::Rows; ++y) {
                if (empty ? (x != 5 || y != 5) : b.taken(x, y))
                    continue;
                if (!fitsneeds(t, neededsides(b, x, y)))
                    continue;
                after.at(x, y) = t;
                // The cells around the new tile as they are now.
                std::array<Opening, 8> local;
                int localCount = 0;
                for (int dx = -1; dx <= 1; ++dx) {
                    for (int dy = -1; dy <= 1; ++dy) {
                        const int nx = x + dx, ny = y + dy;
                        Opening cell;
                        if (!(dx || dy) || !board::onBoard(nx, ny) || after.taken(nx, ny)
                            || !survey(after, nx, ny, cell))
                            continue;
                        // Kept by points, as the survey is.
                        int at = localCount++;
                        for (; at > 0 && byPoints(cell, local[at - 1]); --at)
                            local[at] = local[at - 1];
                        local[at] = cell;
                    }
                }
                after.at(x, y) = tile{};

                // The next seats' best reply: the cells from the most
                // points down, each taken only when none above it was.
                double reply = 0, noneYet = 1;
                for (int i = 0, j = 0; (i < s.count || j < localCount) && noneYet > 1e-4;) {
                    if (i < s.count && near(s.cells[i], x, y)) {
                        ++i;
                        continue;
                    }
                    const bool fromLocal = j < localCount && (i >= s.count || local[j].points > s.cells[i].points);
                    const Opening &cell = fromLocal ? local[j++] : s.cells[i++];
                    reply += cell.points * replyChance[cell.k] * noneYet;
                    noneYet *= 1 - replyChance[cell.k];
                }

                // The kept tiles: their best cell next turn and how many
                // cells they fit.
                double bestNext = 0, keeping = 0;
                for (int kept = 0; kept < hand::Slots; ++kept) {
                    if (kept == slot - 1 || h.tiles[kept].isEmpty())
                        continue;
                    int fits = 0;
                    bool bestFound = false;
                    for (int n = 0; n < s.fittingCount[kept]; ++n) {
                        const Opening &cell = s.cells[s.fitting[kept][n]];
                        if (near(cell, x, y))
                            continue;
                        if (!bestFound)
                            bestNext = std::max(bestNext, takeable(cell));
                        bestFound = true;
                        if (++fits >= FitCap)
                            break;
                    }
                    for (int j = 0; j < localCount; ++j) {
                        if (fitsneeds(h.tiles[kept], local[j].needs)) {
                            bestNext = std::max(bestNext, takeable(local[j]));
                            ++fits;
                        }
                    }
                    keeping += std::min(fits, FitCap);
                }

                const double value = getscore(b, x, y) - ReplyWeight * opponents * reply
                    + NextTurnWeight * bestNext + FitWeight * keeping;
                // Board order first, then slot order, breaks ties.
                const bool better = !best || value > bestValue + 1e-9
                    || (value > bestValue - 1e-9 && (x < best->x || (x == best->x && y < best->y)));
                if (better) {
                    best = StrongMove{x, y, slot};
                    bestValue = value;
                }
            }
        }
    }
    return best;
}
