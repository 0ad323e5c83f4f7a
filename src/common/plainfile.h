#pragma once

#include <string>
#include <string_view>

// The one place that reads and writes whole files.

enum class FileRead
{
    Done,       // the bytes are the whole file
    Missing,    // nothing at the path
    CannotOpen, // something is there but cannot be opened as a plain file (a folder, no permission)
    ReadError,  // opened, but reading failed part way
};

struct PlainFile
{
    FileRead status = FileRead::Missing;
    std::string bytes;

    bool ok() const { return status == FileRead::Done; }
};

// Reads the whole file at `path`. Never throws for a missing, unreadable or
// odd file; the status says what happened.
PlainFile readPlainFile(const std::string &path);

// Replaces the file at `path` with `bytes` so that it is never seen half
// written: the bytes go to a temporary file beside it (`path` + ".tmp"),
// which is flushed to disk and then renamed over the old file. An existing
// file keeps its permission bits; a symbolic link is followed, so the file
// it names is replaced and the link stays. Returns 0, or the errno of the
// step that failed, in which case the old file is untouched and the
// temporary file is removed again.
int replaceFileAtomically(const std::string &path, std::string_view bytes);

// The temporary file that replaceFileAtomically writes before the rename.
std::string atomicTemporaryPath(const std::string &path);
