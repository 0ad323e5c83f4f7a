#pragma once

#include <optional>
#include <string>

// The whole content of a plain file, or nothing when it cannot be read (no
// file, a folder in its place, a read error). Never throws for these.
std::optional<std::string> readPlainFile(const std::string &path);
