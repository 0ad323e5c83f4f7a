// libFuzzer target for the settings profile reader. The input is the whole
// settings file. Reading it never fails; the preferences read from it,
// written back into the same file, read back unchanged, and so does a key
// written among whatever else the file holds.

#include "iniprofile.h"
#include "tavlixsettings.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

// The settings file of this fuzzing process, removed when it ends.
struct ScratchFile
{
    std::string path = "/tmp/tavlix-settings-fuzz-" + std::to_string(::getpid()) + ".ini";
    ~ScratchFile() { ::unlink(path.c_str()); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const ScratchFile scratch;
    const std::string &path = scratch.path;
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char *>(data), std::streamsize(size));
    }
    const IniProfile profile(path);
    TavlixSettings read = readTavlixSettings(profile);
    for (const char *key : {"Textsize", "Textcolor", "Phrase1", "Help"})
        profile.readString(SettingsSection, key);

    try {
        writeTavlixSettings(profile, read);
        // An unset rounds preset is written as the default.
        read.Roundnum = read.Roundnum.value_or(DefaultRoundnum);
        if (changedSettings(read, readTavlixSettings(profile)) != 0)
            std::abort();
        const std::string value = "a=b; [c] #d";
        profile.writeString("Fuzz", "Key", value);
        if (profile.readString("fuzz", "KEY") != value)
            std::abort();
    } catch (const IniWriteError &) {
    }
    return 0;
}
