#include "tavlixsettings.h"

#include "textparse.h"

#include <cstdint>
#include <vector>

namespace {

int readInteger(const IniProfile &profile, const char *key, int fallback)
{
    const auto text = profile.readString(SettingsSection, key);
    if (!text)
        return fallback;
    return parseSettingsInteger(*text).value_or(fallback);
}

// Text values are compared exactly, letter case included.
std::string readText(const IniProfile &profile, const char *key, const char *fallback)
{
    return profile.readString(SettingsSection, key).value_or(fallback);
}

const char *boolText(bool value)
{
    return value ? "true" : "false";
}

} // namespace

std::optional<int> parseSettingsInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    const std::optional<std::uint64_t> digits = parseDigits(text, base, 0xFFFFFFFFu);
    if (!digits)
        return std::nullopt;
    const std::uint64_t value = *digits;
    // Hexadecimal fills all 32 bits ($FFFFFFFF is -1); decimal must fit.
    std::int64_t result;
    if (base == 16)
        result = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    else if (value > (negative ? 0x80000000u : 0x7FFFFFFFu))
        return std::nullopt;
    else
        result = static_cast<std::int64_t>(value);
    if (negative)
        result = -result;
    if (result < INT32_MIN || result > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(result);
}

TavlixSettings readTavlixSettings(const IniProfile &profile)
{
    TavlixSettings settings;
    settings.Textsize = readInteger(profile, "Textsize", 8);
    settings.Top = readInteger(profile, "Top", 3);
    settings.Left = readInteger(profile, "Left", 3);
    settings.Width = readInteger(profile, "Width", 772);
    settings.Height = readInteger(profile, "Height", 535);

    settings.Textcolor = colourFromText(readText(profile, "Textcolor", "clblack")).value_or(ColourBlack);

    const auto rounds = profile.readString(SettingsSection, "Roundnum");
    settings.Roundnum = rounds ? parseSettingsInteger(*rounds) : std::optional<int>(DefaultRoundnum);

    const std::string speed = readText(profile, "Botspeed", std::to_string(DefaultBotSpeed).c_str());
    settings.Botspeed = DefaultBotSpeed;
    for (const int choice : {SlowBotSpeed, NormalBotSpeed, FastBotSpeed}) {
        if (speed == std::to_string(choice))
            settings.Botspeed = choice;
    }

    settings.Turnsound = readText(profile, "Turnsound", "0") == "1" ? TurnSound::New : TurnSound::Classic;

    for (int i = 0; i < 9; ++i) {
        auto phrase = profile.readString(SettingsSection, "Phrase" + std::to_string(i + 1));
        if (phrase && !phrase->empty())
            settings.Phrase[i] = std::move(phrase);
    }

    settings.Playsounds = readText(profile, "Playsounds", "true") != "false";
    settings.Playerphrasesounds = readText(profile, "Playerphrasesounds", "true") != "false";
    settings.Help = readText(profile, "Help", "1") == "1";
    settings.Showfits = readText(profile, "Showfits", "false") == "true";
    // "2": Strong; "3": Expert; any other text, and a missing key: Classic.
    const std::string level = readText(profile, "Botlevel", "1");
    settings.Botlevel = level == "2" ? BotLevel::Strong : level == "3" ? BotLevel::Expert : BotLevel::Classic;
    settings.Openport = readText(profile, "Openport", "1") != "0";
    settings.Announce = readText(profile, "Announce", "1") != "0";
    settings.Language = readText(profile, "Language", "");
    const std::string server = readText(profile, "Lobbyserver", "");
    settings.Lobbyserver = server.empty() ? DefaultLobbyserver : server;
    // "0": Off; "2": Public; any other text, and a missing key: Invite Only.
    const std::string online = readText(profile, "Online", "1");
    settings.Online = online == "0" ? OnlineMode::Off : online == "2" ? OnlineMode::Public : OnlineMode::InviteOnly;
    settings.Lobbysecret = readText(profile, "Lobbysecret", "");
    return settings;
}

void writeTavlixSettings(const IniProfile &profile, const TavlixSettings &settings, SettingsKeys keys)
{
    const auto wanted = [keys](SettingsKey key) { return (keys & key) != 0; };
    std::vector<IniProfile::KeyValue> entries;
    const auto add = [&entries](const char *key, std::string value) { entries.emplace_back(key, std::move(value)); };
    if (wanted(KeyTextsize))
        add("Textsize", std::to_string(settings.Textsize));
    if (wanted(KeyBounds)) {
        add("Top", std::to_string(settings.Top));
        add("Left", std::to_string(settings.Left));
        add("Width", std::to_string(settings.Width));
        add("Height", std::to_string(settings.Height));
    }
    if (wanted(KeyTextcolor))
        add("Textcolor", colourToText(settings.Textcolor));
    if (wanted(KeyRoundnum))
        add("Roundnum", std::to_string(settings.Roundnum.value_or(DefaultRoundnum)));
    if (wanted(KeyBotspeed))
        add("Botspeed", std::to_string(settings.Botspeed));
    if (wanted(KeyTurnsound))
        add("Turnsound", settings.Turnsound == TurnSound::New ? "1" : "0");
    if (wanted(KeyPlayerphrasesounds))
        add("Playerphrasesounds", boolText(settings.Playerphrasesounds));
    if (wanted(KeyPlaysounds))
        add("Playsounds", boolText(settings.Playsounds));
    if (wanted(KeyShowfits))
        add("Showfits", boolText(settings.Showfits));
    if (wanted(KeyBotlevel))
        add("Botlevel", std::to_string(static_cast<int>(settings.Botlevel)));
    if (wanted(KeyOpenport))
        add("Openport", settings.Openport ? "1" : "0");
    if (wanted(KeyAnnounce))
        add("Announce", settings.Announce ? "1" : "0");
    if (wanted(KeyLanguage))
        add("Language", settings.Language);
    if (wanted(KeyOnline))
        add("Online", std::to_string(static_cast<int>(settings.Online)));
    profile.writeStrings(SettingsSection, entries);
}

SettingsKeys changedSettings(const TavlixSettings &before, const TavlixSettings &now)
{
    SettingsKeys keys = 0;
    const auto mark = [&keys](bool changed, SettingsKey key) {
        if (changed)
            keys |= key;
    };
    mark(before.Textsize != now.Textsize, KeyTextsize);
    mark(before.Top != now.Top || before.Left != now.Left || before.Width != now.Width || before.Height != now.Height,
         KeyBounds);
    mark(before.Textcolor != now.Textcolor, KeyTextcolor);
    mark(before.Roundnum != now.Roundnum, KeyRoundnum);
    mark(before.Botspeed != now.Botspeed, KeyBotspeed);
    mark(before.Turnsound != now.Turnsound, KeyTurnsound);
    mark(before.Playerphrasesounds != now.Playerphrasesounds, KeyPlayerphrasesounds);
    mark(before.Playsounds != now.Playsounds, KeyPlaysounds);
    mark(before.Showfits != now.Showfits, KeyShowfits);
    mark(before.Botlevel != now.Botlevel, KeyBotlevel);
    mark(before.Openport != now.Openport, KeyOpenport);
    mark(before.Announce != now.Announce, KeyAnnounce);
    mark(before.Language != now.Language, KeyLanguage);
    mark(before.Online != now.Online, KeyOnline);
    return keys;
}

void writePhrases(const IniProfile &profile, const std::array<std::string, 9> &phrases)
{
    std::vector<IniProfile::KeyValue> entries;
    for (int i = 0; i < 9; ++i)
        entries.emplace_back("Phrase" + std::to_string(i + 1), phrases[i]);
    profile.writeStrings(SettingsSection, entries);
}

void writeHelpSeen(const IniProfile &profile)
{
    profile.writeString(SettingsSection, "Help", "2");
}

void writeLobbySecret(const IniProfile &profile, const std::string &secret)
{
    profile.writeString(SettingsSection, "Lobbysecret", secret);
}
