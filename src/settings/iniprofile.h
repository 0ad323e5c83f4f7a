#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A failed write to the profile; the message is "Unable to write to " and
// the file's full path, ready to show the user.
class IniWriteError : public std::runtime_error
{
public:
    explicit IniWriteError(const std::string &path);
    // The file that could not be written, for a message in the player's
    // language.
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

// An INI profile file read and written by section and key.
//
// Section names and keys are matched without regard to letter case; the
// first matching section and, within it, the first matching key count. A
// value is the text after the first '=', with surrounding blanks removed and
// then one pair of enclosing single or double quotation marks, at most 2047
// characters. Nothing is cached: every read and every write opens the file
// by its path and closes it again, so an edit made by another program in
// between is seen.
//
// A write changes only the bytes of the keys it sets (or adds their lines);
// every other byte of the file, other sections included, stays as it was.
// The new text replaces the file atomically (see replaceFileAtomically), so
// a failed write leaves the old file whole.
class IniProfile
{
public:
    static constexpr std::size_t MaxValueLength = 2047;

    explicit IniProfile(std::string path);

    const std::string &path() const { return m_path; }

    // Nothing when the file, the section or the key is missing (an
    // unreadable file reads as missing).
    std::optional<std::string> readString(std::string_view section, std::string_view key) const;

    // Sets the key to the value, creating the file, the section or the key
    // as needed. Every other line keeps its place; a new key goes after the
    // last key of its section, a new section at the end of the file. Line
    // breaks in the value are written as blanks, so a value can never add
    // lines of its own. Throws IniWriteError when the file cannot be
    // written, or exists but cannot be read (rewriting it would lose it).
    void writeString(std::string_view section, std::string_view key, std::string_view value) const;

    // Sets several keys of one section, in order, with one read and at most
    // one write of the file (none when nothing changes).
    using KeyValue = std::pair<std::string, std::string>;
    void writeStrings(std::string_view section, const std::vector<KeyValue> &entries) const;

private:
    static std::string withEntry(const std::string &text, std::string_view section, std::string_view key,
                                 std::string_view value);

    std::string m_path;
};
