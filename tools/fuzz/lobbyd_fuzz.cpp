// libFuzzer target for the meeting service's reading of what clients send:
// the bytes of a connection, cut into lines as they arrive in pieces, each
// line read as the service reads it (HOST and UPDATE rows, JOIN codes,
// ACCEPT tickets). Nothing may crash or grow without bound; a line that was
// read, written back, reads the same; a row is taken whole or not at all.

#include "protocol.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace lobbyd;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void readLine(const std::string &text, TableRow &row)
{
    const auto line = parseLine(text);
    if (!line)
        return;
    check(line->word.size() <= 16);
    check(parseLine(formatLine(line->word, line->fields).substr(0, formatLine(line->word, line->fields).size() - 1))
              ->fields == line->fields);
    const TableRow before = row;
    const auto result = applyRowFields(*line, row, line->word == "HOST");
    if (result != RowCheck::Ok) {
        check(row.name == before.name && row.round == before.round && row.isPublic == before.isPublic);
    } else {
        check(row.name.size() <= kMaxNameBytes && row.players <= 99 && row.round <= 99999);
        for (const auto &[key, value] : rowFields(row))
            check(percentDecode(percentEncode(value)) == value);
    }
    if (const std::string *code = line->find("code")) {
        if (const auto number = parseCode(*code)) {
            check(*number < kCodeCount);
            check(parseCode(formatCode(*number)) == number);
        }
    }
    if (!line->fields.empty())
        check(fieldOf(text, line->fields.front().first) == line->fields.front().second);
    if (const std::string *ticket = line->find("ticket")) {
        if (const auto token = normalizeToken(*ticket))
            check(normalizeToken(*token) == token);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte chooses the size of the pieces in which the bytes
    // arrive, as reads of a socket would cut them.
    if (size == 0)
        return 0;
    const std::size_t piece = 1 + data[0] % 64;
    const std::string bytes(reinterpret_cast<const char *>(data + 1), size - 1);
    LineReader reader;
    TableRow row;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        reader.append(std::string_view(bytes).substr(at, piece));
        while (auto line = reader.next()) {
            check(line->size() < kMaxLineBytes);
            readLine(*line, row);
        }
        if (reader.overlong())
            return 0; // the service refuses the connection here
        check(reader.pending().size() < kMaxLineBytes);
    }
    return 0;
}
