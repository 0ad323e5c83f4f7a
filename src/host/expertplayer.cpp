// The Expert computer player: determinized Monte Carlo search.
//
// The Expert cannot see the other hands or the pool, but it knows how they
// came about: every side of every tile is drawn at random. So it deals what
// it cannot see many times over, and in each such deal (a "sample") plays
// the next turns forward from each of its candidate placements:
//   - a sample is the other seats' hands (as many tiles as each holds) and
//     the tiles still to be drawn, all drawn at random; seats that passed
//     stay stuck, as they are for the rest of a real round;
//   - a playout puts the candidate down, refills the Expert's slot, and
//     lets every seat in turn order (the Expert too) take the placement
//     worth most: its points now, less half of what the square it sets up
//     may give the next seat (the square's points times the chance that a
//     hand of seven random tiles fits the last cell); among equals, the
//     first from a random cell on. It goes on for 12 placements or until
//     nobody can place;
//   - a playout is worth the Expert's points in it less the other seats'
//     average, so a placement that leaves a square to the next seat, or
//     keeps the tiles that will still fit a few turns on, shows as such.
// Every candidate is played in the same samples (common random numbers), so
// the differences between candidates are not drowned by the luck of the
// deals. With many candidates, a short screen (4 placements on, in a few
// samples) first keeps the 12 most promising ones, and always the Strong
// player's choice; then sequential halving plays the longer playouts: each
// step spends an equal share of the budget on the candidates left and drops
// the worse half, until one is left.
//
// The budget is counted in simulated placements, never in time, so the same
// view and seed give the same move on any machine and under any load.
#include "expertplayer.h"

#include "placement.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

namespace {

constexpr int Cells = board::Columns * board::Rows;
constexpr int MaxSeats = 1 + ExpertView::MaxOthers;

// Work per move, in simulated placements: what keeps a move within its
// CPU budget on one core (about 90 ms at the median on the machine the
// benchmark runs on).
constexpr long Budget = 160000;
// Candidates above this number are screened first, in samples of
// ScreenDepth plies after the candidate that may spend ScreenBudget
// placements.
constexpr int ScreenKeep = 12;
constexpr int ScreenDepth = 4;
constexpr long ScreenBudget = 8000;
// Plies of a playout after the candidate. Deeper playouts only add the
// noise of turns too far ahead to be told apart.
constexpr int FullDepth = 12;
// How much of the square a placement sets up for the next seat counts
// against it in a playout, in sixteenths.
constexpr int ExposureWeight = 8;

// A tile packed into one byte, two bits a side (side value - 1): top in
// bits 6-7, right 4-5, bottom 2-3, left 0-1.
using Code = std::uint8_t;

Code codeOf(const tile &t)
{
    return Code(((t.top - 1) & 3) << 6 | ((t.right - 1) & 3) << 4 | ((t.bottom - 1) & 3) << 2 | ((t.left - 1) & 3));
}

// Which cells border which: the four sides (above, right, below, left; -1
// off the board), the up to eight cells around, and the up to four 2 by 2
// blocks with the other three cells of each.
struct Geometry
{
    std::array<std::array<int, 4>, Cells> side{};
    std::array<std::array<int, 8>, Cells> around{};
    std::array<int, Cells> aroundCount{};
    std::array<std::array<std::array<int, 3>, 4>, Cells> blocks{};
    std::array<int, Cells> blockCount{};

    static int index(int x, int y) { return board::onBoard(x, y) ? x * board::Rows + y : -1; }

    Geometry()
    {
        for (int x = 0; x < board::Columns; ++x) {
            for (int y = 0; y < board::Rows; ++y) {
                const int c = index(x, y);
                side[c] = {index(x, y - 1), index(x + 1, y), index(x, y + 1), index(x - 1, y)};
                for (int dx = -1; dx <= 1; ++dx) {
                    for (int dy = -1; dy <= 1; ++dy) {
                        if ((dx || dy) && board::onBoard(x + dx, y + dy))
                            around[c][aroundCount[c]++] = index(x + dx, y + dy);
                        if (dx && dy && board::onBoard(x + dx, y + dy))
                            blocks[c][blockCount[c]++] = {index(x + dx, y), index(x, y + dy), index(x + dx, y + dy)};
                    }
                }
            }
        }
    }
};

const Geometry &geometry()
{
    static const Geometry g;
    return g;
}

// The board as the search plays on it: per free cell what its neighbours
// ask of a tile (a mask of the asked sides and their values) and what a
// tile there earns, kept up to date around every placement.
struct Position
{
    std::array<Code, Cells> code{};
    std::array<std::uint8_t, Cells> taken{};
    std::array<std::uint8_t, Cells> mask{};
    std::array<std::uint8_t, Cells> need{};
    std::array<std::uint8_t, Cells> points{};

    bool fits(Code t, int c) const { return (t & mask[c]) == need[c]; }

    // What the next seat may expect from the squares a tile on c sets up:
    // a 2 by 2 block with c and two more of its cells taken leaves its last
    // cell worth 50 more; the most such a cell would then earn, times the
    // chance that a hand of seven random tiles fits it; in 1/1024 points.
    int exposure(int c, const int *Fit) const
    {
        const Geometry &g = geometry();
        int most = 0;
        for (int b = 0; b < g.blockCount[c]; ++b) {
            const auto &block = g.blocks[c][b];
            // block: the side cell along X, the side cell along Y, the
            // diagonal cell.
            const int open = !taken[block[0]] + !taken[block[1]] + !taken[block[2]];
            if (open != 1)
                continue;
            const int last = !taken[block[0]] ? block[0] : !taken[block[1]] ? block[1] : block[2];
            const bool touches = last != block[2];
            const int k = std::popcount(unsigned(mask[last])) / 2 + touches;
            const int p = points[last] + SquarePoints + (touches ? NeighbourPoints[k] - NeighbourPoints[k - 1] : 0);
            most = std::max(most, p * Fit[k]);
        }
        return most;
    }

    void refresh(int c)
    {
        const Geometry &g = geometry();
        const auto &s = g.side[c];
        int m = 0, n = 0, k = 0;
        if (s[0] >= 0 && taken[s[0]]) // above: our top meets its bottom
            m |= 0xC0, n |= (code[s[0]] >> 2 & 3) << 6, ++k;
        if (s[1] >= 0 && taken[s[1]]) // right: our right meets its left
            m |= 0x30, n |= (code[s[1]] & 3) << 4, ++k;
        if (s[2] >= 0 && taken[s[2]]) // below: our bottom meets its top
            m |= 0x0C, n |= (code[s[2]] >> 6 & 3) << 2, ++k;
        if (s[3] >= 0 && taken[s[3]]) // left: our left meets its right
            m |= 0x03, n |= code[s[3]] >> 4 & 3, ++k;
        int p = NeighbourPoints[k];
        for (int b = 0; b < g.blockCount[c]; ++b) {
            const auto &block = g.blocks[c][b];
            if (taken[block[0]] && taken[block[1]] && taken[block[2]])
                p += SquarePoints;
        }
        mask[c] = std::uint8_t(m);
        need[c] = std::uint8_t(n);
        points[c] = std::uint8_t(p);
    }

    void place(int c, Code t)
    {
        code[c] = t;
        taken[c] = 1;
        const Geometry &g = geometry();
        for (int i = 0; i < g.aroundCount[c]; ++i) {
            if (!taken[g.around[c][i]])
                refresh(g.around[c][i]);
        }
    }
};

// splitmix64: small, fast and good enough to deal tiles.
struct Random
{
    std::uint64_t state;
    std::uint64_t buffer = 0;
    int left = 0;

    explicit Random(std::uint64_t seed) : state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A tile with every side drawn at random: eight random bits.
    Code tile()
    {
        if (left == 0) {
            buffer = next();
            left = 8;
        }
        const Code t = Code(buffer);
        buffer >>= 8;
        --left;
        return t;
    }
    int below(int n) { return int((next() >> 32) * std::uint64_t(n) >> 32); }
};

struct Rack
{
    std::array<Code, hand::Slots> tiles{};
    int count = 0;
};

struct Candidate
{
    int cell = 0;
    int slot = 0; // 1 to 7
    Code tile = 0;
    long sum = 0; // of the playouts' worth in the current stage
    bool kept = false; // passes the screen
};

// One search: the root position and what the view says of the seats.
class Search
{
public:
    Search(const ExpertView &view, std::uint32_t seed, const std::atomic<bool> *stop)
        : m_view(view), m_seed(seed), m_stop(stop)
    {
        for (int x = 0; x < board::Columns; ++x) {
            for (int y = 0; y < board::Rows; ++y) {
                if (view.board.taken(x, y)) {
                    const int c = Geometry::index(x, y);
                    m_root.code[c] = codeOf(view.board.at(x, y));
                    m_root.taken[c] = 1;
                    m_empty = false;
                }
            }
        }
        for (int c = 0; c < Cells; ++c) {
            if (!m_root.taken[c])
                m_root.refresh(c);
        }
        for (int slot = 1; slot <= hand::Slots; ++slot) {
            if (!view.hand.at(slot).isEmpty())
                m_rack.tiles[m_rack.count++] = codeOf(view.hand.at(slot));
        }
        m_seats = 1 + std::clamp(view.otherCount, 0, ExpertView::MaxOthers);
        for (int k = 0; k <= 4; ++k)
            m_fit[k] = int(1024 * (1 - std::pow(1 - std::pow(0.25, k), hand::Slots)) + 0.5);
    }

    std::optional<ExpertMove> run();

private:
    bool stopped() const { return m_stop && m_stop->load(std::memory_order_relaxed); }
    std::vector<Candidate> candidates() const;
    // The worth of one playout of the candidate in sample `sample`, `depth`
    // plies after it; adds the placements simulated to m_work.
    long playout(const Candidate &candidate, int sample, int depth);
    // Plays every candidate in samples from `firstSample` on until `budget`
    // placements are spent (at least one sample); answers the next sample.
    int stage(std::vector<Candidate> &list, int firstSample, int depth, long budget);

    const ExpertView &m_view;
    std::uint32_t m_seed;
    const std::atomic<bool> *m_stop;
    Position m_root;
    Rack m_rack;
    bool m_empty = true;
    int m_seats = 1;
    long m_work = 0;
    std::array<int, 5> m_fit{};
};

std::vector<Candidate> Search::candidates() const
{
    std::vector<Candidate> list;
    const int centre = Geometry::index(5, 5);
    for (int c = 0; c < Cells; ++c) {
        if (m_root.taken[c] || (m_empty && c != centre))
            continue;
        for (int slot = 1; slot <= hand::Slots; ++slot) {
            const tile &t = m_view.hand.at(slot);
            if (t.isEmpty() || !m_root.fits(codeOf(t), c))
                continue;
            // The same tile in an earlier slot is the same placement.
            bool seen = false;
            for (int earlier = 1; earlier < slot && !seen; ++earlier)
                seen = m_view.hand.at(earlier) == t;
            if (!seen)
                list.push_back({c, slot, codeOf(t), 0});
        }
    }
    return list;
}

long Search::playout(const Candidate &candidate, int sample, int depth)
{
    // The deal and the draws are the sample's; the choices among equal
    // placements have a random source of their own, so that every
    // candidate meets the same hands and the same draws.
    Random deal(m_seed * 0x100000001B3ull + std::uint64_t(sample) * 0x9E3779B97F4A7C15ull);
    Random choice(deal.next());

    Position pos = m_root;
    std::array<Rack, MaxSeats> racks{};
    std::array<bool, MaxSeats> stuck{};
    std::array<long, MaxSeats> gained{};
    racks[0] = m_rack;
    for (int s = 1; s < m_seats; ++s) {
        const ExpertView::Seat &seat = m_view.others[s - 1];
        stuck[s] = seat.passed;
        racks[s].count = std::clamp(seat.tiles, 0, hand::Slots);
        for (int i = 0; i < racks[s].count; ++i)
            racks[s].tiles[i] = deal.tile();
    }
    int poolLeft = m_view.poolsize;

    const auto put = [&](int seat, int cell, int index) {
        Rack &rack = racks[seat];
        gained[seat] += pos.points[cell];
        pos.place(cell, rack.tiles[index]);
        if (poolLeft > 0) {
            --poolLeft;
            rack.tiles[index] = deal.tile();
        } else {
            rack.tiles[index] = rack.tiles[--rack.count];
        }
        ++m_work;
    };

    int index = 0;
    while (racks[0].tiles[index] != candidate.tile)
        ++index;
    put(0, candidate.cell, index);

    int seat = 0, plies = 0, idle = 0;
    while (plies < depth && idle < m_seats) {
        seat = seat + 1 == m_seats ? 0 : seat + 1;
        if (stuck[seat]) {
            ++idle;
            continue;
        }
        const Rack &rack = racks[seat];
        int best = -1 << 30, bestCell = -1, bestIndex = -1;
        const int start = choice.below(Cells);
        for (int n = 0; n < Cells; ++n) {
            const int c = start + n < Cells ? start + n : start + n - Cells;
            if (pos.taken[c] || pos.points[c] * 1024 <= best)
                continue;
            for (int i = 0; i < rack.count; ++i) {
                if (pos.fits(rack.tiles[i], c)) {
                    const int value = pos.points[c] * 1024 - ExposureWeight * pos.exposure(c, m_fit.data()) / 16;
                    if (value > best) {
                        best = value;
                        bestCell = c;
                        bestIndex = i;
                    }
                    break;
                }
            }
        }
        if (bestCell < 0) {
            stuck[seat] = true;
            ++idle;
            continue;
        }
        idle = 0;
        put(seat, bestCell, bestIndex);
        ++plies;
    }

    long others = 0;
    for (int s = 1; s < m_seats; ++s)
        others += gained[s];
    // In whole points per other seat; the rounding is the same for every
    // candidate.
    return m_seats > 1 ? gained[0] * 16 - 16 * others / (m_seats - 1) : gained[0] * 16;
}

int Search::stage(std::vector<Candidate> &list, int firstSample, int depth, long budget)
{
    const long start = m_work;
    int sample = firstSample;
    do {
        for (Candidate &candidate : list) {
            if (stopped())
                return -1;
            candidate.sum += playout(candidate, sample, depth);
        }
        ++sample;
    } while (m_work - start < budget);
    return sample;
}

// Best first; equal worth keeps board order, then slot order.
void keepBest(std::vector<Candidate> &list, std::size_t keep)
{
    std::stable_sort(list.begin(), list.end(),
                     [](const Candidate &a, const Candidate &b) { return a.kept > b.kept || (a.kept == b.kept && a.sum > b.sum); });
    list.resize(std::min(keep, list.size()));
}

std::optional<ExpertMove> Search::run()
{
    std::vector<Candidate> list = candidates();
    if (list.empty())
        return std::nullopt;
    int sample = 0;
    if (list.size() > std::size_t(ScreenKeep)) {
        sample = stage(list, sample, ScreenDepth, ScreenBudget);
        if (sample < 0)
            return std::nullopt;
        // The Strong player's choice always passes the screen: a short
        // look ahead is too noisy to rule out the best static judgement.
        int opponents = 0;
        for (int s = 1; s < m_seats; ++s)
            opponents += !m_view.others[s - 1].passed;
        if (const std::optional<StrongMove> strong = strongmove(m_view.board, m_view.hand, opponents)) {
            const int cell = Geometry::index(strong->x, strong->y);
            for (Candidate &candidate : list)
                candidate.kept = candidate.cell == cell && candidate.tile == codeOf(m_view.hand.at(strong->slot));
        }
        keepBest(list, ScreenKeep);
        for (Candidate &candidate : list)
            candidate.sum = 0, candidate.kept = false;
    }
    // Sequential halving over the longer playouts.
    int steps = 0;
    for (std::size_t n = list.size(); n > 1; n = (n + 1) / 2)
        ++steps;
    for (int step = 0; list.size() > 1; ++step) {
        const long share = (Budget - m_work) / std::max(1, steps - step);
        sample = stage(list, sample, FullDepth, std::max(share, 1L));
        if (sample < 0)
            return std::nullopt;
        keepBest(list, (list.size() + 1) / 2);
    }
    if (stopped())
        return std::nullopt;
    const Candidate &best = list.front();
    return ExpertMove{best.cell / board::Rows, best.cell % board::Rows, best.slot};
}

} // namespace

std::optional<ExpertMove> expertmove(const ExpertView &view, std::uint32_t seed, const std::atomic<bool> *stop)
{
    return Search(view, seed, stop).run();
}
