// The strength table: games between the computer players, played by the
// host's own game flow (GameFlow and its seat table, the library the game
// links), seats 1 and 2 both played by the host's computer, pauses run
// through by calling the tick handlers.
//
//   tavlix_benchstrength [--games N] [--rounds N] [--seed N] [--threads N]
//                        [--match NAME[=GAMES]]...
//
// Matches: "strong-classic", "strong-greedy", "greedy-classic" (all three
// by default), and the Expert's: "expert-strong", "expert-classic" and
// "expert-strong4" (the Expert and three Strong seats, 4 seats). A match
// plays --games games unless its name says how many. Each pair of games of
// two seats uses one seed with the two players in swapped seats; in four
// seats each seed is played four times, the Expert in each seat once.
// "greedy" is a bench-only player: the placement with the most points now,
// ties to the first in board order (X outside, Y inside, slots 1 to 7),
// opening on (5, 5) with slot 1 like every computer seat.
// Prints one Markdown row per match, with the 95% Wilson interval of the
// rate of the first player named (winning, or being first in four seats),
// and the time per move of the Strong and the Expert player (choosing and
// placing it). --threads plays that many games at once; every game and
// every move is the same as on one thread, and a move's CPU time is its
// own thread's.
#include "expertplayer.h"
#include "gameflow.h"
#include "placement.h"
#include "protocol.h"
#include "seattable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

enum class Player { Classic, Strong, Greedy, Expert };

const char *playerName(Player p)
{
    switch (p) {
    case Player::Classic: return "Classic";
    case Player::Strong: return "Strong";
    case Player::Expert: return "Expert";
    default: return "greedy";
    }
}

struct Match
{
    Player first;  // the player whose rate is shown
    Player second; // every other seat
    int seats = 2;
    int games = 0;
};

// A computer seat's placement, through placetile as the host's computer
// makes it.
void placeFor(GameFlow &flow, int seat, int x, int y, int slot)
{
    QByteArray message = wire::client::placetile(seat, x, y, slot);
    message.chop(1);
    flow.placetile(wire::splitMessage(message).second, GameFlow::ComputerOrigin);
}

void placeGreedy(GameFlow &flow, const SeatTable &seats, int seat)
{
    const board &b = flow.board();
    const hand &h = seats[seat].hand;
    int bestX = 5, bestY = 5, bestSlot = 1, bestPoints = -1;
    if (!flow.firsttile()) {
        for (int x = 0; x < board::Columns; ++x) {
            for (int y = 0; y < board::Rows; ++y) {
                if (b.taken(x, y))
                    continue;
                const int points = getscore(b, x, y);
                for (int slot = 1; slot <= hand::Slots && points > bestPoints; ++slot) {
                    if (!h.at(slot).isEmpty() && canplace(b, x, y, h.at(slot))) {
                        bestX = x, bestY = y, bestSlot = slot, bestPoints = points;
                        break;
                    }
                }
            }
        }
    }
    placeFor(flow, seat, bestX, bestY, bestSlot);
}

// Microseconds of this thread's CPU time so far.
double threadMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

struct MoveTimes
{
    std::vector<double> wall; // microseconds
    std::vector<double> cpu;

    void add(const MoveTimes &more)
    {
        wall.insert(wall.end(), more.wall.begin(), more.wall.end());
        cpu.insert(cpu.end(), more.cpu.begin(), more.cpu.end());
    }
};

// The seats of one game: 1, 2 and, in four seats, 3 and 4.
using Seating = std::array<Player, 5>;

// Plays one game; true when the seat `firstSeat` wins. Times every move of
// the player in that seat when it is Strong or Expert.
bool playGame(std::uint32_t seed, int rounds, int seatCount, const Seating &bySeat, int firstSeat, MoveTimes &times)
{
    SeatTable seats;
    // Players who logged in and, once the game has started, chose Just
    // Watch: the computer plays them. Seat 2 plays without anybody there.
    for (int seat = 1; seat <= seatCount; ++seat) {
        if (seat != 2) {
            seats.occupy(seat, nullptr);
            seats[seat].name = "Bench" + QByteArray::number(seat);
        }
    }
    RandomSource random(seed);
    // The Expert's own random source, so its games repeat too.
    RandomSource expertRandom(seed ^ 0x5EEDu);
    GameFlow flow(seats, random);
    flow.setBotSpeedProvider([] { return 1; });
    // A new game sets every seat playing again; each round starts before
    // its first turn is given.
    flow.setChangeObserver([&seats, seatCount] {
        for (int seat = 1; seat <= seatCount; ++seat)
            seats[seat].watching = seat != 2;
    });
    flow.setBotLevelProvider([&flow, &bySeat] {
        return bySeat[flow.currentplayer()] == Player::Strong ? BotLevel::Strong : BotLevel::Classic;
    });
    flow.startgame("Bench+" + QByteArray::number(rounds) + "+", 1);
    while (flow.gamerunning()) {
        if (flow.computertimer().isActive()) {
            const int seat = flow.currentplayer();
            const double cpu = threadMicroseconds();
            const auto start = std::chrono::steady_clock::now();
            if (bySeat[seat] == Player::Greedy) {
                placeGreedy(flow, seats, seat);
            } else if (bySeat[seat] == Player::Expert) {
                // The search the host runs on its worker thread, run here
                // so that its CPU time is this thread's; its move goes
                // through placetile like every computer move.
                const std::optional<ExpertMove> move = expertmove(flow.expertView(seat), expertRandom.random(0xFFFFFFFFu));
                if (move)
                    placeFor(flow, seat, move->x, move->y, move->slot);
            } else {
                flow.computertimerTimer();
            }
            const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
            const Player timed = bySeat[firstSeat];
            if (bySeat[seat] == timed && (timed == Player::Strong || timed == Player::Expert)) {
                times.wall.push_back(spent.count());
                times.cpu.push_back(threadMicroseconds() - cpu);
            }
        } else if (flow.timer1().isActive()) {
            flow.timer1Timer();
        } else {
            std::fprintf(stderr, "game with seed %u stalled\n", seed);
            return false;
        }
    }
    for (int seat = 1; seat <= seatCount; ++seat) {
        if (seat != firstSeat && seats[seat].score >= seats[firstSeat].score)
            return false;
    }
    return true;
}

// One match's games on `threads` threads at once; answers the wins. Game g
// is the same game whichever thread plays it.
int playMatch(const Match &match, int rounds, std::uint32_t firstSeed, int threads, MoveTimes &times)
{
    const int group = match.seats == 2 ? 2 : 4; // games per seed
    std::vector<char> won(std::size_t(match.games), 0);
    std::vector<MoveTimes> laneTimes(static_cast<std::size_t>(threads));
    const auto lane = [&](int first) {
        for (int g = first; g < match.games; g += threads) {
            const std::uint32_t seed = (firstSeed + std::uint32_t(g / group)) * 2654435761u;
            // Two seats: seats 1 and 2 swapped every other game; four: the
            // first player in seats 1 to 4 in turn.
            const int firstSeat = match.seats == 2 ? (g % 2 ? 2 : 1) : g % 4 + 1;
            Seating bySeat;
            bySeat.fill(match.second);
            bySeat[0] = Player::Classic;
            bySeat[firstSeat] = match.first;
            won[std::size_t(g)] = playGame(seed, rounds, match.seats, bySeat, firstSeat, laneTimes[std::size_t(first)]);
        }
    };
    if (threads == 1) {
        lane(0);
    } else {
        // QThreads: the game flow's timers need a thread with an event
        // dispatcher, though nothing here waits for them to fire.
        std::vector<std::unique_ptr<QThread>> lanes;
        for (int first = 0; first < threads; ++first) {
            lanes.emplace_back(QThread::create(lane, first));
            lanes.back()->start();
        }
        for (auto &thread : lanes)
            thread->wait();
    }
    for (const MoveTimes &lane : laneTimes)
        times.add(lane);
    return int(std::count(won.begin(), won.end(), 1));
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t i = std::min(values.size() - 1, static_cast<std::size_t>(std::ceil(p * values.size())) - 1);
    return values[i];
}


// The rows of one player's move times.
void printTimes(const char *player, const MoveTimes &times, const char *goal)
{
    if (times.cpu.empty())
        return;
    // CPU time is what a move costs; wall time also holds whatever the
    // machine's other work took from this thread meanwhile.
    std::printf("\n| %s's moves (choosing and placing), %zu moves | median | 99th percentile | longest | goal |\n"
                "|---|---|---|---|---|\n",
                player, times.cpu.size());
    for (const auto &[what, values] : {std::pair{"CPU time of the thread", &times.cpu}, {"wall time", &times.wall}})
        std::printf("| %s | %.3f ms | %.3f ms | %.3f ms | %s |\n", what, percentile(*values, 0.5) / 1000,
                    percentile(*values, 0.99) / 1000, percentile(*values, 1.0) / 1000, goal);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption gamesOption("games", "games per match", "N", "1000");
    const QCommandLineOption roundsOption("rounds", "rounds per game", "N", "3");
    const QCommandLineOption seedOption("seed", "first seed", "N", "1");
    const QCommandLineOption threadsOption("threads", "games played at once", "N", "1");
    const QCommandLineOption matchOption("match",
                                         "strong-classic, strong-greedy, greedy-classic, expert-strong, "
                                         "expert-classic or expert-strong4, with =GAMES for a number of its own",
                                         "NAME");
    parser.addOptions({gamesOption, roundsOption, seedOption, threadsOption, matchOption});
    parser.addHelpOption();
    parser.process(app);
    const int games = parser.value(gamesOption).toInt();
    const int rounds = parser.value(roundsOption).toInt();
    const std::uint32_t firstSeed = parser.value(seedOption).toUInt();
    const int threads = std::max(1, parser.value(threadsOption).toInt());

    std::vector<Match> matches;
    QStringList names = parser.values(matchOption);
    if (names.isEmpty())
        names = {"strong-classic", "strong-greedy", "greedy-classic"};
    for (const QString &given : names) {
        const QString name = given.section('=', 0, 0);
        const int count = given.contains('=') ? given.section('=', 1).toInt() : games;
        if (name == "strong-classic")
            matches.push_back({Player::Strong, Player::Classic, 2, count});
        else if (name == "strong-greedy")
            matches.push_back({Player::Strong, Player::Greedy, 2, count});
        else if (name == "greedy-classic")
            matches.push_back({Player::Greedy, Player::Classic, 2, count});
        else if (name == "expert-strong")
            matches.push_back({Player::Expert, Player::Strong, 2, count});
        else if (name == "expert-classic")
            matches.push_back({Player::Expert, Player::Classic, 2, count});
        else if (name == "expert-strong4")
            matches.push_back({Player::Expert, Player::Strong, 4, count});
    }

    const bool sameCount = std::all_of(matches.begin(), matches.end(), [games](const Match &m) { return m.games == games; });
    if (sameCount)
        std::printf("| match (%d seeded games of %d rounds, seats swapped every other game) | wins | rate | 95%% interval | "
                    "goal |\n|---|---|---|---|---|\n",
                    games, rounds);
    else
        std::printf("| match (seeded games of %d round%s, seats swapped every other game; in 4 seats the Expert in "
                    "each seat in turn) | wins | rate | 95%% interval | goal |\n|---|---|---|---|---|\n",
                    rounds, rounds == 1 ? "" : "s");
    std::fflush(stdout);
    MoveTimes strongTimes, expertTimes;
    for (const Match &match : matches) {
        const int wins =
            playMatch(match, rounds, firstSeed, threads, match.first == Player::Expert ? expertTimes : strongTimes);
        // Wilson score interval at 95%.
        const double n = match.games, p = wins / n, z = 1.96;
        const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
        const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
        const char *goal = match.first == Player::Expert
            ? (match.seats == 4                   ? "first in at least 40%"
                   : match.second == Player::Strong ? "at least 65%, interval above 55%"
                                                    : "at least 98%")
            : match.first != Player::Strong     ? "(for comparison)"
            : match.second == Player::Classic ? "at least 80%"
                                              : "at least 60%";
        if (match.seats == 4)
            std::printf("| %s with three %s seats, 4 seats | first in %d of %d | %.1f%% | %.1f%% to %.1f%% | %s |\n",
                        playerName(match.first), playerName(match.second), wins, match.games, 100 * p,
                        100 * (centre - half), 100 * (centre + half), goal);
        else
            std::printf("| %s against %s | %d of %d | %.1f%% | %.1f%% to %.1f%% | %s |\n", playerName(match.first),
                        playerName(match.second), wins, match.games, 100 * p, 100 * (centre - half),
                        100 * (centre + half), goal);
        std::fflush(stdout);
    }
    printTimes("Strong", strongTimes, "99th percentile at most 20 ms");
    printTimes("Expert", expertTimes, "median at most 150 ms, 99th percentile at most 300 ms");
    return 0;
}
