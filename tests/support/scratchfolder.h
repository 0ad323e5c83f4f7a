#pragma once

// A private folder for tests that touch files, removed with everything in
// it when the test ends. Standard library and POSIX only, so tests of the
// Qt-free libraries can use it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavlix-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a scratch folder");
        m_path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        for (const auto &entry : std::filesystem::recursive_directory_iterator(m_path, ec)) {
            if (entry.is_directory(ec))
                ::chmod(entry.path().c_str(), 0700);
        }
        ::chmod(m_path.c_str(), 0700);
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::string file(const std::string &name) const { return (m_path / name).string(); }

    // A folder in which no file can be created: a read-only folder, or,
    // where permissions do not stop writes (as for root), a "folder" below
    // a regular file.
    std::string unwritableFolder() const
    {
        const std::filesystem::path folder = m_path / "readonly";
        std::filesystem::create_directory(folder);
        ::chmod(folder.c_str(), 0555);
        const std::filesystem::path probe = folder / "probe";
        {
            std::ofstream out(probe);
            if (!out)
                return folder.string();
        }
        std::filesystem::remove(probe);
        const std::filesystem::path plain = m_path / "plainfile";
        std::ofstream(plain) << "not a folder";
        return (plain / "sub").string();
    }

private:
    std::filesystem::path m_path;
};

inline std::string readWholeFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeWholeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
