#include "catalogue.h"

#include "protocol.h"

#include <QList>

#include <functional>

namespace {

bool inRange(const QByteArray &field, int low, int high)
{
    const std::optional<int> n = wire::parseNumber(field);
    return n && *n >= low && *n <= high;
}

bool seat(const QByteArray &field) { return inRange(field, 1, 9); }
bool playerSeat(const QByteArray &field) { return inRange(field, 1, 6); }
bool number(const QByteArray &field) { return wire::parseNumber(field).has_value(); }
bool side(const QByteArray &field) { return inRange(field, 1, 4); }

// A body of fields each closed by "+": the fields, and whether the body ended
// with its "+" (the last element of the split is then empty).
bool closedFields(const QList<QByteArray> &parts, qsizetype count)
{
    return parts.size() == count + 1 && parts.last().isEmpty();
}

// seat followed by groups of `group` fields, the last without its "+";
// `check` judges one group starting at index i.
bool seatAndGroups(const QList<QByteArray> &parts, qsizetype group, qsizetype minGroups,
                   const std::function<bool(qsizetype)> &check)
{
    if (parts.isEmpty() || !seat(parts[0]) || (parts.size() - 1) % group != 0)
        return false;
    const qsizetype groups = (parts.size() - 1) / group;
    if (groups < minGroups)
        return false;
    for (qsizetype g = 0; g < groups; ++g) {
        if (!check(1 + g * group))
            return false;
    }
    return true;
}

bool tileAt(const QList<QByteArray> &p, qsizetype i, bool emptyAllowed)
{
    if (emptyAllowed && p[i] == "0")
        return p[i + 1] == "0" && p[i + 2] == "0" && p[i + 3] == "0";
    return side(p[i]) && side(p[i + 1]) && side(p[i + 2]) && side(p[i + 3]);
}

} // namespace

bool inHostCatalogue(const QByteArray &line)
{
    const auto [name, body] = wire::splitMessage(line);
    const QList<QByteArray> p = body.split('+');

    if (name == "CMD_sendlogininfo")
        return p.size() == 1 && seat(p[0]);
    if (name == "CMD_full" || name == "CMD_wrongversion" || name == "CMD_roundend")
        return body.isEmpty();
    if (name == "CMD_newplayerinfo")
        return p.size() == 3 && seat(p[0]) && p[2] == "0";
    if (name == "CMD_existingplayers") {
        // "CMD_existingplayers" is followed directly by "+seat+name+w" entries.
        if (p.size() % 3 != 0)
            return false;
        for (qsizetype i = 0; i < p.size(); i += 3) {
            if (!seat(p[i]) || (p[i + 2] != "0" && p[i + 2] != "1"))
                return false;
        }
        return true;
    }
    if (name == "CMD_havewrongversion")
        return !body.contains('+');
    if (name == "CMD_showtiles")
        return seatAndGroups(p, 5, 1, [&](qsizetype i) { return inRange(p[i], 1, 7) && tileAt(p, i + 1, true); });
    if (name == "CMD_loadboard")
        return seatAndGroups(p, 6, 1, [&](qsizetype i) {
            return inRange(p[i], 0, 9) && inRange(p[i + 1], 0, 8) && tileAt(p, i + 2, false);
        });
    if (name == "CMD_loadstats") {
        if (p.size() != 16 || !seat(p[0]) || !number(p[1]) || !number(p[2]) || !inRange(p[3], 0, 6))
            return false;
        for (qsizetype i = 4; i < 16; i += 2) {
            if (!playerSeat(p[i]) || !number(p[i + 1]))
                return false;
        }
        return true;
    }
    if (name == "CMD_playerdisconnected")
        return p.size() >= 2 && seat(p[0]);
    if (name == "CMD_justwatching")
        return p.size() == 2 && playerSeat(p[0]) && (p[1] == "1" || p[1] == "2");
    if (name == "CMD_chat" || name == "CMD_action") {
        const qsizetype bar = body.indexOf('|');
        return p.size() >= 2 && seat(p[0]) && bar > 0
               && (name == "CMD_action" || body.indexOf(" chats: ") > 0);
    }
    if (name == "CMD_playasound")
        return closedFields(p, 2) && seat(p[0]) && p[1].startsWith("wave") && number(p[1].mid(4));
    if (name == "CMD_startgame")
        return closedFields(p, 2) && inRange(p[1], 1, 10);
    if (name == "CMD_roundstarting")
        return closedFields(p, 1) && inRange(p[0], 1, 1000);
    if (name == "CMD_nextplayer" || name == "CMD_nomoves")
        return closedFields(p, 1) && playerSeat(p[0]);
    if (name == "CMD_anerror")
        return closedFields(p, 2) && playerSeat(p[0]) && inRange(p[1], 1, 3);
    if (name == "CMD_heplace")
        return closedFields(p, 9) && playerSeat(p[0]) && number(p[1]) && inRange(p[2], 0, 250)
               && inRange(p[3], 0, 9) && inRange(p[4], 0, 8) && tileAt(p, 5, false);
    if (name == "CMD_winner")
        return closedFields(p, 1) && !p[0].isEmpty();
    return false;
}
