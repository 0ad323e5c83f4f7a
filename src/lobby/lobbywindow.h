#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class GameBrowser;
class LanGamesList;
class OnlineDirectory;
class OnlineGamesList;
class PortMapper;
class RouterClient;
class PresenceListener;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// The lobby launcher's window: the player's name, the host's address, "Host
// a game" and "Join a game", and a status line that says what is happening.
//
// Hosting or joining starts the game with its three parameters (name,
// address, "true" to host, "false" to join); the game's presence connection
// to 127.0.0.1 port 9001 then shows as "Game running" while it is open and
// "Game ended" when it closes. Name and address are remembered in section
// [OrvelLobby] of the settings file, which the game shares for its own
// section [Tavlix]; that section is never touched here.
//
// While a game it started to host is running, the window lists the
// addresses to give the other players, each with a "Copy" button: this
// machine's network addresses, its global IPv6 addresses and, when the home
// router tells it, the public one. The launcher only asks the router; the
// game opens the port.
class LobbyWindow : public QWidget
{
    Q_OBJECT
public:
    // Starts a program detached from this one; false when it could not.
    using GameStarter = std::function<bool(const QString &program, const QStringList &arguments)>;

    static const char *const Section;        // "OrvelLobby"
    static const char *const DefaultAddress; // "127.0.0.1"

    // `gamePath`: the game's executable. `settingsPath`: the settings file.
    LobbyWindow(const QString &gamePath, const QString &settingsPath, GameStarter starter,
                QWidget *parent = nullptr);
    ~LobbyWindow() override;

    // Listens for the game's presence connection; a port another program
    // holds is reported in the status line, and hosting and joining still
    // work.
    void listenForGames(quint16 port);

    // The home router asked for the public address; none: not asked.
    void setRouter(std::unique_ptr<RouterClient> router);
    // Lists the games hosted on the local network, through `browser`.
    // Choosing one fills the host address; a double-click or Enter on it
    // joins it as "Join a game" does. Without one, no list is shown.
    void showGamesAround(std::unique_ptr<GameBrowser> browser);
    // Lists the public tables at the meeting service, through `directory`,
    // beside the games on the network; choosing one fills the address box
    // with its invite code, and a double-click or Enter joins it.
    void showOnlineGames(std::unique_ptr<OnlineDirectory> directory);

    void button_hostClick();
    void button_joinClick();

    QString statusText() const;
    // The addresses shown to share, in order; empty while none are shown.
    QStringList sharedAddresses() const { return m_shared; }

private:
    void startGame(bool host);
    void showGames(int games);
    void setStatus(const QString &text);
    void showAddresses(bool shown);
    void fitHeight();
    void addAddress(const QString &where, const QString &address);

    QString m_gamePath;
    QString m_settingsPath;
    GameStarter m_starter;
    PresenceListener *m_presence;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_address = nullptr;
    QPushButton *m_host = nullptr;
    QPushButton *m_join = nullptr;
    QLabel *m_status = nullptr;
    QWidget *m_addressBox = nullptr;
    QGridLayout *m_addressGrid = nullptr;
    QStringList m_shared;
    // The last game this window started hosts.
    bool m_hosting = false;
    std::unique_ptr<RouterClient> m_router;
    std::unique_ptr<PortMapper> m_routerLookup;
    LanGamesList *m_games = nullptr;
    OnlineGamesList *m_onlineGames = nullptr;
};
