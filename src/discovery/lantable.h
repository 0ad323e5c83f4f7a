#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A hosted table as it travels in DNS-SD: the service type `_tavlix._tcp`,
// its service name (the hosting player's name) and its TXT strings.
//
// The hosting copy builds a LanTable and publishes its txt(); a launcher
// reads what another machine published with readLanGame(), which treats
// every byte of it as a stranger's.
namespace lan {

inline constexpr const char *ServiceType = "_tavlix._tcp";
// Joining names an address only, so a table is found only on the game's
// own port.
inline constexpr quint16 GamePort = 7772;
// DNS labels hold at most 63 bytes; a TXT string at most 255.
inline constexpr qsizetype MaxServiceName = 63;
inline constexpr qsizetype MaxTxtValue = 200;
// The seats a table has: six to play, three to watch.
inline constexpr int PlayerPlaces = 6;
inline constexpr int WatcherPlaces = 3;
inline constexpr int MaxRounds = 99;

// What a hosting copy tells about its table.
struct LanTable
{
    QString host;          // the hosting player's name, as typed
    QString version;       // the game's version text
    int players = 0;       // player seats held by people who logged in
    int watchers = 0;      // watcher seats held by people who logged in
    int free = 0;          // places a newcomer could still take
    bool playing = false;
    int round = 0;         // while playing: the current round ...
    int rounds = 0;        // ... of this many
    bool locked = false;   // the table takes nobody new

    // "version=...", "host=...", "players=...", "watchers=...", "free=...",
    // "state=waiting|playing", "round=2/3" (empty while waiting), "locked=0|1".
    QList<QByteArray> txt() const;
    // The service name: the host's name cut to what a DNS label holds
    // ("Tavlix" for a blank one).
    QByteArray serviceName() const;

    bool operator==(const LanTable &) const = default;
};

// A table found on the network.
struct LanGame
{
    QString name;          // the service name, made printable
    QString address;       // where to join: an IPv4 address
    QString version;
    int players = 0;
    int watchers = 0;
    int free = -1;         // -1: not told
    bool playing = false;
    int round = 0;         // 0: not told
    int rounds = 0;
    bool locked = false;

    bool operator==(const LanGame &) const = default;
};

// A found service as a game, or nothing when it cannot be joined from
// here (another port) or does not read as a table: `players` and `state`
// must be there and sound; the other values count only where they make
// sense. Names are cut and stripped of control and format characters.
std::optional<LanGame> readLanGame(const QByteArray &serviceName, const QString &address, quint16 port,
                                   const QList<QByteArray> &txt);

// "waiting" or "round 2 of 3", then ", locked" and ", full" where so.
QString stateText(const LanGame &game);
// The launcher's row: "Ann at 192.168.1.20, 2 players, round 2 of 3, locked".
QString rowText(const LanGame &game);
// One line of `orvellobby --list`: name, address, players and state,
// separated by tabs.
QString listLine(const LanGame &game);

} // namespace lan
