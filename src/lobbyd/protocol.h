#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The text side of the lobby protocol (docs/lobby-protocol.md): reading and
// writing lines, the invite code's form, the table row's fields. Nothing here
// knows of sockets, so the fuzz target and the tests drive it directly.
namespace lobbyd {

// A line the service reads, line feed included.
constexpr std::size_t kMaxLineBytes = 512;
// A decoded name.
constexpr std::size_t kMaxNameBytes = 64;
// Secrets and tickets: characters of the code alphabet.
constexpr std::size_t kTokenLength = 24;
// The public list.
constexpr std::size_t kMaxListRows = 500;

// The 31 characters of codes, secrets and tickets: no 0/O, no 1/I/L.
inline constexpr std::string_view kCodeAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
// 31^8: the number of invite codes.
constexpr std::uint64_t kCodeCount = 852891037441ULL;

struct Line
{
    std::string word;
    std::vector<std::pair<std::string, std::string>> fields; // decoded values

    // The value of `key`, or nothing.
    const std::string *find(std::string_view key) const;
};

// Reads one line (without its line feed; a trailing CR is dropped). Nothing
// for anything that is not `WORD key=value ...` as the protocol writes it:
// the word is 1 to 16 capitals, keys 1 to 16 lower-case letters, each once,
// one space before each field, values percent-encoded.
std::optional<Line> parseLine(std::string_view text);

// Percent-encoding of a value: bytes 0x21..0x7E except '%' as they are,
// every other byte as %XX.
std::string percentEncode(std::string_view value);
std::optional<std::string> percentDecode(std::string_view value);

// The decoded value of `key` in a line, or "" when the line is not one of
// the protocol or has no such key.
std::string fieldOf(std::string_view line, std::string_view key);

// A line as the service writes it, with its line feed; values are encoded.
std::string formatLine(std::string_view word, const std::vector<std::pair<std::string, std::string>> &fields = {});

// An invite code read from what a player typed: an optional '+', then
// 8 characters of the alphabet in either case, with any '-' ignored. Its
// number (below kCodeCount), or nothing.
std::optional<std::uint64_t> parseCode(std::string_view text);
// "+K7QX-M2PA" for a number below kCodeCount.
std::string formatCode(std::uint64_t number);

// A secret or ticket as sent: kTokenLength characters of the alphabet, any
// case. The upper-case form, or nothing.
std::optional<std::string> normalizeToken(std::string_view text);

// A table as registered and listed.
struct TableRow
{
    std::string name;
    std::string game;
    std::string version;
    std::string state;
    unsigned players = 0;
    unsigned watchers = 0;
    unsigned freePlaces = 0;
    unsigned round = 0;
    bool locked = false;
    bool isPublic = false;
};

enum class RowCheck
{
    Ok,
    MissingField, // refused as "bad-line"
    BadField,     // refused as "bad-field"
};

// Sets the row's fields from a HOST line (every field required) or an
// UPDATE line (any of them). The row is changed only when the whole line is
// good.
RowCheck applyRowFields(const Line &line, TableRow &row, bool requireAll);

// The row's fields as LIST writes them after "code=".
std::vector<std::pair<std::string, std::string>> rowFields(const TableRow &row);

// Cuts received bytes into lines of at most kMaxLineBytes. Bytes after a
// line stay pending until the next call; a line that grows past the limit
// marks the reader as overlong.
class LineReader
{
public:
    void append(std::string_view bytes) { buffer_.append(bytes); }
    // True when the first pending line is longer than the limit, ended or
    // not: the connection is refused before that line is looked at.
    bool overlong() const;
    // The next whole line (without LF), if one is there and not overlong.
    std::optional<std::string> next();
    // What is left after the whole lines taken so far.
    const std::string &pending() const { return buffer_; }
    void clear() { buffer_.clear(); }

private:
    std::string buffer_;
};

} // namespace lobbyd
