// The strength table: games between the computer players, played by the
// host's own game flow (GameFlow and its seat table, the library the game
// links), seats 1 and 2 both played by the host's computer, pauses run
// through by calling the tick handlers.
//
//   tavlix_benchstrength [--games N] [--rounds N] [--seed N] [--match NAME]...
//
// Matches: "strong-classic", "strong-greedy", "greedy-classic" (all three
// by default). Each pair of games uses one seed with the two players in
// swapped seats. "greedy" is a bench-only player: the placement with the
// most points now, ties to the first in board order (X outside, Y inside,
// slots 1 to 7), opening on (5, 5) with slot 1 like every computer seat.
// Prints one Markdown row per match, with the 95% Wilson interval of the
// rate, and the Strong player's time per move (choosing and placing it).
#include "gameflow.h"
#include "placement.h"
#include "protocol.h"
#include "seattable.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

enum class Player { Classic, Strong, Greedy };

const char *playerName(Player p)
{
    switch (p) {
    case Player::Classic: return "Classic";
    case Player::Strong: return "Strong";
    default: return "greedy";
    }
}

struct Match
{
    Player first;  // the player whose rate is shown
    Player second;
};

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
    QByteArray message = wire::client::placetile(seat, bestX, bestY, bestSlot);
    message.chop(1);
    flow.placetile(wire::splitMessage(message).second, GameFlow::ComputerOrigin);
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
};

// Plays one game; true when the seat `firstSeat` wins. Times every move of
// a Strong seat.
bool playGame(std::uint32_t seed, int rounds, const Player (&bySeat)[3], int firstSeat, MoveTimes &times)
{
    SeatTable seats;
    seats.occupy(1, nullptr); // a connection that never logs in: the computer plays it
    RandomSource random(seed);
    GameFlow flow(seats, random);
    flow.setBotSpeedProvider([] { return 1; });
    flow.setBotLevelProvider([&flow, &bySeat] {
        return bySeat[flow.currentplayer()] == Player::Strong ? BotLevel::Strong : BotLevel::Classic;
    });
    flow.startgame("Bench+" + QByteArray::number(rounds) + "+", 1);
    while (flow.gamerunning()) {
        if (flow.computertimer().isActive()) {
            const int seat = flow.currentplayer();
            if (bySeat[seat] == Player::Greedy) {
                placeGreedy(flow, seats, seat);
            } else {
                const double cpu = threadMicroseconds();
                const auto start = std::chrono::steady_clock::now();
                flow.computertimerTimer();
                const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
                if (bySeat[seat] == Player::Strong) {
                    times.wall.push_back(spent.count());
                    times.cpu.push_back(threadMicroseconds() - cpu);
                }
            }
        } else if (flow.timer1().isActive()) {
            flow.timer1Timer();
        } else {
            std::fprintf(stderr, "game with seed %u stalled\n", seed);
            return false;
        }
    }
    return seats[firstSeat].score > seats[3 - firstSeat].score;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t i = std::min(values.size() - 1, static_cast<std::size_t>(std::ceil(p * values.size())) - 1);
    return values[i];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption gamesOption("games", "games per match", "N", "1000");
    const QCommandLineOption roundsOption("rounds", "rounds per game", "N", "3");
    const QCommandLineOption seedOption("seed", "first seed", "N", "1");
    const QCommandLineOption matchOption("match", "strong-classic, strong-greedy or greedy-classic", "NAME");
    parser.addOptions({gamesOption, roundsOption, seedOption, matchOption});
    parser.addHelpOption();
    parser.process(app);
    const int games = parser.value(gamesOption).toInt();
    const int rounds = parser.value(roundsOption).toInt();
    const std::uint32_t firstSeed = parser.value(seedOption).toUInt();

    std::vector<Match> matches;
    QStringList names = parser.values(matchOption);
    if (names.isEmpty())
        names = {"strong-classic", "strong-greedy", "greedy-classic"};
    for (const QString &name : names) {
        if (name == "strong-classic")
            matches.push_back({Player::Strong, Player::Classic});
        else if (name == "strong-greedy")
            matches.push_back({Player::Strong, Player::Greedy});
        else if (name == "greedy-classic")
            matches.push_back({Player::Greedy, Player::Classic});
    }

    std::printf("| match (%d seeded games of %d rounds, seats swapped every other game) | wins | rate | 95%% interval | "
                "goal |\n|---|---|---|---|---|\n",
                games, rounds);
    std::fflush(stdout);
    MoveTimes times;
    for (const Match &match : matches) {
        int wins = 0;
        for (int g = 0; g < games; ++g) {
            // Both games of a pair start from the same seed.
            const std::uint32_t seed = (firstSeed + std::uint32_t(g / 2)) * 2654435761u;
            const int firstSeat = g % 2 ? 2 : 1;
            Player bySeat[3] = {Player::Classic, match.second, match.second};
            bySeat[firstSeat] = match.first;
            wins += playGame(seed, rounds, bySeat, firstSeat, times);
        }
        // Wilson score interval at 95%.
        const double n = games, p = wins / n, z = 1.96;
        const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
        const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
        const char *goal = match.first != Player::Strong ? "(for comparison)"
            : match.second == Player::Classic                ? "at least 80%"
                                                             : "at least 60%";
        std::printf("| %s against %s | %d of %d | %.1f%% | %.1f%% to %.1f%% | %s |\n", playerName(match.first),
                    playerName(match.second), wins, games, 100 * p, 100 * (centre - half), 100 * (centre + half), goal);
        std::fflush(stdout);
    }
    if (!times.cpu.empty()) {
        // CPU time is what a move costs; wall time also holds whatever the
        // machine's other work took from this thread meanwhile.
        std::printf("\n| Strong's moves (choosing and placing), %zu moves | median | 99th percentile | longest | goal |\n"
                    "|---|---|---|---|---|\n",
                    times.cpu.size());
        for (const auto &[what, values] : {std::pair{"CPU time of the thread", &times.cpu}, {"wall time", &times.wall}})
            std::printf("| %s | %.3f ms | %.3f ms | %.3f ms | 99th percentile at most 20 ms |\n", what,
                        percentile(*values, 0.5) / 1000, percentile(*values, 0.99) / 1000,
                        percentile(*values, 1.0) / 1000);
    }
    return 0;
}
