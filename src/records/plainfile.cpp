#include "plainfile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

std::optional<std::string> readPlainFile(const std::string &path)
{
    // A folder opens as a stream but makes the stream library throw on the
    // first read, so only plain files are read.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    try {
        std::ifstream file(path, std::ios::binary);
        if (!file)
            return std::nullopt;
        std::string text(std::istreambuf_iterator<char>(file), {});
        if (file.bad())
            return std::nullopt;
        return text;
    } catch (const std::ios_base::failure &) {
        return std::nullopt;
    }
}
