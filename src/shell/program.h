#pragma once

#include "clientstate.h"
#include "tavlixsettings.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

class BoardPanel;
class ChatPane;
class ClientConnection;
class LanPublisher;
class LobbyRegistration;
class PlayerList;
class PortMapper;
class Desktop;
class RouterClient;
class RandomSource;
class RoundView;
class Tabout;
class Tchat;
class Tdownload;
class Tgamestart;
class Thelp;
class Tphrases;
class TServer;
class Tspylist;
class Ttallylist;

// The program's nine windows and the views of the main window, created in
// their fixed order and wired together. main() makes one; tests make their
// own with a test Desktop, a seeded random source and their own folder for
// the settings and tally files.
class TavlixProgram : public QObject
{
    Q_OBJECT
public:
    // `parameters`: the command line without the program name.
    // `storageFolder`: where orvellobby.ini and Tavlixtally.tld live.
    TavlixProgram(Desktop &desktop, RandomSource &random, const QStringList &parameters,
                  const QString &storageFolder, QObject *parent = nullptr);
    ~TavlixProgram() override;

    // Shows the main window; its first showing starts the solo, hosted or
    // joined game from the parameters.
    void show();

    // Reads the settings file and applies it (at login), then writes Help=2.
    void loadinifile();
    // Writes the preference keys of the settings file, in one write;
    // before the file has been read in this run, only the keys the player
    // changed.
    void saveinifile();

    ClientState &state() { return m_state; }
    Tchat &mainWindow() const { return *m_chat; }
    TServer &server() const { return *m_server; }
    ChatPane &chatPane() const { return *m_chatPane; }
    ClientConnection &connection() const { return *m_connection; }
    BoardPanel &boardPanel() const { return *m_boardPanel; }
    RoundView &roundView() const { return *m_roundView; }
    PlayerList &playerList() const { return *m_playerList; }
    Tspylist &spylist() const { return *m_spylist; }
    Ttallylist &tally() const { return *m_tally; }
    // The windows that start hidden and hold nothing the game needs before
    // they are opened are made at their first use (here), which keeps the
    // start quick and small; what the settings say about them is kept and
    // applied when they are made.
    Tabout &about();
    Thelp &help();
    Tgamestart &gamestart();
    Tdownload &download();
    Tphrases &phrasesWindow();
    QString settingsPath() const { return m_settingsPath; }

    // The home router a copy that hosts for others asks to open the host's
    // port (Options > Open Port on Router). Without one, as in most tests,
    // no router is asked. Set before show().
    void setRouter(std::unique_ptr<RouterClient> router);
    // The port mapping, once this copy hosts for others with the option on.
    PortMapper *portMapper() const { return m_portMapper.get(); }

    // Shows a hosting copy's table to the launchers on the local network
    // while Options > Show on Network is checked. Without one, as in most
    // tests, nothing is announced. Set before show().
    void setLanPublisher(std::unique_ptr<LanPublisher> publisher);

    // Lets a hosting copy put its table at the meeting service (Options >
    // Play Online). Without it, as in most tests, no service is contacted
    // to host. Set before show().
    void enableOnline() { m_onlineEnabled = true; }
    // The hosting copy's table at the meeting service, once its player has
    // logged in; none while it is off, for a solo game and for a joining
    // copy.
    LobbyRegistration *lobbyRegistration() const { return m_lobby.get(); }
    // The invite code of the hosted table, once the service gave one.
    QString inviteCode() const { return m_inviteCode; }

    // The host's port: "7772"; tests choose another before show().
    void setHostPort(const QString &port);
    void setJoinPort(const QString &port);

signals:
    // The main window has closed; the program ends.
    void finished();

private:
    void createWindows();
    void wireMainWindow();
    void wireConnection();
    void wireBoard();
    void wireRoundView();
    void wirePlayerList();
    bool storePhrases(const std::array<QString, 9> &texts);
    // Hosting for others: where players can join, and the router's port.
    void announceHosting();
    void updatePortMapping();
    // The chat lines that tell how the router answers.
    void wirePortMapper(PortMapper &mapper);
    // The table as the local network sees it, after any change.
    void updateLanAnnouncement();
    // The table at the meeting service, after any change (programonline.cpp).
    void wireOnline();
    void updateOnline();
    void startLobbyRegistration();
    // The router has answered the first time, or has had its time: the
    // table goes to the meeting service now.
    void routerAnswered();
    static constexpr int RouterWaitMs = 10000;
    void inviteCodeCame(const QString &code);
    // What Options > Play Online shows.
    OnlineMode onlineMode() const;
    // A notice of the program itself in the chat, in the system colour.
    void addSystemLine(const QString &line);
    // The preferences as the window and its menus show them now.
    TavlixSettings shownSettings() const;

    Desktop &m_desktop;
    RandomSource &m_random;
    QStringList m_parameters;
    QString m_settingsPath;
    QString m_tallyPath;
    ClientState m_state;
    // What the window showed when it was created, and whether the settings
    // file has been read since.
    TavlixSettings m_builtInSettings;
    bool m_settingsRead = false;
    // The copy hosts for others, and has said where to join.
    bool m_hostsForOthers = false;
    bool m_hostingAnnounced = false;
    std::unique_ptr<RouterClient> m_router;
    std::unique_ptr<PortMapper> m_portMapper;
    std::unique_ptr<LanPublisher> m_lanPublisher;
    bool m_lanMissingTold = false;
    std::unique_ptr<LobbyRegistration> m_lobby;
    QString m_inviteCode;
    bool m_listedTold = false;
    bool m_lobbyMissingTold = false;
    bool m_lobbyWaitsForRouter = false;
    bool m_onlineEnabled = false;
    quint16 m_hostPort = 7772;
    // The rounds of the game start dialog until it is made.
    int m_rounds;

    // In creation order; the about, download, game start, help and phrase
    // windows are made at their first use.
    std::unique_ptr<Tchat> m_chat;
    std::unique_ptr<Tabout> m_about;
    std::unique_ptr<TServer> m_server;
    std::unique_ptr<Ttallylist> m_tally;
    std::unique_ptr<Tdownload> m_download;
    std::unique_ptr<Tgamestart> m_gamestart;
    std::unique_ptr<Thelp> m_help;
    std::unique_ptr<Tphrases> m_phrasesWindow;
    std::unique_ptr<Tspylist> m_spylist;

    ChatPane *m_chatPane = nullptr;
    ClientConnection *m_connection = nullptr;
    BoardPanel *m_boardPanel = nullptr;
    RoundView *m_roundView = nullptr;
    PlayerList *m_playerList = nullptr;
};
