// The Expert computer player: determinized Monte Carlo search.
//
// The Expert cannot see the other hands or the pool, but it knows how they
// came about: every side of every tile is drawn at random. So it deals what
// it cannot see many times over, and in each such deal (a "sample") plays
// the rest of the round forward from each of its candidate placements:
//   - a sample is the other seats' hands (as many tiles as each holds) and
//     the order of the tiles still to be drawn, all drawn at random; seats
//     that passed stay stuck, as they are for the rest of a real round;
//   - a playout puts the candidate down, refills the Expert's slot, and
//     lets every seat in turn order take the placement with the most points
//     now (among equals, the first from a random cell on), until nobody can
//     place or the playout has gone deep enough;
//   - a playout is worth the Expert's points in it less the other seats'
//     average, so a placement that leaves a square to the next seat, or
//     keeps the tiles that will still fit late in the round, shows as such.
// Every candidate is played in the same samples (common random numbers), so
// the differences between candidates are not drowned by the luck of the
// deals. With many candidates, a short screen (a few plies in a few
// samples) first keeps the most promising ones; then sequential halving
// plays whole rounds: each step spends an equal share of the budget on the
// candidates left and drops the worse half, until one is left.
//
// The budget is counted in simulated placements, never in time, so the same
// view and seed give the same move on any machine and under any load.
#include "expertplayer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int Cells = board::Columns * board::Rows;
constexpr int MaxSeats = 1 + ExpertView::MaxOthers;

// Work per move, in simulated placements: what keeps a move within its
// CPU budget on one core.
long Budget = getenv("XB") ? atol(getenv("XB")) : 40000;
// Candidates above this number are screened first.
int ScreenKeep = getenv("XK") ? atoi(getenv("XK")) : 12;
// Plies of a screening playout after the candidate, and the placements the
// screen may spend.
constexpr int ScreenDepth = 4;
int UseStrong = getenv("XS") ? atoi(getenv("XS")) : 0;
int UseMax = getenv("XO") ? atoi(getenv("XO")) : 0;
int FlexWeight = getenv("XF") ? atoi(getenv("XF")) : 0; // in 1/16 points
int Beta = getenv("XBETA") ? atoi(getenv("XBETA")) : 16;
int Gamma = getenv("XG") ? atoi(getenv("XG")) : 16;
int Noise = getenv("XN") ? atoi(getenv("XN")) : 0;
int MultiFit = getenv("XM") ? atoi(getenv("XM")) : 0;
int StrongPlies = getenv("XR") ? atoi(getenv("XR")) : 0;
long StrongWork = getenv("XRW") ? atol(getenv("XRW")) : 250;
int Lambda = getenv("XL") ? atoi(getenv("XL")) : 0; // in 1/16
int LambdaSelf = getenv("XLS") ? atoi(getenv("XLS")) : Lambda; // in 1/16
long ScreenBudget = getenv("XSB") ? atol(getenv("XSB")) : 8000;
// Plies of a playout after the candidate: deep enough for the rest of any
// round (90 cells).
int FullDepth = getenv("XD") ? atoi(getenv("XD")) : Cells;

// A tile packed into one byte, two bits a side (side value - 1): top in
// bits 6-7, right 4-5, bottom 2-3, left 0-1.
using Code = std::uint8_t;

Code codeOf(const tile &t)
{
    return Code(((t.top - 1) & 3) << 6 | ((t.right - 1) & 3) << 4 | ((t.bottom - 1) & 3) << 2 | ((t.left - 1) & 3));
}

constexpr int BasePoints[5] = {0, 5, 15, 30, 50};
constexpr int SquarePoints = 50;

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
            const int p = points[last] + SquarePoints + (touches ? BasePoints[k] - BasePoints[k - 1] : 0);
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
        int p = BasePoints[k];
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
        int hands = 1;
        if (MultiFit) {
            hands = 0;
            for (int s = 1; s < m_seats; ++s)
                hands += !view.others[s - 1].passed;
            hands = std::max(hands, 1);
        }
        for (int k = 0; k <= 4; ++k)
            m_fit[k] = int(1024 * (1 - std::pow(1 - std::pow(0.25, k), 7 * hands)) + 0.5);
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
    const long now = m_root.points[candidate.cell];
    put(0, candidate.cell, index);

    int seat = 0, plies = 0, idle = 0;
    while (plies < depth && idle < m_seats) {
        seat = seat + 1 == m_seats ? 0 : seat + 1;
        if (stuck[seat]) {
            ++idle;
            continue;
        }
        const Rack &rack = racks[seat];
        if (plies < StrongPlies && depth > ScreenDepth) {
            board b;
            for (int c = 0; c < Cells; ++c) {
                if (pos.taken[c]) {
                    const Code t = pos.code[c];
                    b.at(c / board::Rows, c % board::Rows) = tile{(t >> 6 & 3) + 1, (t >> 4 & 3) + 1, (t >> 2 & 3) + 1, (t & 3) + 1};
                }
            }
            hand h;
            for (int i = 0; i < rack.count; ++i) {
                const Code t = rack.tiles[i];
                h.tiles[i] = tile{(t >> 6 & 3) + 1, (t >> 4 & 3) + 1, (t >> 2 & 3) + 1, (t & 3) + 1};
            }
            int opponents = 0;
            for (int s = 0; s < m_seats; ++s)
                opponents += s != seat && !stuck[s];
            m_work += StrongWork;
            const std::optional<StrongMove> move = strongmove(b, h, opponents);
            if (!move) {
                stuck[seat] = true;
                ++idle;
                continue;
            }
            idle = 0;
            put(seat, Geometry::index(move->x, move->y), move->slot - 1);
            ++plies;
            continue;
        }
        int best = -1 << 30, bestCell = -1, bestIndex = -1;
        const int start = choice.below(Cells);
        for (int n = 0; n < Cells; ++n) {
            const int c = start + n < Cells ? start + n : start + n - Cells;
            if (pos.taken[c] || (pos.points[c] + Noise) * 1024 <= best)
                continue;
            for (int i = 0; i < rack.count; ++i) {
                if (pos.fits(rack.tiles[i], c)) {
                    const int lambda = seat == 0 ? LambdaSelf : Lambda;
                    const int value = pos.points[c] * 1024 - (lambda ? lambda * pos.exposure(c, m_fit.data()) / 16 : 0)
                        + (Noise ? choice.below(Noise * 1024) : 0);
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

    if (FlexWeight && plies >= depth) {
        // How many openings each seat's tiles still fit: a seat that keeps
        // fitting tiles places on when others are stuck.
        for (int s = 0; s < m_seats; ++s) {
            if (stuck[s])
                continue;
            int flex = 0;
            for (int i = 0; i < racks[s].count; ++i) {
                int fits = 0;
                for (int c = 0; c < Cells && fits < 4; ++c)
                    fits += !pos.taken[c] && pos.mask[c] && pos.fits(racks[s].tiles[i], c);
                flex += fits;
            }
            gained[s] += flex * FlexWeight / 16;
        }
    }

    long others = 0;
    for (int s = 1; s < m_seats; ++s)
        others += gained[s];
    if (UseMax && m_seats > 2) {
        long most = 0;
        for (int s = 1; s < m_seats; ++s)
            most = std::max(most, gained[s]);
        return gained[0] - most;
    }
    // In whole points per other seat; the rounding is the same for every
    // candidate.
    long v = m_seats > 1 ? gained[0] * 16 - Beta * others / (m_seats - 1) : gained[0] * 16;
    v -= now * 16;
    return now * 16 + v * Gamma / 16;
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
        if (UseStrong) {
            int opponents = 0;
            for (int s = 1; s < m_seats; ++s)
                opponents += !m_view.others[s - 1].passed;
            if (const std::optional<StrongMove> strong = strongmove(m_view.board, m_view.hand, opponents)) {
                const int cell = Geometry::index(strong->x, strong->y);
                for (Candidate &candidate : list)
                    candidate.kept = candidate.cell == cell && candidate.tile == codeOf(m_view.hand.at(strong->slot));
            }
        }
        keepBest(list, ScreenKeep);
        for (Candidate &candidate : list)
            candidate.sum = 0, candidate.kept = false;
    }
    // Sequential halving over whole playouts.
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
