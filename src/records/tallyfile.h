#pragma once

#include "stringgrid.h"

#include <optional>
#include <stdexcept>
#include <string>

// The tally file ("Tavlixtally.tld", see storagepaths.h for its folder):
// the tally table's grid text in a "WRZL" container.

class TallyFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The tally table's width: every row holds nine cells.
inline constexpr int TallyColumns = 9;

// Reads the tally file at `path`. Nothing when there is no file there. A
// damaged file throws ELzrw1Exception or GridTextError (an unreadable file
// TallyFileError), each with a message to show the user. A table that
// loads has at least TallyColumns columns and a row 0; any other shape
// counts as damaged.
std::optional<StringGrid> loadTally(const std::string &path);

// Keeps the bytes of a tally file that could not be loaded beside it, as
// damagedTallyPath(path), replacing an older copy there, so that the next
// save does not destroy them. True when they are kept (or there is no file
// at all); false when they could not be read or copied, in which case the
// file must not be replaced.
bool keepDamagedTally(const std::string &path);
std::string damagedTallyPath(const std::string &path);

// Writes `grid` as the tally file at `path`. The new file is written beside
// the old one under a temporary name, flushed to disk and then renamed over
// it, so a save that fails at any point leaves the previous tally as it
// was. Throws TallyFileError naming the file when it cannot be written.
void saveTally(const std::string &path, const StringGrid &grid);

// The temporary file that saveTally writes before the rename
// (atomicTemporaryPath).
std::string tallyTemporaryPath(const std::string &path);
