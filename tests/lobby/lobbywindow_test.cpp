// The lobby launcher's window: starting the game, remembering its fields,
// the game's presence connection on 127.0.0.1 port 9001, and the list of
// games on the network.

#include "eventloop.h"
#include "langameslist.h"
#include "lobbyline.h"
#include "onlinegameslist.h"
#include "lobbywindow.h"
#include "presence.h"
#include "routerclient.h"

#include <QClipboard>
#include <atomic>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A router that tells its public address and counts what else it is asked.
struct TellingRouter : RouterClient
{
    explicit TellingRouter(std::atomic<int> &other) : other(other) {}
    RouterReply mapPort(quint16, int, const QString &) override { return ++other, RouterReply{}; }
    void unmapPort(quint16) override { ++other; }
    QString publicAddress() override { return QStringLiteral("11.22.33.1"); }
    QList<PinholeReply> openPinholes(quint16, int) override { return ++other, QList<PinholeReply>{}; }
    void closePinholes() override { ++other; }
    void forgetRouter() override { ++other; }
    std::atomic<int> &other;
};

// Games as a browser would report them, by hand.
struct FakeBrowser : GameBrowser
{
    void start() override { started = true; }
    bool started = false;
};

class LobbyTest : public ::testing::Test
{
protected:
    struct Start
    {
        QString program;
        QStringList arguments;
    };

    std::unique_ptr<LobbyWindow> makeWindow(LobbyWindow::GameStarter starter = {})
    {
        if (!starter) {
            starter = [this](const QString &program, const QStringList &arguments) {
                starts.append({program, arguments});
                return true;
            };
        }
        return std::make_unique<LobbyWindow>(gamePath(), settingsPath(), std::move(starter));
    }
    QString gamePath() const { return folder.filePath(QStringLiteral("tavlix")); }
    QString settingsPath() const { return folder.filePath(QStringLiteral("orvellobby.ini")); }
    QByteArray settingsText() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void type(LobbyWindow &window, const char *edit, const QString &text)
    {
        window.findChild<QLineEdit *>(edit)->setText(text);
    }
    static void click(LobbyWindow &window, const char *name) { window.findChild<QPushButton *>(name)->click(); }

    QTemporaryDir folder;
    QList<Start> starts;
};

TEST_F(LobbyTest, HostAndJoinStartTheGameWithNameAddressAndTheHostWord)
{
    auto window = makeWindow();
    EXPECT_EQ(window->findChild<QLineEdit *>("edit_address")->text(), "127.0.0.1");
    type(*window, "edit_name", "  Ann Lee ");
    click(*window, "button_host");
    type(*window, "edit_address", "10.0.0.5");
    click(*window, "button_join");

    for (const char *address : {"[2001:db8::5]", "4friends.example.org"}) {
        type(*window, "edit_address", address);
        click(*window, "button_join");
    }

    ASSERT_EQ(starts.size(), 4);
    EXPECT_EQ(starts.at(0).program, gamePath());
    EXPECT_EQ(starts.at(0).arguments, QStringList({"Ann Lee", "127.0.0.1", "true"}));
    EXPECT_EQ(starts.at(1).arguments, QStringList({"Ann Lee", "10.0.0.5", "false"}));
    EXPECT_EQ(starts.at(2).arguments, QStringList({"Ann Lee", "[2001:db8::5]", "false"}));
    EXPECT_EQ(starts.at(3).arguments.at(1), "4friends.example.org");
}

TEST_F(LobbyTest, AnEmptyNameOrAddressIsRefusedWithAMessage)
{
    auto window = makeWindow();
    type(*window, "edit_name", "   ");
    click(*window, "button_host");
    EXPECT_EQ(window->statusText(), "Please enter your name.");

    type(*window, "edit_name", "Bo");
    for (const char *address : {"", "my host", "300.1.1.1", "2001:db8::5::1", "[::1"}) {
        type(*window, "edit_address", address);
        click(*window, "button_join");
        EXPECT_TRUE(window->statusText().startsWith("Please enter the host's address")) << address;
    }
    EXPECT_TRUE(starts.isEmpty());
    EXPECT_TRUE(settingsText().isEmpty()) << "nothing refused is remembered";
}

TEST_F(LobbyTest, NameAndAddressAreRememberedInTheLaunchersOwnSection)
{
    QFile ini(settingsPath());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Tavlix]\r\nTextsize=12\r\nName=not the launcher's\r\n");
    ini.close();
    {
        auto window = makeWindow();
        type(*window, "edit_name", "Cy");
        type(*window, "edit_address", "lan-host");
        click(*window, "button_join");
    }
    EXPECT_TRUE(settingsText().startsWith("[Tavlix]\r\nTextsize=12\r\nName=not the launcher's\r\n"));
    EXPECT_TRUE(settingsText().contains("[OrvelLobby]\r\nName=Cy\r\nAddress=lan-host\r\n"));

    auto again = makeWindow();
    EXPECT_EQ(again->findChild<QLineEdit *>("edit_name")->text(), "Cy");
    EXPECT_EQ(again->findChild<QLineEdit *>("edit_address")->text(), "lan-host");
}

TEST_F(LobbyTest, AGameThatCannotStartIsReported)
{
    auto window = makeWindow([](const QString &, const QStringList &) { return false; });
    type(*window, "edit_name", "Di");
    click(*window, "button_host");
    EXPECT_EQ(window->statusText(), "Could not start the game (" + gamePath() + ").");
}

// A stub game: records its parameters, opens the presence connection as
// the game does, and holds it until told to stop.
TEST_F(LobbyTest, TheRealGameExecutableRunsAndItsPresenceShowsWhileItIsOpen)
{
    QFile stub(gamePath());
    ASSERT_TRUE(stub.open(QIODevice::WriteOnly));
    stub.write("#!/bin/bash\n"
               "dir=$(dirname \"$0\")\n"
               "printf '%s\\n' \"$@\" > \"$dir/parameters.tmp\" && mv \"$dir/parameters.tmp\" \"$dir/parameters\"\n"
               "exec 3<>/dev/tcp/127.0.0.1/9001 || exit 1\n"
               "while [ ! -e \"$dir/stop\" ]; do sleep 0.05; done\n");
    stub.close();
    stub.setPermissions(stub.permissions() | QFile::ExeOwner);

    auto window = makeWindow([](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    });
    std::atomic<int> mappings = 0;
    window->setRouter(std::make_unique<TellingRouter>(mappings));
    window->listenForGames(PresencePort);
    EXPECT_TRUE(window->statusText().startsWith("Ready"));
    type(*window, "edit_name", "Ann Lee");
    click(*window, "button_host");

    ASSERT_TRUE(waitUntil([&] { return window->statusText() == "Game running"; }, 10000));
    // While its hosted game runs: the addresses to share, each with Copy.
    ASSERT_TRUE(waitUntil([&] { return window->sharedAddresses().contains("11.22.33.1"); }));
    const auto row = window->sharedAddresses().indexOf("11.22.33.1") + 1;
    window->findChild<QPushButton *>(QStringLiteral("button_copy%1").arg(row))->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "11.22.33.1");
    EXPECT_EQ(mappings, 0);
    QFile parameters(folder.filePath("parameters"));
    ASSERT_TRUE(parameters.open(QIODevice::ReadOnly));
    EXPECT_EQ(parameters.readAll(), "Ann Lee\n127.0.0.1\ntrue\n");

    QFile(folder.filePath("stop")).open(QIODevice::WriteOnly);
    EXPECT_TRUE(waitUntil([&] { return window->statusText() == "Game ended"; }, 10000));
    EXPECT_TRUE(window->sharedAddresses().isEmpty());
}

TEST_F(LobbyTest, APortInUseIsReportedAndTheWindowStillStartsGames)
{
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::LocalHost, PresencePort));
    auto window = makeWindow();
    window->listenForGames(PresencePort);
    EXPECT_TRUE(window->statusText().startsWith("Port 9001 on 127.0.0.1 is in use")) << window->statusText().toStdString();
    type(*window, "edit_name", "Ed");
    click(*window, "button_host");
    EXPECT_EQ(starts.size(), 1);
}

TEST_F(LobbyTest, GamesOnTheNetworkAreListedChosenAndJoinedFromTheList)
{
    auto window = makeWindow();
    auto owned = std::make_unique<FakeBrowser>();
    FakeBrowser &browser = *owned;
    window->showGamesAround(std::move(owned));
    auto *list = window->findChild<LanGamesList *>();
    ASSERT_TRUE(list && browser.started);
    EXPECT_EQ(list->accessibleName(), "Games on your network");
    EXPECT_EQ(list->rowTexts(), QStringList{"No games on your network yet."});

    lan::LanGame ann{"Ann", "192.168.1.20", "1.0.0", 2, 0, 7, true, 2, 3, true};
    const lan::LanGame bo{"Bo", "192.168.1.21", "1.0.0", 1, 0, 0, false, 0, 0, false};
    emit browser.gameFound("Bo", bo);
    emit browser.gameFound("Ann", ann);
    EXPECT_EQ(list->rowTexts(), (QStringList{"Ann at 192.168.1.20, 2 players, round 2 of 3, locked",
                                             "Bo at 192.168.1.21, 1 player, waiting, full"}));

    // Choosing fills the address; Enter joins with the name typed.
    type(*window, "edit_name", "Cy");
    list->setCurrentRow(1);
    EXPECT_EQ(window->findChild<QLineEdit *>("edit_address")->text(), "192.168.1.21");
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(starts.size(), 1);
    EXPECT_EQ(starts.at(0).arguments, QStringList({"Cy", "192.168.1.21", "false"}));

    // An update keeps the row chosen without filling the address again; a
    // lost game goes; a double-click joins too.
    type(*window, "edit_address", "typed.example");
    ann.players = 3;
    emit browser.gameFound("Ann", ann);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(window->findChild<QLineEdit *>("edit_address")->text(), "typed.example");
    emit browser.gameLost("Bo");
    EXPECT_EQ(list->rowTexts(), QStringList{"Ann at 192.168.1.20, 3 players, round 2 of 3, locked"});
    emit list->itemDoubleClicked(list->item(0));
    ASSERT_EQ(starts.size(), 2);
    EXPECT_EQ(starts.at(1).arguments, QStringList({"Cy", "192.168.1.20", "false"}));

    emit browser.availabilityChanged(false);
    EXPECT_EQ(list->rowTexts(), QStringList{QString::fromLatin1(lan::AvahiMissing)});
}

TEST(PresenceListener, CountsGamesAndDropsWhateverTheySend)
{
    PresenceListener listener;
    ASSERT_TRUE(listener.listen(0));
    QList<int> changes;
    QObject::connect(&listener, &PresenceListener::gamesChanged, [&](int games) { changes.append(games); });

    QTcpSocket first, second;
    first.connectToHost(QHostAddress::LocalHost, listener.port());
    second.connectToHost(QHostAddress::LocalHost, listener.port());
    ASSERT_TRUE(waitUntil([&] { return listener.games() == 2; }));
    second.write(QByteArray(100000, 'x'));
    second.abort(); // a reset, not an orderly close
    first.disconnectFromHost();
    ASSERT_TRUE(waitUntil([&] { return listener.games() == 0; }));
    EXPECT_EQ(changes, QList<int>({1, 2, 1, 0}));
}

} // namespace

// A meeting service by hand on a loopback port: it answers every LIST with
// the rows the test gives, and counts the questions.
struct FakeLobby
{
    FakeLobby()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            QTcpSocket *client = server.nextPendingConnection();
            QObject::connect(client, &QTcpSocket::readyRead, client, [this, client] {
                if (!client->canReadLine())
                    return;
                questions << client->readLine();
                client->write(rows);
                client->disconnectFromHost();
            });
        });
    }
    ServiceAddress address() const { return {QStringLiteral("127.0.0.1"), server.serverPort()}; }
    QTcpServer server;
    QByteArray rows;
    QByteArrayList questions;
};

TEST_F(LobbyTest, GamesOnTheInternetAreListedFromTheLobbyAndJoinedByTheirCode)
{
    FakeLobby lobby;
    // A stranger's rows: a name with a line break, a code that is none, a
    // count no table has.
    lobby.rows = "TABLE code=+K7QX-M2PA name=Ann%0ALee game=tavlix players=2 watchers=0 free=0 state=playing "
                 "round=1 locked=1\n"
                 "TABLE code=+0000-0000 name=Mallory players=1 free=3 state=waiting\n"
                 "TABLE code=+ABCD-EFGH name=Eve players=999 free=3 state=waiting\n"
                 "TABLE code=+XY23-4567 name=Bo players=1 watchers=0 free=7 state=waiting round=0 locked=0\n"
                 "END count=4\n";
    auto window = makeWindow();
    window->showOnlineGames(makeLobbyDirectory(lobby.address()));
    auto *list = window->findChild<OnlineGamesList *>();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->accessibleName(), "Games on the internet");
    window->show();
    ASSERT_TRUE(waitUntil([&] { return list->count() == 2; })) << list->rowTexts().join('|').toStdString();
    EXPECT_EQ(list->rowTexts(), (QStringList{"Ann Lee at +K7QX-M2PA, 2 players, playing, locked, full",
                                             "Bo at +XY23-4567, 1 player, waiting"}));
    EXPECT_EQ(lobby.questions, QByteArrayList{"LIST\n"});
    EXPECT_EQ(list->refreshTimer().interval(), 15000);
    EXPECT_TRUE(list->refreshTimer().isActive());

    type(*window, "edit_name", "Cy");
    list->setCurrentRow(1);
    EXPECT_EQ(window->findChild<QLineEdit *>("edit_address")->text(), "+XY23-4567");
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(starts.size(), 1);
    EXPECT_EQ(starts.at(0).arguments, QStringList({"Cy", "+XY23-4567", "false"}));

    // The address box takes a code as typed; one that is no code is refused.
    type(*window, "edit_address", " +k7qxm2pa ");
    click(*window, "button_join");
    ASSERT_EQ(starts.size(), 2);
    EXPECT_EQ(starts.at(1).arguments, QStringList({"Cy", "+K7QX-M2PA", "false"}));
    type(*window, "edit_address", "+K7QX-M2P0");
    click(*window, "button_join");
    EXPECT_EQ(starts.size(), 2);
    EXPECT_EQ(window->statusText(), "An invite code is a \"+\" and 8 letters and digits, such as +K7QX-M2PA.");

    // F5 asks again; a lobby that is gone is said in the list.
    const quint16 port = lobby.address().port;
    lobby.server.close();
    QTest::keyClick(list, Qt::Key_F5);
    ASSERT_TRUE(waitUntil([&] { return list->count() == 1 && list->rowTexts()[0].startsWith("The lobby cannot"); }));
    EXPECT_EQ(list->rowTexts()[0].toStdString(),
              QString("The lobby cannot be reached (nothing answers on port %1 there).").arg(port).toStdString());
    window->hide();
    EXPECT_FALSE(list->refreshTimer().isActive());
}
