// The Expert computer player: it sees only what its seat may know, repeats
// itself for a seed, plays legal moves, and a search that the game no longer
// wants places nothing.
#include "hostharness.h"

#include "expertplayer.h"
#include "placement.h"

#include <memory>

namespace {

tile randomTile(RandomSource &random)
{
    return tile{random.between(1, 4), random.between(1, 4), random.between(1, 4), random.between(1, 4)};
}

} // namespace

class ExpertPlayer : public HostTest
{
protected:
    // Seats 1 (Blue) and 3 (Gold) sit out a game of three rounds, so the
    // Classic computer plays all three seats until at least `placements`
    // tiles lie and seat 2 has just been given the turn.
    bool roundUnderWay(int placements)
    {
        deliver(1, "CMD_startgame+Blue+3++");
        probe.seat(1).watching = probe.seat(3).watching = true;
        // The first turn is given again, to the computer now.
        const int first = server.flow().currentplayer();
        probe.setCurrentPlayer(first == 1 ? 6 : first - 1);
        probe.setTurnOpen(false);
        server.game().findplayer();
        for (int step = 0; step < 2000; ++step) {
            const GameFlow &flow = server.flow();
            if (flow.computertimer().isActive() && flow.currentplayer() == 2 && tilesDown() >= placements)
                return true;
            if (flow.computertimer().isActive())
                server.game().computertimerTimer();
            else if (flow.timer1().isActive())
                server.game().timer1Timer();
            else
                return false;
        }
        return false;
    }

    int tilesDown()
    {
        int n = 0;
        for (int x = 0; x < board::Columns; ++x) {
            for (int y = 0; y < board::Rows; ++y)
                n += probe.board().taken(x, y);
        }
        return n;
    }

    // New tiles in the hands of seats 1 and 3 and in the pool from the next
    // draw on: everything the Expert at seat 2 must not see.
    void changeHiddenTiles(std::uint32_t seed)
    {
        RandomSource other(seed);
        for (int seat : {1, 3}) {
            for (tile &t : probe.seat(seat).hand.tiles)
                t = randomTile(other);
        }
        tilepool &pool = probe.pool();
        for (int i = pool.poolindex; i < tilepool::Size; ++i)
            pool.tiles[i] = randomTile(other);
    }

    // Seat 2's turn given anew with the Expert playing it, the pause run
    // through at once; answers the CMD_heplace of its move.
    QByteArray expertMoveFromTheHost(std::uint32_t seed)
    {
        server.setBotLevelProvider([] { return BotLevel::Expert; });
        server.game().setExpertSeed(seed);
        probe.giveTurn(1);
        probe.setTurnOpen(false);
        sent.clear();
        server.game().findplayer();
        EXPECT_TRUE(server.flow().expertThinking()) << "it thinks from the moment the turn is given";
        server.game().computertimerTimer();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !to(1).isEmpty() && to(1).last().startsWith("CMD_heplace"); }));
        return to(1).isEmpty() ? QByteArray() : to(1).last();
    }

    // Runs the event loop until the search has answered, and some more for
    // a late answer of a dropped one.
    void letTheSearchEnd()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !server.flow().expertThinking(); }, 10000));
        QTest::qWait(100);
    }

    bool anyPlacement() const
    {
        return std::any_of(sent.cbegin(), sent.cend(), [](const auto &m) { return m.second.startsWith("CMD_heplace"); });
    }

    void SetUp() override
    {
        join(1, "Blue");
        join(3, "Gold");
    }
};

TEST_F(ExpertPlayer, ItsViewAndMoveStayTheSameWhenOnlyHiddenTilesChange)
{
    for (int placements : {0, 15, 40}) {
        SCOPED_TRACE(placements);
        ASSERT_TRUE(roundUnderWay(placements));
        const ExpertView seen = server.flow().expertView(2);
        EXPECT_EQ(seen.hand, server.seats()[2].hand);
        EXPECT_EQ(seen.otherCount, 2) << "seats 3 and 1, in turn order";
        EXPECT_EQ(seen.others[0].tiles, hand::Slots);
        EXPECT_EQ(seen.poolsize, tilepool::Size - probe.pool().poolindex);
        const std::optional<ExpertMove> move = expertmove(seen, 7);
        ASSERT_TRUE(move.has_value());

        changeHiddenTiles(100 + placements);
        EXPECT_EQ(server.flow().expertView(2), seen);
        EXPECT_EQ(expertmove(server.flow().expertView(2), 7), move);
    }
}

TEST_F(ExpertPlayer, TheHostsExpertPlacesTheSameWhicheverTilesItCannotSee)
{
    ASSERT_TRUE(roundUnderWay(20));
    const ::board laid = probe.board();
    const hand own = probe.seat(2).hand;
    const int score = probe.seat(2).score;
    const int drawn = probe.pool().poolindex;
    const QByteArray first = expertMoveFromTheHost(31);
    ASSERT_TRUE(first.startsWith("CMD_heplace+2+"));

    probe.board() = laid;
    probe.seat(2).hand = own;
    probe.seat(2).score = score;
    probe.pool().poolindex = drawn;
    changeHiddenTiles(5);
    EXPECT_EQ(expertMoveFromTheHost(31), first);
}

TEST(ExpertMove, SameSeedSameMoveAlwaysLegalAndFoundWheneverOneExists)
{
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        RandomSource random(seed);
        ExpertView view;
        const int tries = seed % 8 == 0 ? 0 : random.between(1, 400);
        for (int i = 0; i < tries; ++i) {
            const int x = random.between(0, 9), y = random.between(0, 8);
            const tile t = randomTile(random);
            if (!view.board.taken(x, y) && canplace(view.board, x, y, t))
                view.board.at(x, y) = t;
        }
        for (tile &t : view.hand.tiles)
            t = randomTile(random);
        view.otherCount = random.between(1, 5);
        for (int i = 0; i < view.otherCount; ++i)
            view.others[i] = {hand::Slots, random.between(0, 3) == 0};
        view.poolsize = random.between(0, 100);

        const std::optional<ExpertMove> move = expertmove(view, seed);
        ASSERT_EQ(move.has_value(), checkforplay(view.board, view.hand)) << "seed " << seed;
        EXPECT_EQ(expertmove(view, seed), move) << "seed " << seed;
        if (move) {
            ASSERT_EQ(validateplacement(view.board, view.hand, move->x, move->y, move->slot), PlacementOk);
        }
        if (tries == 0) {
            EXPECT_EQ(move->x * 10 + move->y, 55) << "an empty board is opened on (5, 5)";
        }
    }
    std::atomic<bool> stop{true};
    ExpertView opening;
    opening.hand.tiles.fill(tile{1, 2, 3, 4});
    EXPECT_FALSE(expertmove(opening, 1, &stop)) << "a stopped search answers nothing";
}

TEST_F(ExpertPlayer, ASearchTheTurnNoLongerWantsPlacesNothing)
{
    server.setBotLevelProvider([] { return BotLevel::Expert; });
    deliver(1, "CMD_startgame+Blue+3++");
    const auto seat2Thinks = [this] {
        probe.giveTurn(1);
        probe.setTurnOpen(false);
        server.game().findplayer();
        sent.clear();
        return server.flow().expertThinking();
    };

    // A new game while it thinks: its first turn starts afresh.
    ASSERT_TRUE(seat2Thinks());
    server.game().computertimerTimer(); // the pause is up; the move waits for the search
    deliver(1, "CMD_startgame+Blue+3++");
    letTheSearchEnd();
    EXPECT_FALSE(anyPlacement());

    // The game over while it thinks.
    ASSERT_TRUE(seat2Thinks());
    server.game().computertimerTimer();
    probe.setGameRunning(false);
    letTheSearchEnd();
    EXPECT_FALSE(anyPlacement());
    probe.setGameRunning(true);

    // The next turn given while it thinks (a turn passed on by hand).
    ASSERT_TRUE(seat2Thinks());
    probe.setCurrentPlayer(2);
    server.game().findplayer();
    EXPECT_EQ(server.flow().currentplayer(), 3);
    letTheSearchEnd();
    EXPECT_FALSE(anyPlacement());
}

TEST_F(ExpertPlayer, ASearchThatAnswersNothingLeavesTheTurnToStrong)
{
    server.setBotLevelProvider([] { return BotLevel::Expert; });
    deliver(1, "CMD_startgame+Blue+3++");
    probe.giveTurn(1);
    probe.setTurnOpen(false);
    server.game().findplayer();
    ASSERT_EQ(server.flow().currentplayer(), 2);
    sent.clear();
    server.game().computertimerTimer();
    probe.expertAnswers(std::nullopt);
    EXPECT_TRUE(anyPlacement()) << "the turn does not hang";
    letTheSearchEnd();
}

TEST_F(ExpertPlayer, APersonWhoTakesTheSeatBackWhileItThinksPlaysTheTurn)
{
    server.setBotLevelProvider([] { return BotLevel::Expert; });
    deliver(1, "CMD_startgame+Blue+3++");
    deliver(1, "CMD_justwatch+1+1");
    ASSERT_TRUE(server.seats()[1].watching);
    probe.giveTurn(6);
    probe.setTurnOpen(false);
    server.game().findplayer();
    ASSERT_EQ(server.flow().currentplayer(), 1);
    ASSERT_TRUE(server.flow().expertThinking());
    EXPECT_FALSE(server.flow().holdsHumanTurn(1));

    // The pause is up and the move waits for the search when Blue is back.
    server.game().computertimerTimer();
    deliver(1, "CMD_justwatch+1+2");
    sent.clear();
    letTheSearchEnd();
    EXPECT_FALSE(anyPlacement());
    EXPECT_TRUE(server.flow().holdsHumanTurn(1)) << "the turn is Blue's";

    const hand &blue = server.seats()[1].hand;
    for (int x = 0; x < board::Columns && !anyPlacement(); ++x) {
        for (int y = 0; y < board::Rows && !anyPlacement(); ++y) {
            for (int slot = 1; slot <= hand::Slots && !anyPlacement(); ++slot) {
                if (validateplacement(server.flow().board(), blue, x, y, slot) == PlacementOk)
                    deliver(1, "CMD_placetile+1+" + QByteArray::number(x) + "+" + QByteArray::number(y) + "+"
                                   + QByteArray::number(slot) + "+");
            }
        }
    }
    ASSERT_FALSE(to(1).isEmpty());
    EXPECT_TRUE(to(1).first().startsWith("CMD_heplace+1+"));
}

TEST(ExpertHost, AHostClosedWhileItsExpertThinksLeavesNothingBehind)
{
    RandomSource random(3);
    auto host = std::make_unique<TServer>(random);
    holdGameTimers(*host);
    host->setBotLevelProvider([] { return BotLevel::Expert; });
    int placements = 0;
    host->setOutgoingObserver([&placements](int, const QByteArray &m) { placements += m.startsWith("CMD_heplace"); });
    // Only seat 2 plays, by the computer, and opens the round.
    host->game().startgame("Blue+3+", 1);
    ASSERT_TRUE(host->flow().expertThinking());
    host->game().computertimerTimer();
    host.reset();
    QTest::qWait(100); // an answer still queued must not reach the host
    EXPECT_EQ(placements, 0);
}
