#pragma once

#include <string>

// Where the settings file and the tally file are kept: the folder of the
// executable, or, when that folder is not writable or is a "bin" or "games"
// folder (an installed copy, which shares the folder with other programs;
// root could write into /usr/games but must not), the per-user data folder
// $XDG_DATA_HOME/Tavlix (~/.local/share/Tavlix when XDG_DATA_HOME is unset
// or not absolute), created on demand. The names stay the same in both.
inline constexpr const char *SettingsFileName = "orvellobby.ini";
// Named from the application name "Tavlix" and "tally.tld".
inline constexpr const char *TallyFileName = "Tavlixtally.tld";

// The folder to keep both files in. `executableFolder` is the folder that
// holds the program (QCoreApplication::applicationDirPath() in the
// program). Writability is found by creating and removing a probe file, so
// it holds for whoever runs the program, root included.
std::string storageFolder(const std::string &executableFolder);

std::string settingsFilePath(const std::string &executableFolder);
std::string tallyFilePath(const std::string &executableFolder);

// $XDG_DATA_HOME/Tavlix or ~/.local/share/Tavlix; empty when neither
// XDG_DATA_HOME nor HOME gives an absolute folder.
std::string perUserDataFolder();
