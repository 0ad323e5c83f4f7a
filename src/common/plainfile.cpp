#include "plainfile.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_fd; }
    // Closes now and reports the close's own failure (a delayed write error).
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be opened or synced
// does not undo a replacement that has already happened.
void syncFolderOf(const std::filesystem::path &path)
{
    const std::filesystem::path parent = path.parent_path();
    const std::filesystem::path folder = parent.empty() ? std::filesystem::path(".") : parent;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

PlainFile readPlainFile(const std::string &path)
{
    PlainFile file;
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0) {
        file.status = errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::CannotOpen;
        return file;
    }
    // A folder, a device or a pipe is not read as a file: reading a pipe or
    // a terminal could wait for ever.
    if (!S_ISREG(info.st_mode)) {
        file.status = FileRead::CannotOpen;
        return file;
    }
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        file.status = FileRead::CannotOpen;
        return file;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            file.bytes.clear();
            file.status = FileRead::ReadError;
            return file;
        }
        file.bytes.append(buffer, std::size_t(got));
    }
    file.status = FileRead::Done;
    return file;
}

std::string atomicTemporaryPath(const std::string &path)
{
    return path + ".tmp";
}

int replaceFileAtomically(const std::string &path, std::string_view bytes)
{
    std::error_code ec;
    std::filesystem::path target(path);
    // Replacing a link would turn it into a plain file; replace what it names.
    if (std::filesystem::is_symlink(target, ec)) {
        const std::filesystem::path named = std::filesystem::weakly_canonical(target, ec);
        if (!ec)
            target = named;
    }
    const std::string temporary = atomicTemporaryPath(target.string());

    struct stat old = {};
    const bool keepMode = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    // A leftover temporary file of a crashed save is replaced; anything else
    // in its place (a folder) makes the open fail.
    FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644));
    if (fd.get() < 0)
        return errno;
    int error = 0;
    if ((keepMode && ::fchmod(fd.get(), old.st_mode & 07777) != 0) || !writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0)
        error = errno;
    if (fd.close() != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    syncFolderOf(target);
    return 0;
}
