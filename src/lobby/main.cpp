// orvellobby: starts tavlix from its own folder to host or join a game;
// `orvellobby --list` prints the games on the local network.

#include "gamebrowser.h"
#include "iniprofile.h"
#include "langameslist.h"
#include "language.h"
#include "lobbyline.h"
#include "lobbywindow.h"
#include "onlinegameslist.h"
#include "presence.h"
#include "routerclient.h"
#include "storagepaths.h"
#include "tavlixsettings.h"

#include <QApplication>
#include <QDir>
#include <QProcess>

#include <cstdio>

namespace {

// How long `--list` looks for games at most.
constexpr int ListWaitMs = 2000;
// How long `--list-online` waits for the lobby at most: a connection
// attempt's time and a moment for the answer.
constexpr int ListOnlineWaitMs = 12000;

// The meeting service the game's settings name (section [Tavlix]).
std::optional<ServiceAddress> lobbyService(const QString &settings)
{
    return ServiceAddress::parse(
        QString::fromStdString(readTavlixSettings(IniProfile(settings.toStdString())).Lobbyserver));
}

QString settingsFile()
{
    return QString::fromStdString(settingsFilePath(QCoreApplication::applicationDirPath().toStdString()));
}

// The launcher speaks the game's language: the one chosen in the game's
// Options menu, else the desktop's.
void applyLanguage()
{
    Language::apply(QString::fromStdString(readTavlixSettings(IniProfile(settingsFile().toStdString())).Language));
}

} // namespace

int main(int argc, char **argv)
{
    // Listing needs no window, so it runs without a display too.
    if (argc == 2 && qstrcmp(argv[1], "--list") == 0) {
        QCoreApplication app(argc, argv);
        applyLanguage();
        const auto browser = makeAvahiGameBrowser();
        return listGames(*browser, ListWaitMs);
    }

    if (argc == 2 && qstrcmp(argv[1], "--list-online") == 0) {
        QCoreApplication app(argc, argv);
        applyLanguage();
        const std::optional<ServiceAddress> service = lobbyService(settingsFile());
        if (!service) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(QCoreApplication::translate("OrvelLobby",
                                                                "The lobby's address in the settings is not host:port.")));
            return 4;
        }
        const auto directory = makeLobbyDirectory(*service);
        return listOnlineGames(*directory, ListOnlineWaitMs);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrvelLobby"));

    applyLanguage();
    const QString folder = QCoreApplication::applicationDirPath();
    const QString settings = settingsFile();
    LobbyWindow window(QDir(folder).filePath(QStringLiteral("tavlix")), settings,
                       [](const QString &program, const QStringList &arguments) {
                           return QProcess::startDetached(program, arguments);
                       });
    window.setRouter(makeSystemRouterClient());
    window.showGamesAround(makeAvahiGameBrowser());
    if (const std::optional<ServiceAddress> service = lobbyService(settings))
        window.showOnlineGames(makeLobbyDirectory(*service));
    window.listenForGames(PresencePort);
    window.show();
    return app.exec();
}
