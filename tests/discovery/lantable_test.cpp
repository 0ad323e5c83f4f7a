// readLanGame over TXT records as a hostile machine on the network might
// announce them.
#include "lantable.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

const QList<QByteArray> Sound{"players=2", "state=waiting"};

QList<QByteArray> with(QList<QByteArray> txt, const QByteArray &entry)
{
    txt.append(entry);
    return txt;
}

std::optional<lan::LanGame> read(const QByteArray &name, const QList<QByteArray> &txt, quint16 port = lan::GamePort)
{
    return lan::readLanGame(name, QStringLiteral("192.168.1.20"), port, txt);
}

} // namespace

TEST(ReadLanGame, LengthsCountsAndHugeNumbers)
{
    struct Case { const char *what; QList<QByteArray> txt; bool listed; int players = 0, watchers = 0, free = 0, round = 0, rounds = 0; };
    QList<QByteArray> thousand = Sound;
    for (int i = 0; i < 1000; ++i)
        thousand.append("x" + QByteArray::number(i) + "=" + QByteArray(200, 'y'));
    const Case cases[] = {
        {"sound", with(Sound, "free=4"), true, 2, 0, 4, 0, 0},
        {"no players", {"state=waiting"}, false},
        {"no state", {"players=2"}, false},
        {"state of another case", {"players=2", "state=PLAYING"}, false},
        {"more players than seats", {"players=7", "state=waiting"}, false},
        {"players past 2^64", {"players=184467440737095516160", "state=waiting"}, false},
        {"a sign", {"players=-1", "state=waiting"}, false},
        {"blanks", {"players= 2", "state=waiting"}, false},
        {"empty key and no value", with(with(Sound, "=5"), "watchers"), true, 2, 0, -1, 0, 0},
        {"watchers and free out of range", with(with(Sound, "watchers=4"), "free=99999999999"), true, 2, 0, -1, 0, 0},
        {"keys in capitals", {"PLAYERS=3", "State=playing", "ROUND=2/3"}, true, 3, 0, -1, 2, 3},
        {"round past rounds", {"players=1", "state=playing", "round=4/3"}, true, 1, 0, -1, 0, 0},
        {"round without rounds", {"players=1", "state=playing", "round=2/"}, true, 1, 0, -1, 0, 0},
        {"round while waiting", with(Sound, "round=1/3"), true, 2, 0, -1, 0, 0},
        {"a thousand strings", thousand, true, 2, 0, -1, 0, 0},
        {"the last of repeated keys", with(Sound, "players=5"), true, 5, 0, -1, 0, 0},
    };
    for (const Case &c : cases) {
        const std::optional<lan::LanGame> game = read("Ann", c.txt);
        ASSERT_EQ(game.has_value(), c.listed) << c.what;
        if (!game)
            continue;
        EXPECT_EQ(game->players, c.players) << c.what;
        EXPECT_EQ(game->watchers, c.watchers) << c.what;
        EXPECT_EQ(game->free, c.free) << c.what;
        EXPECT_EQ(game->round, c.round) << c.what;
        EXPECT_EQ(game->rounds, c.rounds) << c.what;
    }
    EXPECT_FALSE(read("Ann", Sound, 7773)) << "another port cannot be joined";
    EXPECT_EQ(read("Ann", with(Sound, "version=" + QByteArray(500, 'v')))->version.size(), 32);
}

TEST(ReadLanGame, NamesAreShownByCodePointWithoutControlsAndASpoofShowsItsOwnAddress)
{
    const struct { const char *what; QByteArray name; QString shown; /* empty: not listed */ } cases[] = {
        {"plain", "Ann", QStringLiteral("Ann")},
        {"an emoji", "Ann \xF0\x9F\x8E\xB2", QStringLiteral("Ann ") + QString::fromUcs4(U"\U0001F3B2", 1)},
        {"line breaks and tabs", "Ann\r\nat\tHome", QStringLiteral("Ann at Home")},
        {"a right-to-left override", "Ann\xE2\x80\xAEmoc.exe", QStringLiteral("Ann moc.exe")},
        {"bytes that are not UTF-8", "Ann\xFF\xC0", QStringLiteral("Ann") + QChar(0xFFFD) + QChar(0xFFFD)},
        {"controls alone", "\x01\x02\x7F", QString()},
        {"longer than a DNS label", QByteArray(100, 'a'), QString(63, QLatin1Char('a'))},
    };
    for (const auto &c : cases) {
        const std::optional<lan::LanGame> game = read(c.name, Sound);
        ASSERT_EQ(game.has_value(), !c.shown.isEmpty()) << c.what;
        if (game)
            EXPECT_EQ(game->name, c.shown) << c.what;
    }
    const auto spoof = lan::readLanGame("Ann", QStringLiteral("192.168.1.66"), lan::GamePort, Sound);
    EXPECT_EQ(lan::rowText(*spoof), "Ann at 192.168.1.66, 2 players, waiting");
}
