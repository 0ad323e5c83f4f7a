#include "storagepaths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool isWritableFolder(const fs::path &folder)
{
    const fs::path probe = folder / (".tavlix-probe-" + std::to_string(::getpid()));
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string absoluteEnv(const char *name)
{
    const char *value = std::getenv(name);
    if (!value || value[0] != '/')
        return {};
    return value;
}

// A program in a folder named "bin" or "games" was installed there.
bool isInstalledProgramFolder(const std::string &executableFolder)
{
    fs::path folder(executableFolder);
    if (!folder.has_filename())
        folder = folder.parent_path();
    return folder.filename() == "bin" || folder.filename() == "games";
}

} // namespace

std::string perUserDataFolder()
{
    std::string base = absoluteEnv("XDG_DATA_HOME");
    if (base.empty()) {
        const std::string home = absoluteEnv("HOME");
        if (home.empty())
            return {};
        base = (fs::path(home) / ".local" / "share").string();
    }
    return (fs::path(base) / "Tavlix").string();
}

std::string storageFolder(const std::string &executableFolder)
{
    if (!isInstalledProgramFolder(executableFolder) && isWritableFolder(executableFolder))
        return executableFolder;
    const std::string userFolder = perUserDataFolder();
    if (userFolder.empty())
        return executableFolder;
    // A folder that cannot be created is still the place to try: writing
    // there then reports the failure with the file's full path.
    std::error_code ec;
    fs::create_directories(userFolder, ec);
    return userFolder;
}

std::string settingsFilePath(const std::string &executableFolder)
{
    return (fs::path(storageFolder(executableFolder)) / SettingsFileName).string();
}

std::string tallyFilePath(const std::string &executableFolder)
{
    return (fs::path(storageFolder(executableFolder)) / TallyFileName).string();
}
