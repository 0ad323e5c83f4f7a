// orvellobby: starts tavlix from its own folder to host or join a game.

#include "lobbywindow.h"
#include "presence.h"
#include "routerclient.h"
#include "storagepaths.h"

#include <QApplication>
#include <QDir>
#include <QProcess>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrvelLobby"));

    const QString folder = QCoreApplication::applicationDirPath();
    const QString settings = QString::fromStdString(settingsFilePath(folder.toStdString()));
    LobbyWindow window(QDir(folder).filePath(QStringLiteral("tavlix")), settings,
                       [](const QString &program, const QStringList &arguments) {
                           return QProcess::startDetached(program, arguments);
                       });
    window.setRouter(makeSystemRouterClient());
    window.listenForGames(PresencePort);
    window.show();
    return app.exec();
}
