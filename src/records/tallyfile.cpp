#include "tallyfile.h"

#include "gridtext.h"
#include "tlzrw1.h"
#include "plainfile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void failWrite(const std::string &path, int error)
{
    throw TallyFileError("Unable to write to " + path + " (" + std::strerror(error) + ")");
}

bool writeAll(int fd, const std::uint8_t *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= std::size_t(written);
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be opened or synced
// does not undo a save that has already replaced the file.
void syncFolderOf(const std::string &path)
{
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::filesystem::path folder = parent.empty() ? std::filesystem::path(".") : parent;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void replaceFile(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    const std::string temporary = tallyTemporaryPath(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        failWrite(path, errno);
    int error = 0;
    if (!writeAll(fd, bytes.data(), bytes.size()) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        failWrite(path, error);
    }
    syncFolderOf(path);
}

} // namespace

std::string tallyTemporaryPath(const std::string &path)
{
    return path + ".tmp";
}

std::optional<StringGrid> loadTally(const std::string &path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return std::nullopt;
    const std::optional<std::string> content = readPlainFile(path);
    if (!content)
        throw TallyFileError("Unable to read " + path);
    const std::vector<std::uint8_t> bytes(content->begin(), content->end());

    const std::vector<std::uint8_t> text = Tlzrw1::decompressBytes(bytes, path);
    try {
        return LoadGridText(std::string_view(reinterpret_cast<const char *>(text.data()), text.size()));
    } catch (const GridTextError &error) {
        throw GridTextError(std::string(error.what()) + " : " + path);
    }
}

void saveTally(const std::string &path, const StringGrid &grid)
{
    const std::string text = SaveGridText(grid);
    Tlzrw1 compressor;
    const std::vector<std::uint8_t> bytes = compressor.compressBytes(
        std::span(reinterpret_cast<const std::uint8_t *>(text.data()), text.size()));
    replaceFile(path, bytes);
}
