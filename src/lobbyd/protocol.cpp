#include "protocol.h"

#include "digits.h"

#include <algorithm>

namespace lobbyd {

namespace {

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool plainValueByte(unsigned char c) { return c >= 0x21 && c <= 0x7E && c != '%'; }

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The alphabet position of a character in either case, or -1.
int alphabetIndex(char c)
{
    if (isLower(c))
        c = static_cast<char>(c - 'a' + 'A');
    const auto at = kCodeAlphabet.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// Valid UTF-8 without control characters (C0, DEL, C1) and without
// overlong forms or surrogates.
bool isCleanUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7F)
                return false;
            ++i;
            continue;
        }
        int extra = 0;
        std::uint32_t cp = 0;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        static constexpr std::uint32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (cp < least[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || (cp >= 0x80 && cp < 0xA0))
            return false;
        i += extra + 1;
    }
    return true;
}

bool allOf(std::string_view text, std::size_t minLength, std::size_t maxLength, bool (*allowed)(char))
{
    return text.size() >= minLength && text.size() <= maxLength && std::all_of(text.begin(), text.end(), allowed);
}

bool gameChar(char c) { return isLower(c) || isDigit(c) || c == '.' || c == '-'; }
bool versionChar(char c) { return isLower(c) || isUpper(c) || isDigit(c) || c == '.' || c == '-' || c == '+' || c == '_'; }
bool stateChar(char c) { return isLower(c) || c == '-'; }

std::optional<unsigned> smallNumber(std::string_view text, unsigned limit)
{
    if (text.size() > 5)
        return std::nullopt;
    const auto value = parseDigits(text, 10, limit);
    if (!value)
        return std::nullopt;
    return static_cast<unsigned>(*value);
}

} // namespace

const std::string *Line::find(std::string_view key) const
{
    for (const auto &[k, v] : fields)
        if (k == key)
            return &v;
    return nullptr;
}

std::optional<Line> parseLine(std::string_view text)
{
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    Line line;
    const auto wordEnd = std::min(text.find(' '), text.size());
    const auto word = text.substr(0, wordEnd);
    if (word.empty() || word.size() > 16 || !std::all_of(word.begin(), word.end(), isUpper))
        return std::nullopt;
    line.word = std::string(word);
    std::size_t at = wordEnd;
    while (at < text.size()) {
        // text[at] is the one space before a field.
        ++at;
        const auto end = std::min(text.find(' ', at), text.size());
        const auto field = text.substr(at, end - at);
        const auto equals = field.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        const auto key = field.substr(0, equals);
        if (key.empty() || key.size() > 16 || !std::all_of(key.begin(), key.end(), isLower))
            return std::nullopt;
        if (line.find(key))
            return std::nullopt;
        auto value = percentDecode(field.substr(equals + 1));
        if (!value)
            return std::nullopt;
        line.fields.emplace_back(std::string(key), std::move(*value));
        at = end;
    }
    return line;
}

std::string fieldOf(std::string_view text, std::string_view key)
{
    const auto line = parseLine(text);
    const std::string *value = line ? line->find(key) : nullptr;
    return value ? *value : std::string();
}

std::string percentEncode(std::string_view value)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size());
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (plainValueByte(c)) {
            out += ch;
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::optional<std::string> percentDecode(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c == '%') {
            if (i + 2 >= value.size())
                return std::nullopt;
            const int high = hexValue(value[i + 1]);
            const int low = hexValue(value[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else if (plainValueByte(c)) {
            out += static_cast<char>(c);
        } else {
            return std::nullopt;
        }
    }
    return out;
}

std::string formatLine(std::string_view word, const std::vector<std::pair<std::string, std::string>> &fields)
{
    std::string out(word);
    for (const auto &[key, value] : fields) {
        out += ' ';
        out += key;
        out += '=';
        out += percentEncode(value);
    }
    out += '\n';
    return out;
}

std::optional<std::uint64_t> parseCode(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.size() > 16)
        return std::nullopt;
    std::uint64_t number = 0;
    int count = 0;
    for (const char c : text) {
        if (c == '-')
            continue;
        const int digit = alphabetIndex(c);
        if (digit < 0 || ++count > 8)
            return std::nullopt;
        number = number * kCodeAlphabet.size() + static_cast<std::uint64_t>(digit);
    }
    if (count != 8)
        return std::nullopt;
    return number;
}

std::string formatCode(std::uint64_t number)
{
    std::string digits(8, ' ');
    for (int i = 7; i >= 0; --i) {
        digits[static_cast<std::size_t>(i)] = kCodeAlphabet[number % kCodeAlphabet.size()];
        number /= kCodeAlphabet.size();
    }
    return "+" + digits.substr(0, 4) + "-" + digits.substr(4);
}

std::optional<std::string> normalizeToken(std::string_view text)
{
    if (text.size() != kTokenLength)
        return std::nullopt;
    std::string out;
    for (const char c : text) {
        const int at = alphabetIndex(c);
        if (at < 0)
            return std::nullopt;
        out += kCodeAlphabet[static_cast<std::size_t>(at)];
    }
    return out;
}

RowCheck applyRowFields(const Line &line, TableRow &row, bool requireAll)
{
    static constexpr std::string_view keys[] = {"name", "game", "version", "players", "watchers",
                                                "free", "state", "round", "locked", "visibility"};
    TableRow next = row;
    for (const auto key : keys) {
        const std::string *value = line.find(key);
        if (!value) {
            if (requireAll)
                return RowCheck::MissingField;
            continue;
        }
        bool good = true;
        if (key == "name") {
            good = !value->empty() && value->size() <= kMaxNameBytes && isCleanUtf8(*value);
            next.name = *value;
        } else if (key == "game") {
            good = allOf(*value, 1, 16, gameChar);
            next.game = *value;
        } else if (key == "version") {
            good = allOf(*value, 1, 32, versionChar);
            next.version = *value;
        } else if (key == "state") {
            good = allOf(*value, 1, 16, stateChar);
            next.state = *value;
        } else if (key == "locked") {
            good = *value == "0" || *value == "1";
            next.locked = *value == "1";
        } else if (key == "visibility") {
            good = *value == "invite" || *value == "public";
            next.isPublic = *value == "public";
        } else {
            const auto number = smallNumber(*value, key == "round" ? 99999 : 99);
            good = number.has_value();
            const unsigned n = number.value_or(0);
            if (key == "players")
                next.players = n;
            else if (key == "watchers")
                next.watchers = n;
            else if (key == "free")
                next.freePlaces = n;
            else
                next.round = n;
        }
        if (!good)
            return RowCheck::BadField;
    }
    row = std::move(next);
    return RowCheck::Ok;
}

std::vector<std::pair<std::string, std::string>> rowFields(const TableRow &row)
{
    return {{"name", row.name},
            {"game", row.game},
            {"version", row.version},
            {"players", std::to_string(row.players)},
            {"watchers", std::to_string(row.watchers)},
            {"free", std::to_string(row.freePlaces)},
            {"state", row.state},
            {"round", std::to_string(row.round)},
            {"locked", row.locked ? "1" : "0"}};
}

bool LineReader::overlong() const
{
    const auto end = buffer_.find('\n');
    const auto length = end == std::string::npos ? buffer_.size() : end + 1;
    return length > kMaxLineBytes || (end == std::string::npos && buffer_.size() >= kMaxLineBytes);
}

std::optional<std::string> LineReader::next()
{
    if (overlong())
        return std::nullopt;
    const auto end = buffer_.find('\n');
    if (end == std::string::npos)
        return std::nullopt;
    std::string line = buffer_.substr(0, end);
    buffer_.erase(0, end + 1);
    return line;
}

} // namespace lobbyd
