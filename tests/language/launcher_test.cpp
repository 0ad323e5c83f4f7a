// The launcher in the pseudo-language (a program of its own, so a test
// executable of its own).

#include "pseudolanguage.h"

#include "eventloop.h"
#include "langameslist.h"
#include "lobbywindow.h"
#include "onlinegameslist.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

struct NoBrowser : GameBrowser
{
    void start() override {}
};

struct SilentLobby : OnlineDirectory
{
    void refresh() override {}
};

using PseudoLauncher = PseudoLanguage;

TEST_F(PseudoLauncher, EveryTextIsTranslatedAndFits)
{
    QTemporaryDir folder;
    LobbyWindow lobby(QStringLiteral("/nonexistent/tavlix"), QDir(folder.path()).filePath("orvellobby.ini"),
                      [](const QString &, const QStringList &) { return false; });
    lobby.showGamesAround(std::make_unique<NoBrowser>());
    lobby.showOnlineGames(std::make_unique<SilentLobby>());
    lobby.show();
    spinFor(20);
    EXPECT_TRUE(none(textProblems(&lobby)));
    auto *games = lobby.findChild<LanGamesList *>();
    ASSERT_TRUE(games);
    auto *online = lobby.findChild<OnlineGamesList *>();
    ASSERT_TRUE(online);
    for (const QString &row : games->rowTexts() + online->rowTexts())
        EXPECT_TRUE(isPseudo(row)) << row.toStdString();
}

} // namespace
