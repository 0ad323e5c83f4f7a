#pragma once

#include "botlevel.h"
#include "botspeed.h"
#include "colourtext.h"
#include "iniprofile.h"

#include <array>
#include <optional>
#include <string>

// The player's preferences as stored in section "Tavlix" of the settings
// file, one member per key. Reading applies each key's rule and default;
// the main window applies the values.
inline constexpr const char *SettingsSection = "Tavlix";

enum class TurnSound { Classic, New };

inline constexpr int DefaultRoundnum = 3;

// Play Online: what a hosting copy does with the maker's meeting service.
enum class OnlineMode { Off = 0, InviteOnly = 1, Public = 2 };
// The maker's meeting service, as host:port (an IPv6 literal in brackets).
inline constexpr const char *DefaultLobbyserver = "lobby.orvelsoftware.com:7773";

struct TavlixSettings
{
    int Textsize = 8;              // point size of the chat looks
    int Top = 3;                   // main window bounds, screen pixels
    int Left = 3;
    int Width = 772;
    int Height = 535;
    ColourValue Textcolor = ColourBlack;
    // The rounds preset. Nothing: an empty or non-integer value, which
    // leaves the rounds box as it is. Not clamped here; the box allows 1-10.
    std::optional<int> Roundnum = DefaultRoundnum;
    int Botspeed = DefaultBotSpeed; // computer players' pause: 500, 1000 or 2000 ms
    TurnSound Turnsound = TurnSound::Classic;
    // Phrase1 to Phrase9; nothing where the key is empty or missing, which
    // leaves that button's text as it is.
    std::array<std::optional<std::string>, 9> Phrase;
    bool Playsounds = true;
    bool Playerphrasesounds = true;
    bool Help = true;              // "1": the first run, quick instructions shown
    bool Showfits = false;         // frame the cells where the raised tile fits
    BotLevel Botlevel = DefaultBotLevel; // how the hosting copy's computer plays: 1 Classic, 2 Strong, 3 Expert
    bool Openport = true;          // a hosting copy opens its port on the home router
    bool Announce = true;          // a hosting copy shows its table to the local network
    // The language of the windows: a code such as "de" or "pt_BR", or empty
    // for the desktop's language.
    std::string Language;
    std::string Lobbyserver = DefaultLobbyserver; // read only: an operator changes it by hand
    OnlineMode Online = OnlineMode::InviteOnly;   // 0 Off, 1 Invite Only, 2 Public
    // What the meeting service gave this copy, shown again when it registers
    // so that its invite code stays the same. Never shown to the player;
    // written only through writeLobbySecret.
    std::string Lobbysecret;
};

// Reads every key in the order Textsize, Top, Left, Width, Height,
// Textcolor, Roundnum, Botspeed, Turnsound, Phrase1-9, Playsounds,
// Playerphrasesounds, Help, Showfits, Botlevel,
// Openport, Announce, Language, Lobbyserver, Online, Lobbysecret, each access opening the file anew. A missing
// file gives the defaults.
TavlixSettings readTavlixSettings(const IniProfile &profile);

// The preference keys that saveinifile writes, as a set: the four window
// bounds go together.
enum SettingsKey : unsigned
{
    KeyTextsize = 1u << 0,
    KeyBounds = 1u << 1, // Top, Left, Width, Height
    KeyTextcolor = 1u << 2,
    KeyRoundnum = 1u << 3,
    KeyBotspeed = 1u << 4,
    KeyTurnsound = 1u << 5,
    KeyPlayerphrasesounds = 1u << 6,
    KeyPlaysounds = 1u << 7,
    KeyShowfits = 1u << 8,
    KeyBotlevel = 1u << 9,
    KeyOpenport = 1u << 10,
    KeyAnnounce = 1u << 11,
    KeyLanguage = 1u << 12,
    KeyOnline = 1u << 13,
};
using SettingsKeys = unsigned;
inline constexpr SettingsKeys AllSettingsKeys = (1u << 14) - 1;

// Writes the preference keys in the order Textsize, Top, Left, Width,
// Height, Textcolor, Roundnum, Botspeed, Turnsound, Playerphrasesounds,
// Playsounds, Showfits, Botlevel, Openport, Announce, Language, Online (only those in `keys`; all by default);
// never the phrases, Help, Lobbyserver or Lobbysecret. The file is read once and written once. An unset
// Roundnum is written as 3. Throws IniWriteError when the file cannot be
// written; it is then left as it was.
void writeTavlixSettings(const IniProfile &profile, const TavlixSettings &settings,
                         SettingsKeys keys = AllSettingsKeys);

// The keys whose values differ between two sets of preferences.
SettingsKeys changedSettings(const TavlixSettings &before, const TavlixSettings &now);

// Writes Phrase1 to Phrase9 at once, as the phrase editor does.
void writePhrases(const IniProfile &profile, const std::array<std::string, 9> &phrases);

// Writes Help=2: the quick instructions have been offered once.
void writeHelpSeen(const IniProfile &profile);

// Writes what the meeting service gave this copy to show again.
void writeLobbySecret(const IniProfile &profile, const std::string &secret);

// An integer as settings are written by hand: decimal with an optional
// sign, or hexadecimal after "$" or "0x". Nothing for any other text.
std::optional<int> parseSettingsInteger(std::string_view text);
