#pragma once

// The wire protocol between the host and its clients.
//
//   message  = name body FF            FF is the single byte 0xFF; no length,
//                                       no line end, no escaping
//   name     = "CMD_" lower-case word   everything before the first "+"
//   body     = everything after the first "+"
//   body     = *( field "+" ) [ rest ]  a field is read up to the next "+";
//                                       a rest field is all that remains and
//                                       may itself contain "+"
//   number   = 1*DIGIT                  unsigned decimal
//   text     = single-byte characters (Windows-1252), never 0xFF
//
// A message without "+" has an empty name and is ignored, as are empty
// messages and unknown names. A number field that does not read as a number
// ends the handling of its message before anything changes.
//
// Client to host:
//   CMD_logininfo+seat+version+name(rest)     CMD_startgame+name+rounds++
//   CMD_placetile+seat+X+Y+slot+               CMD_chat+seat+text|colour(rest)
//   CMD_action+seat+text|colour(rest)          CMD_playasound+seat+waveN+(rest)
//   CMD_justwatch+seat+mode(rest: 1 or 2)      CMD_kickhim+seat+target+
// Host to client:
//   CMD_sendlogininfo+seat    CMD_full+    CMD_newplayerinfo+seat+name+0
//   CMD_existingplayers{+seat+name+w}        CMD_havewrongversion+name
//   CMD_wrongversion+         CMD_showtiles+seat{+slot+top+right+bottom+left}
//   CMD_loadboard+seat{+X+Y+top+right+bottom+left}
//   CMD_loadstats+seat+rounds+round+turn{+seat+score}   (seats 1..6)
//   CMD_playerdisconnected+seat+name          CMD_justwatching+seat+1|2
//   CMD_chat+seat+name chats: text|colour     CMD_action+seat+name text|colour
//   CMD_playasound+seat+waveN+                CMD_startgame+name+rounds+
//   CMD_roundstarting+round+  CMD_nextplayer+seat+  CMD_nomoves+seat+
//   CMD_anerror+seat+code+    CMD_heplace+seat+total+gain+X+Y+top+right+bottom+left+
//   CMD_roundend+             CMD_winner+name+

#include "programversion.h"
#include "tile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <utility>

namespace wire {

inline constexpr char Terminator = '\xFF';

// The program's version text, shown in the about window, sent by the client
// at login and compared by the host ("different version" notices). It is the
// project version that CMake configures (programversion.h.in).
inline constexpr char ProgramVersion[] = TAVLIX_PROGRAM_VERSION;

// Lengths the host lets through. Every client closes its connection when a
// message passes its framing limit (LineFramer::MaxTail, 64 KiB), so nothing
// the host sends may carry text of a peer's choosing in unbounded length:
// names are cut when the host stores them, chat and action text before it
// is relayed, and the chat input stops at the same length.
inline constexpr qsizetype MaxNameLength = 40;
inline constexpr qsizetype MaxTextLength = 2000;

// Text on the wire is single-byte Windows-1252. Characters without a
// Windows-1252 byte become '?'; the character that would be the byte 0xFF
// (y with diaeresis) becomes a plain 'y', so text can never end a message
// early.
QByteArray encodeText(const QString &text);
QString decodeText(const QByteArray &bytes);

// One player present at a login, for CMD_existingplayers.
struct PresentPlayer
{
    int seat = 0;
    QByteArray name;
    bool watching = false;
};

// A hand slot for CMD_showtiles.
struct SlotTile
{
    int slot = 0;
    ::tile tile;
};

// A taken cell for CMD_loadboard.
struct CellTile
{
    int x = 0;
    int y = 0;
    ::tile tile;
};

// Messages a client sends. Each returns the complete message, terminator
// included, ready for one Send.
namespace client {
QByteArray logininfo(int seat, const QByteArray &version, const QByteArray &name);
QByteArray startgame(const QByteArray &name, const QByteArray &rounds);
QByteArray placetile(int seat, int x, int y, int slot);
QByteArray chat(int seat, const QByteArray &text, const QByteArray &colour);
QByteArray action(int seat, const QByteArray &text, const QByteArray &colour);
QByteArray playasound(int seat, int n);
QByteArray justwatch(int seat, int mode);
QByteArray kickhim(int seat, int target);
} // namespace client

// Messages the host sends.
namespace host {
QByteArray sendlogininfo(int seat);
QByteArray full();
QByteArray newplayerinfo(int seat, const QByteArray &name);
QByteArray existingplayers(const QList<PresentPlayer> &players);
QByteArray havewrongversion(const QByteArray &name);
QByteArray wrongversion();
QByteArray showtiles(int seat, const QList<SlotTile> &hand);
QByteArray loadboard(int seat, const QList<CellTile> &cells);
QByteArray loadstats(int seat, int rounds, int round, int turn, const std::array<int, 6> &scores);
QByteArray playerdisconnected(int seat, const QByteArray &name);
QByteArray justwatching(int seat, int mode);
// Relays: `rest` is the sender's body after its seat field, unchanged.
QByteArray chat(int seat, const QByteArray &name, const QByteArray &rest);
QByteArray action(int seat, const QByteArray &name, const QByteArray &rest);
QByteArray playasound(int seat, const QByteArray &rest);
QByteArray startgame(const QByteArray &name, int rounds);
QByteArray roundstarting(int round);
QByteArray nextplayer(int seat);
QByteArray nomoves(int seat);
QByteArray anerror(int seat, int code);
QByteArray heplace(int seat, int total, int gain, int x, int y, const ::tile &t);
QByteArray roundend();
QByteArray winner(const QByteArray &name);
} // namespace host

// A field that must be a number and is not. Thrown by FieldReader::num() and
// caught by the Dispatcher, which ends the handling of that message.
struct BadField
{
};

// Reads the fields of a message body from the front.
class FieldReader
{
public:
    explicit FieldReader(QByteArray body) : m_rest(std::move(body)) {}

    // The text before the next "+", removed together with that "+". Without
    // a further "+" the field is empty and nothing is removed.
    QByteArray field();
    // The text before the next "+", or all that remains when there is none
    // (the last value of a list that runs to the end of the body).
    QByteArray fieldOrRest();
    // field() read as an unsigned decimal number.
    std::optional<int> number();
    // field() as a number, or throws BadField.
    int num();
    // fieldOrRest() as a number, or throws BadField.
    int lastNum();
    // All that remains (a rest field); the reader is then at its end.
    QByteArray rest();
    bool atEnd() const { return m_rest.isEmpty(); }
    const QByteArray &remaining() const { return m_rest; }

private:
    QByteArray m_rest;
};

// A tile's four sides, top first, as the messages list them; the last one
// may close the body without a "+". Throws BadField for a side that is not
// a number.
tile readTile(FieldReader &reader);

// Unsigned decimal: one or more ASCII digits, at most 2^31 - 1. Anything else
// (an empty text, a sign, a blank, a letter) is not a number.
std::optional<int> parseNumber(const QByteArray &text);

// Splits a received message into its name (before the first "+") and body
// (after it). A message without "+" has an empty name.
std::pair<QByteArray, QByteArray> splitMessage(const QByteArray &line);

} // namespace wire
