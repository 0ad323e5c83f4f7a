// Reading and writing the settings file (orvellobby.ini, section "Tavlix").

#include "program.h"

#include "language.h"

#include "chatpane.h"
#include "desktop.h"
#include "iniprofile.h"
#include "language.h"
#include "phrasebuttons.h"
#include "protocol.h"
#include "smallwindows.h"
#include "tavlixsettings.h"
#include "tchat.h"
#include "tphrases.h"

#include <QAction>

void TavlixProgram::loadinifile()
{
    const IniProfile profile(m_settingsPath.toStdString());
    const TavlixSettings settings = readTavlixSettings(profile);
    m_settingsRead = true;

    // Text size first, then the window moves to its stored place and size
    // (the minimum-size rule may then enlarge it).
    m_chatPane->setTextSize(settings.Textsize);
    const QRect stored(settings.Left, settings.Top, settings.Width, settings.Height);
    m_chat->setRememberedBounds(stored);
    m_chat->setBounds(stored);

    m_chatPane->setChatColour(settings.Textcolor);
    if (settings.Roundnum) {
        m_rounds = Tgamestart::boundedRounds(*settings.Roundnum);
        if (m_gamestart)
            m_gamestart->setRounds(m_rounds);
    }
    m_chat->setBotspeed(settings.Botspeed);
    m_chat->item(settings.Turnsound == TurnSound::New ? QStringLiteral("New1") : QStringLiteral("Classic1"))->setChecked(true);
    PhraseButtons &phrases = m_chat->phraseButtons();
    for (int n = 1; n <= PhraseButtons::Count; ++n) {
        if (const auto &stored = settings.Phrase[n - 1])
            phrases.setPhrase(n, wire::decodeText(QByteArray::fromStdString(*stored)));
    }
    m_chat->item(QStringLiteral("PlaySounds1"))->setChecked(settings.Playsounds);
    m_chat->item(QStringLiteral("PlayerPhraseSounds1"))->setChecked(settings.Playerphrasesounds);
    m_chat->item(QStringLiteral("ShowFittingCells1"))->setChecked(settings.Showfits);
    m_chat->setBotlevel(settings.Botlevel);
    m_chat->item(QStringLiteral("OpenPort1"))->setChecked(settings.Openport);
    m_chat->item(QStringLiteral("ShowOnNetwork1"))->setChecked(settings.Announce);
    // Changed in the file since the start (by another copy's menu, say).
    const QString language = QString::fromStdString(settings.Language);
    if (language != m_chat->language()) {
        m_chat->setLanguage(language);
        Language::apply(language);
    }
    m_chat->item(settings.Online == OnlineMode::Off      ? QStringLiteral("OnlineOff1")
                 : settings.Online == OnlineMode::Public ? QStringLiteral("OnlinePublic1")
                                                         : QStringLiteral("OnlineInvite1"))
        ->setChecked(true);
    // The first login on this machine explains the game once.
    if (settings.Help)
        m_chat->QuickInstructions1Click();

    try {
        writeHelpSeen(profile);
    } catch (const IniWriteError &e) {
        m_desktop.message(m_chat.get(), tr("Unable to write to %1").arg(QString::fromStdString(e.path())));
    }
}

TavlixSettings TavlixProgram::shownSettings() const
{
    TavlixSettings settings;
    settings.Textsize = m_chatPane->textSize();
    const QRect bounds = m_chat->boundsToSave();
    settings.Top = bounds.top();
    settings.Left = bounds.left();
    settings.Width = bounds.width();
    settings.Height = bounds.height();
    settings.Textcolor = m_chatPane->chatColour();
    settings.Roundnum = m_gamestart ? m_gamestart->rounds() : m_rounds;
    settings.Botspeed = m_chat->botspeed();
    settings.Turnsound = m_chat->item(QStringLiteral("New1"))->isChecked() ? TurnSound::New : TurnSound::Classic;
    settings.Playerphrasesounds = m_chat->item(QStringLiteral("PlayerPhraseSounds1"))->isChecked();
    settings.Playsounds = m_chat->item(QStringLiteral("PlaySounds1"))->isChecked();
    settings.Showfits = m_chat->item(QStringLiteral("ShowFittingCells1"))->isChecked();
    settings.Botlevel = m_chat->botlevel();
    settings.Openport = m_chat->item(QStringLiteral("OpenPort1"))->isChecked();
    settings.Announce = m_chat->item(QStringLiteral("ShowOnNetwork1"))->isChecked();
    settings.Language = m_chat->language().toStdString();
    settings.Online = onlineMode();
    return settings;
}

void TavlixProgram::saveinifile()
{
    const TavlixSettings settings = shownSettings();
    // Until the file has been read in this run the window shows built-in
    // values, not the player's: only what the player changed since the
    // start is written, so a join that never connects or a window closed
    // before login leaves the stored values as they were. The window's
    // place is not among them: before login it is where the program put it.
    SettingsKeys keys = AllSettingsKeys;
    if (!m_settingsRead)
        keys = changedSettings(m_builtInSettings, settings) & ~KeyBounds;
    if (keys == 0)
        return;
    try {
        writeTavlixSettings(IniProfile(m_settingsPath.toStdString()), settings, keys);
    } catch (const IniWriteError &e) {
        // The change stays in effect for this run; only the file missed it.
        m_desktop.message(m_chat.get(), tr("Unable to write to %1").arg(QString::fromStdString(e.path())));
    }
}

bool TavlixProgram::storePhrases(const std::array<QString, 9> &texts)
{
    std::array<std::string, 9> stored;
    for (int n = 1; n <= PhraseButtons::Count; ++n) {
        m_chat->phraseButtons().setPhrase(n, texts[n - 1]);
        stored[n - 1] = wire::encodeText(texts[n - 1]).toStdString();
    }
    try {
        writePhrases(IniProfile(m_settingsPath.toStdString()), stored);
    } catch (const IniWriteError &e) {
        // The buttons keep the new phrases for this run; the editor stays
        // open, so the player sees that they were not stored.
        m_desktop.message(m_phrasesWindow.get(), tr("Unable to write to %1").arg(QString::fromStdString(e.path())));
        return false;
    }
    return true;
}
