// orvellobby: starts tavlix from its own folder to host or join a game;
// `orvellobby --list` prints the games on the local network.

#include "gamebrowser.h"
#include "langameslist.h"
#include "language.h"
#include "lobbywindow.h"
#include "presence.h"
#include "routerclient.h"
#include "storagepaths.h"
#include "tavlixsettings.h"

#include <QApplication>
#include <QDir>
#include <QProcess>

namespace {

// How long `--list` looks for games at most.
constexpr int ListWaitMs = 2000;

// The launcher speaks the game's language: the one chosen in the game's
// Options menu, else the desktop's.
QString settingsPath()
{
    const QString folder = QCoreApplication::applicationDirPath();
    return QString::fromStdString(settingsFilePath(folder.toStdString()));
}

void applyLanguage()
{
    Language::apply(QString::fromStdString(readTavlixSettings(IniProfile(settingsPath().toStdString())).Language));
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

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrvelLobby"));

    applyLanguage();
    const QString folder = QCoreApplication::applicationDirPath();
    const QString settings = settingsPath();
    LobbyWindow window(QDir(folder).filePath(QStringLiteral("tavlix")), settings,
                       [](const QString &program, const QStringList &arguments) {
                           return QProcess::startDetached(program, arguments);
                       });
    window.setRouter(makeSystemRouterClient());
    window.showGamesAround(makeAvahiGameBrowser());
    window.listenForGames(PresencePort);
    window.show();
    return app.exec();
}
