#include "iniprofile.h"

#include "textparse.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
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

struct FileText
{
    bool exists = false;     // there is a file at the path
    bool readable = false;   // and its text was read
    std::string text;
};

FileText readFile(const std::string &path)
{
    FileText result;
    std::error_code ec;
    result.exists = std::filesystem::exists(path, ec);
    if (!result.exists)
        return result;
    // Something that is not a plain file (a folder, say) cannot be read as
    // one; the stream library would even throw on it.
    if (!std::filesystem::is_regular_file(path, ec))
        return result;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return result;
    try {
        result.text.assign(std::istreambuf_iterator<char>(file), {});
        result.readable = !file.bad();
    } catch (const std::ios_base::failure &) {
        result.text.clear();
    }
    return result;
}

std::vector<std::string> splitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        pos = next;
    }
    return lines;
}

// Where a section starts and ends within the lines.
struct SectionSpan
{
    std::size_t header;   // index of the "[name]" line
    std::size_t end;      // index after its last line
};

std::optional<SectionSpan> findSection(const std::vector<std::string> &lines, std::string_view section)
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

std::optional<std::size_t> findKey(const std::vector<std::string> &lines, SectionSpan span, std::string_view key)
{
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const auto name = keyName(lines[i]);
        if (name && equalsIgnoringCase(*name, key))
            return i;
    }
    return std::nullopt;
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
{
}

IniProfile::IniProfile(std::string path)
    : m_path(std::move(path))
{
}

std::optional<std::string> IniProfile::readString(std::string_view section, std::string_view key) const
{
    const FileText file = readFile(m_path);
    if (!file.readable)
        return std::nullopt;
    const std::vector<std::string> lines = splitLines(file.text);
    const auto span = findSection(lines, section);
    if (!span)
        return std::nullopt;
    const auto at = findKey(lines, *span, key);
    if (!at)
        return std::nullopt;

    const std::string &line = lines[*at];
    std::string_view value = trim(std::string_view(line).substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (value.size() > MaxValueLength)
        value = value.substr(0, MaxValueLength);
    return std::string(value);
}

void IniProfile::writeString(std::string_view section, std::string_view key, std::string_view value) const
{
    const FileText file = readFile(m_path);
    // Rewriting a file whose text could not be read would lose it.
    if (file.exists && !file.readable)
        throw IniWriteError(m_path);
    // Keep the line ends the file already uses; a new file gets CR LF, the
    // form other programs that share this file expect.
    const bool crlf = !file.exists || file.text.find('\n') == std::string::npos
        || file.text.find("\r\n") != std::string::npos;
    std::vector<std::string> lines = splitLines(file.text);

    const std::string entry = std::string(key) + "=" + withoutLineBreaks(value);
    const auto span = findSection(lines, section);
    if (!span) {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    } else if (const auto at = findKey(lines, *span, key)) {
        lines[*at] = entry;
    } else {
        // After the section's last non-blank line, so blank lines that part
        // it from the next section stay where they are.
        std::size_t insertAt = span->end;
        while (insertAt > span->header + 1 && trim(lines[insertAt - 1]).empty())
            --insertAt;
        lines.insert(lines.begin() + std::ptrdiff_t(insertAt), entry);
    }

    std::string text;
    for (const std::string &line : lines) {
        text += line;
        text += crlf ? "\r\n" : "\n";
    }
    std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
    if (out)
        out.write(text.data(), std::streamsize(text.size()));
    if (out)
        out.close();
    if (!out)
        throw IniWriteError(m_path);
}
