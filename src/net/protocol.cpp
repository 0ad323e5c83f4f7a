#include "protocol.h"

#include "digits.h"

namespace wire {

namespace {

// Unicode code points of the bytes 0x80..0x9F in Windows-1252; 0 where the
// code page has no character (those bytes decode as the C1 control itself).
constexpr char16_t cp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char encodeChar(char16_t c)
{
    if (c == 0x00FF)
        return 'y';
    if (c < 0x80 || (c >= 0xA0 && c < 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (cp1252High[i] != 0 && cp1252High[i] == c)
            return static_cast<char>(0x80 + i);
    }
    if (c >= 0x80 && c < 0xA0 && cp1252High[c - 0x80] == 0)
        return static_cast<char>(c);
    return '?';
}

QByteArray num(int n)
{
    return QByteArray::number(n);
}

QByteArray message(const char *name, const QByteArray &body)
{
    QByteArray m(name);
    m += body;
    m += Terminator;
    return m;
}

QByteArray tileFields(const ::tile &t)
{
    return "+" + num(t.top) + "+" + num(t.right) + "+" + num(t.bottom) + "+" + num(t.left);
}

} // namespace

QByteArray encodeText(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes += encodeChar(c.unicode());
    return bytes;
}

QString decodeText(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u < 0xA0 && cp1252High[u - 0x80] != 0)
            text += QChar(cp1252High[u - 0x80]);
        else
            text += QChar(u);
    }
    return text;
}

namespace client {

QByteArray logininfo(int seat, const QByteArray &version, const QByteArray &name)
{
    return message("CMD_logininfo+", num(seat) + "+" + version + "+" + name);
}

QByteArray startgame(const QByteArray &name, const QByteArray &rounds)
{
    return message("CMD_startgame+", name + "+" + rounds + "++");
}

QByteArray placetile(int seat, int x, int y, int slot)
{
    return message("CMD_placetile+", num(seat) + "+" + num(x) + "+" + num(y) + "+" + num(slot) + "+");
}

QByteArray chat(int seat, const QByteArray &text, const QByteArray &colour)
{
    return message("CMD_chat+", num(seat) + "+" + text + "|" + colour);
}

QByteArray action(int seat, const QByteArray &text, const QByteArray &colour)
{
    return message("CMD_action+", num(seat) + "+" + text + "|" + colour);
}

QByteArray playasound(int seat, int n)
{
    return message("CMD_playasound+", num(seat) + "+wave" + num(n) + "+");
}

QByteArray justwatch(int seat, int mode)
{
    return message("CMD_justwatch+", num(seat) + "+" + num(mode));
}

QByteArray kickhim(int seat, int target)
{
    return message("CMD_kickhim+", num(seat) + "+" + num(target) + "+");
}

} // namespace client

namespace host {

QByteArray sendlogininfo(int seat)
{
    return message("CMD_sendlogininfo+", num(seat));
}

QByteArray full()
{
    return message("CMD_full+", {});
}

QByteArray newplayerinfo(int seat, const QByteArray &name)
{
    return message("CMD_newplayerinfo+", num(seat) + "+" + name + "+0");
}

QByteArray existingplayers(const QList<PresentPlayer> &players)
{
    QByteArray body;
    for (const PresentPlayer &p : players)
        body += "+" + num(p.seat) + "+" + p.name + "+" + (p.watching ? "1" : "0");
    // The name has no "+" of its own: each entry brings the one before it.
    return message("CMD_existingplayers", body);
}

QByteArray havewrongversion(const QByteArray &name)
{
    return message("CMD_havewrongversion+", name);
}

QByteArray wrongversion()
{
    return message("CMD_wrongversion+", {});
}

QByteArray showtiles(int seat, const QList<SlotTile> &hand)
{
    QByteArray body = num(seat);
    for (const SlotTile &s : hand)
        body += "+" + num(s.slot) + tileFields(s.tile);
    return message("CMD_showtiles+", body);
}

QByteArray loadboard(int seat, const QList<CellTile> &cells)
{
    QByteArray body = num(seat);
    for (const CellTile &c : cells)
        body += "+" + num(c.x) + "+" + num(c.y) + tileFields(c.tile);
    return message("CMD_loadboard+", body);
}

QByteArray loadstats(int seat, int rounds, int round, int turn, const std::array<int, 6> &scores)
{
    QByteArray body = num(seat) + "+" + num(rounds) + "+" + num(round) + "+" + num(turn);
    for (int s = 1; s <= 6; ++s)
        body += "+" + num(s) + "+" + num(scores[s - 1]);
    return message("CMD_loadstats+", body);
}

QByteArray playerdisconnected(int seat, const QByteArray &name)
{
    return message("CMD_playerdisconnected+", num(seat) + "+" + name);
}

QByteArray justwatching(int seat, int mode)
{
    return message("CMD_justwatching+", num(seat) + "+" + num(mode));
}

QByteArray chat(int seat, const QByteArray &name, const QByteArray &rest)
{
    return message("CMD_chat+", num(seat) + "+" + name + " chats: " + rest);
}

QByteArray action(int seat, const QByteArray &name, const QByteArray &rest)
{
    return message("CMD_action+", num(seat) + "+" + name + " " + rest);
}

QByteArray playasound(int seat, const QByteArray &rest)
{
    return message("CMD_playasound+", num(seat) + "+" + rest);
}

QByteArray startgame(const QByteArray &name, int rounds)
{
    return message("CMD_startgame+", name + "+" + num(rounds) + "+");
}

QByteArray roundstarting(int round)
{
    return message("CMD_roundstarting+", num(round) + "+");
}

QByteArray nextplayer(int seat)
{
    return message("CMD_nextplayer+", num(seat) + "+");
}

QByteArray nomoves(int seat)
{
    return message("CMD_nomoves+", num(seat) + "+");
}

QByteArray anerror(int seat, int code)
{
    return message("CMD_anerror+", num(seat) + "+" + num(code) + "+");
}

QByteArray heplace(int seat, int total, int gain, int x, int y, const ::tile &t)
{
    return message("CMD_heplace+", num(seat) + "+" + num(total) + "+" + num(gain) + "+" + num(x) + "+"
                                       + num(y) + tileFields(t) + "+");
}

QByteArray roundend()
{
    return message("CMD_roundend+", {});
}

QByteArray winner(const QByteArray &name)
{
    return message("CMD_winner+", name + "+");
}

} // namespace host

std::optional<int> parseNumber(const QByteArray &text)
{
    const std::optional<std::uint64_t> value = parseDigits(std::string_view(text.constData(), std::size_t(text.size())), 10, 0x7FFFFFFF);
    if (!value)
        return std::nullopt;
    return static_cast<int>(*value);
}

QByteArray FieldReader::field()
{
    const qsizetype plus = m_rest.indexOf('+');
    if (plus < 0)
        return {};
    QByteArray f = m_rest.left(plus);
    m_rest.remove(0, plus + 1);
    return f;
}

QByteArray FieldReader::fieldOrRest()
{
    if (m_rest.indexOf('+') < 0)
        return rest();
    return field();
}

std::optional<int> FieldReader::number()
{
    return parseNumber(field());
}

int FieldReader::num()
{
    const std::optional<int> n = number();
    if (!n)
        throw BadField{};
    return *n;
}

int FieldReader::lastNum()
{
    const std::optional<int> n = parseNumber(fieldOrRest());
    if (!n)
        throw BadField{};
    return *n;
}

tile readTile(FieldReader &reader)
{
    tile t;
    t.top = reader.num();
    t.right = reader.num();
    t.bottom = reader.num();
    t.left = reader.lastNum();
    return t;
}

QByteArray FieldReader::rest()
{
    QByteArray r;
    std::swap(r, m_rest);
    return r;
}

std::pair<QByteArray, QByteArray> splitMessage(const QByteArray &line)
{
    const qsizetype plus = line.indexOf('+');
    if (plus < 0)
        return {};
    return {line.left(plus), line.mid(plus + 1)};
}

} // namespace wire
