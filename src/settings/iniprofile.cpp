#include "iniprofile.h"

#include "textparse.h"

#include "plainfile.h"
#include "textlines.h"

#include <vector>

namespace {

std::string_view trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trim(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trim(line.substr(1, close - 1));
}

// The key of a "key=value" line, or nothing for any other line.
std::optional<std::string_view> keyName(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = trim(line.substr(0, equals));
    if (key.empty() || key.front() == ';')
        return std::nullopt;
    return key;
}

using Lines = std::vector<std::string_view>;

// Where a section starts and ends within the lines.
struct SectionSpan
{
    std::size_t header;   // index of the "[name]" line
    std::size_t end;      // index after its last line
};

std::optional<SectionSpan> findSection(const Lines &lines, std::string_view section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i]);
        if (!name || !equalsIgnoringCase(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !sectionName(lines[end]))
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const Lines &lines, SectionSpan span, std::string_view key)
{
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const auto name = keyName(lines[i]);
        if (name && equalsIgnoringCase(*name, key))
            return i;
    }
    return std::nullopt;
}

// Offset in `text` just after `line` and its line end.
std::size_t endOfLine(std::string_view text, std::string_view line)
{
    return std::size_t(line.data() - text.data()) + line.size() + lineEndAfter(text, line).size();
}

std::string withoutLineBreaks(std::string_view value)
{
    std::string text(value);
    for (char &c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

} // namespace

IniWriteError::IniWriteError(const std::string &path)
    : std::runtime_error("Unable to write to " + path)
    , m_path(path)
{
}

IniProfile::IniProfile(std::string path)
    : m_path(std::move(path))
{
}

std::optional<std::string> IniProfile::readString(std::string_view section, std::string_view key) const
{
    const PlainFile file = readPlainFile(m_path);
    if (!file.ok())
        return std::nullopt;
    const Lines lines = splitLines(file.bytes);
    const auto span = findSection(lines, section);
    if (!span)
        return std::nullopt;
    const auto at = findKey(lines, *span, key);
    if (!at)
        return std::nullopt;

    const std::string_view line = lines[*at];
    std::string_view value = trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (value.size() > MaxValueLength)
        value = value.substr(0, MaxValueLength);
    return std::string(value);
}

void IniProfile::writeString(std::string_view section, std::string_view key, std::string_view value) const
{
    writeStrings(section, {{std::string(key), std::string(value)}});
}

void IniProfile::writeStrings(std::string_view section, const std::vector<KeyValue> &entries) const
{
    const PlainFile file = readPlainFile(m_path);
    // Rewriting a file whose text could not be read would lose it.
    if (file.status != FileRead::Done && file.status != FileRead::Missing)
        throw IniWriteError(m_path);
    std::string text = file.bytes;
    for (const KeyValue &entry : entries)
        text = withEntry(text, section, entry.first, entry.second);
    if (text != file.bytes || !file.ok()) {
        if (replaceFileAtomically(m_path, text) != 0)
            throw IniWriteError(m_path);
    }
}

std::string IniProfile::withEntry(const std::string &text, std::string_view section, std::string_view key,
                                  std::string_view value)
{
    // Only the bytes of the key's own line change (or a line is added);
    // every other byte of the file stays as it was. New lines take the
    // line end the file already uses; a new file gets CR LF, the form other
    // programs that share this file expect.
    const std::string_view all(text);
    const bool crlf = all.find('\n') == std::string_view::npos || all.find("\r\n") != std::string_view::npos;
    const std::string_view newline = crlf ? "\r\n" : "\n";
    const std::string entry = std::string(key) + "=" + withoutLineBreaks(value);
    const Lines lines = splitLines(all);

    const auto span = findSection(lines, section);
    if (const auto at = span ? findKey(lines, *span, key) : std::nullopt) {
        const std::size_t from = std::size_t(lines[*at].data() - all.data());
        return std::string(all.substr(0, from)) + entry + std::string(all.substr(from + lines[*at].size()));
    }

    std::size_t insertAt = all.size();
    std::string added = entry + std::string(newline);
    if (!span) {
        added = "[" + std::string(section) + "]" + std::string(newline) + added;
    } else {
        // After the section's last non-blank line, so blank lines that part
        // it from the next section stay where they are.
        std::size_t last = span->end;
        while (last > span->header + 1 && trim(lines[last - 1]).empty())
            --last;
        insertAt = endOfLine(all, lines[last - 1]);
    }
    // A last line without a line end gets one before anything follows it.
    std::string before(all.substr(0, insertAt));
    if (!before.empty() && before.back() != '\n')
        before += newline;
    return before + added + std::string(all.substr(insertAt));
}
