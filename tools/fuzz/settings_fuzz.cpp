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

bool sameWrittenKeys(const TavlixSettings &a, const TavlixSettings &b)
{
    return a.Textsize == b.Textsize && a.Top == b.Top && a.Left == b.Left && a.Width == b.Width
        && a.Height == b.Height && a.Textcolor == b.Textcolor && a.Roundnum.value_or(3) == b.Roundnum.value_or(3)
        && a.Botspeed == b.Botspeed && a.Turnsound == b.Turnsound && a.Playsounds == b.Playsounds
        && a.Playerphrasesounds == b.Playerphrasesounds && a.Showfits == b.Showfits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::string path = "/tmp/tavlix-settings-fuzz-" + std::to_string(::getpid()) + ".ini";
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char *>(data), std::streamsize(size));
    }
    const IniProfile profile(path);
    const TavlixSettings read = readTavlixSettings(profile);
    for (const char *key : {"Textsize", "Textcolor", "Phrase1", "Help"})
        profile.readString(SettingsSection, key);

    try {
        writeTavlixSettings(profile, read);
        if (!sameWrittenKeys(readTavlixSettings(profile), read))
            std::abort();
        const std::string value = "a=b; [c] #d";
        profile.writeString("Fuzz", "Key", value);
        if (profile.readString("fuzz", "KEY") != value)
            std::abort();
    } catch (const IniWriteError &) {
    }
    return 0;
}
