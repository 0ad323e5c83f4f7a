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

// Reads the tally file at `path`. Nothing when there is no file there. A
// damaged file throws ELzrw1Exception or GridTextError (an unreadable file
// TallyFileError), each with a message to show the user.
std::optional<StringGrid> loadTally(const std::string &path);

// Writes `grid` as the tally file at `path`. The new file is written beside
// the old one under a temporary name, flushed to disk and then renamed over
// it, so a save that fails at any point leaves the previous tally as it
// was. Throws TallyFileError naming the file when it cannot be written.
void saveTally(const std::string &path, const StringGrid &grid);

// The temporary file that saveTally writes before the rename.
std::string tallyTemporaryPath(const std::string &path);
