#include "lantable.h"

#include "digits.h"

#include <QCoreApplication>
#include <QStringList>

namespace lan {

namespace {

// UTF-8 cut to at most `bytes` without splitting a character.
QByteArray cutUtf8(const QString &text, qsizetype bytes)
{
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= bytes)
        return utf8;
    qsizetype end = bytes;
    // Continuation bytes are 10xxxxxx: step back to a character's start.
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        --end;
    return utf8.left(end);
}

// Text from the network as it may be shown and printed: no control or
// format characters (line breaks, tabs, reordering marks), no blanks around.
// Judged by code point, so that a character beyond the first 65,536 (an
// emoji) stays while a lone surrogate does not.
QString printable(const QByteArray &bytes, qsizetype maxBytes)
{
    QList<uint> points = QString::fromUtf8(bytes.left(maxBytes)).toUcs4();
    for (uint &point : points) {
        if (!QChar::isPrint(char32_t(point)))
            point = ' ';
    }
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()), points.size()).simplified();
}

std::optional<int> number(const QByteArray &value, int limit)
{
    const auto parsed = parseDigits(std::string_view(value.constData(), static_cast<std::size_t>(value.size())), 10,
                                    static_cast<std::uint64_t>(limit));
    if (!parsed)
        return std::nullopt;
    return static_cast<int>(*parsed);
}

} // namespace

QList<QByteArray> LanTable::txt() const
{
    const QByteArray round = playing ? QByteArray::number(this->round) + '/' + QByteArray::number(rounds) : QByteArray();
    return {"version=" + cutUtf8(version, MaxTxtValue),
            "host=" + cutUtf8(host, MaxTxtValue),
            "players=" + QByteArray::number(players),
            "watchers=" + QByteArray::number(watchers),
            "free=" + QByteArray::number(free),
            QByteArray("state=") + (playing ? "playing" : "waiting"),
            "round=" + round,
            QByteArray("locked=") + (locked ? "1" : "0")};
}

QByteArray LanTable::serviceName() const
{
    // A service needs a name; a blank one typed on the command line has none.
    const QByteArray name = cutUtf8(host.simplified(), MaxServiceName);
    return name.isEmpty() ? QByteArray("Tavlix") : name;
}

std::optional<LanGame> readLanGame(const QByteArray &serviceName, const QString &address, quint16 port,
                                   const QList<QByteArray> &txt)
{
    if (port != GamePort || address.isEmpty())
        return std::nullopt;
    LanGame game;
    game.name = printable(serviceName, MaxServiceName);
    game.address = address;
    if (game.name.isEmpty())
        return std::nullopt;

    std::optional<int> players;
    std::optional<bool> playing;
    for (const QByteArray &entry : txt) {
        const qsizetype equals = entry.indexOf('=');
        if (equals <= 0)
            continue;
        // Keys are case-insensitive in DNS-SD.
        const QByteArray key = entry.left(equals).toLower();
        const QByteArray value = entry.mid(equals + 1);
        if (key == "players") {
            players = number(value, PlayerPlaces);
        } else if (key == "watchers") {
            game.watchers = number(value, WatcherPlaces).value_or(0);
        } else if (key == "free") {
            game.free = number(value, PlayerPlaces + WatcherPlaces).value_or(-1);
        } else if (key == "state") {
            if (value == "waiting" || value == "playing")
                playing = value == "playing";
        } else if (key == "round") {
            const qsizetype slash = value.indexOf('/');
            const auto round = number(value.left(slash), MaxRounds);
            const auto rounds = number(value.mid(slash + 1), MaxRounds);
            if (slash > 0 && round && rounds && *round >= 1 && *round <= *rounds) {
                game.round = *round;
                game.rounds = *rounds;
            }
        } else if (key == "locked") {
            game.locked = value == "1";
        } else if (key == "version") {
            game.version = printable(value, 32);
        }
    }
    if (!players || !playing)
        return std::nullopt;
    game.players = *players;
    game.playing = *playing;
    if (!game.playing)
        game.round = game.rounds = 0;
    return game;
}

namespace {

// The launcher's rows are read by a person, in the player's language; the
// lines of `--list` are read by scripts and stay English.
using Words = QString (*)(const char *);

QString translated(const char *source)
{
    return QCoreApplication::translate("LanTable", source);
}

QString english(const char *source)
{
    return QString::fromLatin1(source);
}

QString stateWords(const LanGame &game, Words words)
{
    QString text;
    //: The state of a game on the network
    if (!game.playing)
        text = words(QT_TRANSLATE_NOOP("LanTable", "waiting"));
    else if (game.round > 0)
        text = words(QT_TRANSLATE_NOOP("LanTable", "round %1 of %2")).arg(game.round).arg(game.rounds);
    else
        text = words(QT_TRANSLATE_NOOP("LanTable", "playing"));
    if (game.locked)
        text += words(QT_TRANSLATE_NOOP("LanTable", ", locked"));
    if (game.free == 0)
        text += words(QT_TRANSLATE_NOOP("LanTable", ", full"));
    return text;
}

} // namespace

QString stateText(const LanGame &game)
{
    return stateWords(game, english);
}

QString rowText(const LanGame &game)
{
    const QString players = game.players == 1 ? translated(QT_TRANSLATE_NOOP("LanTable", "1 player"))
                                              : translated(QT_TRANSLATE_NOOP("LanTable", "%1 players")).arg(game.players);
    //: A game on the network: the host's name, its address, the players, its state
    return translated(QT_TRANSLATE_NOOP("LanTable", "%1 at %2, %3, %4"))
        .arg(game.name, game.address, players, stateWords(game, translated));
}

QString listLine(const LanGame &game)
{
    return QStringList{game.name, game.address, QString::number(game.players), stateText(game)}.join(QLatin1Char('\t'));
}

} // namespace lan
