// libFuzzer target for readLanGame, the one reader of bytes that another
// machine on the network announces. The input is a service name and TXT
// strings, each led by its length byte as in a DNS TXT record. Whatever it
// reads must keep within the table's limits and show as printable text on
// one line.

#include "lantable.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QList<QByteArray> strings;
    std::size_t at = 0;
    while (at < size) {
        const std::size_t length = std::min<std::size_t>(data[at], size - at - 1);
        strings.append(QByteArray(reinterpret_cast<const char *>(data + at + 1), qsizetype(length)));
        at += length + 1;
    }
    if (strings.isEmpty())
        return 0;
    const QByteArray name = strings.takeFirst();
    const std::optional<lan::LanGame> game =
        lan::readLanGame(name, QStringLiteral("192.0.2.1"), lan::GamePort, strings);
    if (!game)
        return 0;
    check(!game->name.isEmpty() && game->name == game->name.trimmed());
    for (const QString &text : {game->name, game->version}) {
        for (const char32_t point : text.toUcs4())
            check(QChar::isPrint(point));
    }
    check(game->players >= 0 && game->players <= lan::PlayerPlaces);
    check(game->watchers >= 0 && game->watchers <= lan::WatcherPlaces);
    check(game->free >= -1 && game->free <= lan::PlayerPlaces + lan::WatcherPlaces);
    check(game->rounds >= 0 && game->rounds <= lan::MaxRounds && game->round >= 0 && game->round <= game->rounds);
    check(game->playing || (game->round == 0 && game->rounds == 0));
    check(!lan::rowText(*game).contains(QLatin1Char('\n')) && !lan::listLine(*game).contains(QLatin1Char('\n')));
    return 0;
}
