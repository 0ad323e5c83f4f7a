#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// A failed write to the profile; the message is "Unable to write to " and
// the file's full path, ready to show the user.
class IniWriteError : public std::runtime_error
{
public:
    explicit IniWriteError(const std::string &path);
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
    // written.
    void writeString(std::string_view section, std::string_view key, std::string_view value) const;

private:
    std::string m_path;
};
