// The Strong computer player: squares it takes, squares it leaves alone, and
// legal moves in any position.
#include "hostharness.h"

#include "placement.h"
#include "strongplayer.h"

using StrongPlayer = HostTest;

// Seat 2, played by the computer at `level`, moves on a board of one-only
// tiles: a three-tile cell at (6, 6) worth 30 and a square at (2, 2) worth
// 65. Answers the CMD_heplace everyone gets.
static QByteArray computerMoveAt(HostProbe &probe, TServer &server, BotLevel level)
{
    const tile ones{1, 1, 1, 1};
    probe.board().clear();
    for (const auto &[x, y] : {std::pair{1, 1}, {2, 1}, {1, 2}, {6, 5}, {5, 6}, {7, 6}})
        probe.board().at(x, y) = ones;
    for (int slot = 1; slot <= hand::Slots; ++slot)
        probe.seat(2).hand.at(slot) = ones;
    probe.seat(2).score = 0;
    probe.seat(2).watching = true;
    probe.setFirstTile(false);
    probe.giveTurn(1);
    server.setBotLevelProvider([level] { return level; });
    server.game().findplayer();
    EXPECT_EQ(server.flow().computertimer().Tag, 1) << "the move waits for the bot-speed pause";
    server.game().computertimerTimer();
    return probe.board().taken(2, 2) ? "square" : probe.board().taken(6, 6) ? "three" : "elsewhere";
}

TEST_F(StrongPlayer, TakesTheSquareThatClassicPassesBy)
{
    twoPlayerGame();
    EXPECT_EQ(computerMoveAt(probe, server, BotLevel::Classic), "three");
    EXPECT_EQ(server.seats()[2].score, 30);
    EXPECT_EQ(computerMoveAt(probe, server, BotLevel::Strong), "square");
    EXPECT_EQ(server.seats()[2].score, 65);
    EXPECT_TRUE(to(1).last().startsWith("CMD_heplace+2+65+65+2+2+")) << "announced like any placement";
}

TEST(StrongMove, DeclinesToOpenASquareWhenAnEqualMoveDoesNot)
{
    board b;
    b.at(2, 2) = tile{1, 1, 1, 1};
    b.at(3, 2) = tile{1, 4, 2, 1};
    hand h;
    h.tiles.fill(tile{4, 3, 2, 1}); // fits beside none of these tiles, itself included
    h.at(1) = tile{1, 2, 3, 4};
    // Both fit and earn 5; below (2, 2) it would leave (3, 3) worth 65 to a
    // tile with top 2 and left 2, which this hand does not hold.
    ASSERT_TRUE(canplace(b, 2, 3, h.at(1)) && canplace(b, 4, 2, h.at(1)));
    ASSERT_EQ(getscore(b, 2, 3), getscore(b, 4, 2));
    EXPECT_EQ(strongmove(b, h, 1), (StrongMove{4, 2, 1}));
}

TEST(StrongMove, EveryMoveIsLegalAndFoundWheneverOneExists)
{
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        RandomSource random(seed);
        const auto anyTile = [&random] {
            return tile{random.between(1, 4), random.between(1, 4), random.between(1, 4), random.between(1, 4)};
        };
        board b;
        const int tries = seed % 50 == 0 ? 0 : random.between(1, 400);
        for (int i = 0; i < tries; ++i) {
            const int x = random.between(0, 9), y = random.between(0, 8);
            const tile t = anyTile();
            if (!b.taken(x, y) && canplace(b, x, y, t))
                b.at(x, y) = t;
        }
        hand h;
        for (tile &t : h.tiles)
            t = anyTile();
        const std::optional<StrongMove> move = strongmove(b, h, random.between(0, 5));
        ASSERT_EQ(move.has_value(), checkforplay(b, h)) << "seed " << seed;
        if (move) {
            ASSERT_EQ(validateplacement(b, h, move->x, move->y, move->slot), PlacementOk) << "seed " << seed;
        }
        if (tries == 0) {
            EXPECT_EQ(move->x * 10 + move->y, 55) << "an empty board is opened on (5, 5)";
        }
    }
}
