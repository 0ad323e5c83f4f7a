// Playing through the meeting service: netlab's closed-homes.sh, where
// Ann's home sits behind her provider's carrier-grade NAT and Bo's router
// lets nobody in, with a real orvellobbyd on the public server. Ann hosts
// in this process with its thread in her home; Bo's copy is made while the
// thread visits his, so that its connection to the service is his.

#include "chatpane.h"
#include "chatview.h"
#include "childprocess.h"
#include "clientconnection.h"
#include "netnamespace.h"
#include "playerlist.h"
#include "programcopy.h"
#include "protocol.h"
#include "routerclient.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <sched.h>
#include <unistd.h>

namespace {

class ClosedHomes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to build the homes' namespaces";
        prefix = QStringLiteral("o%1").arg(::getpid() % 100000);
        QProcess up;
        up.start(QStringLiteral(TAVLIX_LABS "/closed-homes.sh"), {"up", prefix});
        if (!up.waitForFinished(30000) || up.exitCode() != 0)
            GTEST_SKIP() << "no closed homes: " << up.readAllStandardError().toStdString();
        own = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
        startService();
        enter('a');
    }

    void TearDown() override
    {
        if (own < 0)
            return;
        copies.clear();
        stopService();
        ::setns(own, CLONE_NEWNET);
        ::close(own);
        QProcess::execute(QStringLiteral(TAVLIX_LABS "/closed-homes.sh"), {"down", prefix});
    }

    QString ns(char m) const { return prefix + '-' + m; }
    void enter(char m)
    {
        const QByteArray path = "/run/netns/" + ns(m).toLatin1();
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(::setns(fd, CLONE_NEWNET), 0) << path.constData();
        ::close(fd);
    }

    // The service on the public server, keeping its key across restarts.
    void startService()
    {
        service = std::make_unique<QProcess>();
        service->setProcessChannelMode(QProcess::MergedChannels);
        service->start("ip", {"netns", "exec", ns('s'), TAVLIX_LOBBYD_EXECUTABLE, "--listen", "203.0.113.10:7773",
                              "--key-file", keyFolder.filePath("key")});
        ASSERT_TRUE(waitUntil([this] { return serviceLog().find("listening on") != std::string::npos; }, 5000)) << serviceLog();
    }
    void stopService()
    {
        if (service && signalChild(*service, SIGTERM))
            service->waitForFinished(5000);
    }
    std::string serviceLog()
    {
        log += service->readAll();
        return log.toStdString();
    }

    // A player in home `m` with the defaults and the lab's service; the
    // thread comes back to Ann's home.
    Copy &player(char m, const QStringList &parameters, const QByteArray &settings = {}, bool router = false)
    {
        enter(m);
        auto copy = std::make_unique<Copy>(parameters, "7772");
        QFile ini(copy->folder.filePath("orvellobby.ini"));
        ini.open(QIODevice::WriteOnly);
        ini.write("[Tavlix]\nHelp=2\nLobbyserver=203.0.113.10:7773\n" + settings);
        ini.close();
        if (router)
            copy->program->setRouter(makeSystemRouterClient());
        copy->program->enableOnline();
        copy->program->show();
        enter('a');
        copies.push_back(std::move(copy));
        return *copies.back();
    }
    Copy &host(const QByteArray &settings = {}, bool router = false)
    {
        return player('a', {"Ann", "127.0.0.1", "true"}, settings, router);
    }
    Copy &joiner(const QString &code) { return player('b', {"Bo", code, "false"}); }
    static QString chat(const Copy &copy) { return copy.program->chatPane().mainchat()->toPlainText(); }
    static QString inviteCode(const Copy &ann)
    {
        static const QRegularExpression said(QStringLiteral("Friends can join you with the invite code (\\+\\S+)\\."));
        waitUntil([&] { return said.match(chat(ann)).hasMatch(); }, 20000);
        return said.match(chat(ann)).captured(1);
    }
    // `orvellobby --list-online` in Bo's home, naming the service as the
    // players' settings do.
    QString listOnline(int *exitCode = nullptr)
    {
        const QString exe = lobbyFolder.filePath("orvellobby");
        if (!QFile::exists(exe)) {
            QFile::copy(QStringLiteral(TAVLIX_LOBBY_EXECUTABLE), exe);
            QFile ini(lobbyFolder.filePath("orvellobby.ini"));
            ini.open(QIODevice::WriteOnly);
            ini.write("[Tavlix]\nLobbyserver=lobby.test:7773\n");
        }
        QProcess list;
        list.start("ip", {"netns", "exec", ns('b'), exe, "--list-online"});
        waitUntil([&] { return list.state() == QProcess::NotRunning; }, 15000);
        if (exitCode)
            *exitCode = list.exitCode();
        return list.readAllStandardOutput();
    }
    bool seated(Copy &ann, const char *name, int seat)
    {
        return waitUntil([&] { return ann.program->server().seats()[seat].name == name; }, 10000);
    }

    QString prefix;
    int own = -1;
    QTemporaryDir keyFolder;
    QTemporaryDir lobbyFolder;
    std::unique_ptr<QProcess> service;
    QString log;
    std::vector<std::unique_ptr<Copy>> copies;
};

} // namespace

TEST_F(ClosedHomes, BoJoinsAnnWithTheCodeFromHerChatAndTheirGameRunsOverTheRelayToItsWinner)
{
    // Ann's router is asked, as at home; it answers nothing.
    Copy &ann = host({}, true);
    const QString code = inviteCode(ann);
    ASSERT_FALSE(code.isEmpty()) << chat(ann).toStdString() << serviceLog();
    EXPECT_TRUE(ann.program->mainWindow().item("CopyInviteCode1")->isEnabled());
    ann.program->mainWindow().item("CopyInviteCode1")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), code);
    // The lines about the local network and the router come first.
    EXPECT_LT(chat(ann).indexOf("Players on your network can join you at 192.168.10.2."),
              chat(ann).indexOf("Your router did not open port 7772"));
    EXPECT_LT(chat(ann).indexOf("Your router did not open port 7772"), chat(ann).indexOf("Friends can join you"));

    // As typed on a phone: lower case, no dash.
    Copy &bo = joiner(code.toLower().remove('-'));
    ASSERT_TRUE(seated(ann, "Bo", 2)) << chat(bo).toStdString();
    EXPECT_TRUE(waitUntil([&] { return chat(bo).contains("Connected through the lobby's relay."); }));
    EXPECT_TRUE(waitUntil([&] { return chat(bo).contains("You are Connected."); }));
    EXPECT_EQ(ann.program->server().seats()[2].sock ? 1 : 0, 1);

    ASSERT_TRUE(startGame(ann, 1));
    const int moves = playOn(ann.program->server(), {&ann, &bo});
    ASSERT_FALSE(ann.program->server().flow().gamerunning());
    EXPECT_GT(moves, 2);
    for (Copy *copy : {&ann, &bo}) {
        QWidget *winner = copy->program->mainWindow().panel()->findChild<QWidget *>("panel_winner");
        EXPECT_TRUE(waitUntil([&] { return winner->isVisible(); })) << copy->program->state().playername.toStdString();
        EXPECT_EQ(copy->label("label_status"), "Game Over!");
    }
}

TEST_F(ClosedHomes, APublicTableIsListedInTheLauncherAndAnInviteOnlyOneIsNot)
{
    Copy &ann = host("Online=2\n");
    const QString code = inviteCode(ann);
    ASSERT_TRUE(waitUntil([&] { return chat(ann).contains("Your table is listed in the lobby."); }));
    int exitCode = -1;
    EXPECT_EQ(listOnline(&exitCode), "Ann\t" + code + "\t1\twaiting\n");
    EXPECT_EQ(exitCode, 0);

    // Invite Only, at once, and saved.
    ann.program->mainWindow().item("OnlineInvite1")->trigger();
    EXPECT_TRUE(waitUntil([&] { return listOnline().isEmpty(); }, 5000));
    QFile ini(ann.program->settingsPath());
    ini.open(QIODevice::ReadOnly);
    EXPECT_TRUE(ini.readAll().contains("Online=1"));
    // Off withdraws the table: its code finds nothing any more.
    ann.program->mainWindow().item("OnlineOff1")->trigger();
    EXPECT_FALSE(ann.program->mainWindow().item("CopyInviteCode1")->isEnabled());
    spinFor(500);
    Copy &bo = joiner(code);
    EXPECT_TRUE(waitUntil([&] { return chat(bo).contains("There is no table with the invite code " + code + "."); }));

    stopService();
    EXPECT_EQ(listOnline(&exitCode), "");
    EXPECT_EQ(exitCode, 4);
}

TEST_F(ClosedHomes, AfterTheServiceRestartsAnnRegistersAgainWithTheSameCodeAndBoJoinsWithIt)
{
    Copy &ann = host("Online=2\n");
    const QString code = inviteCode(ann);
    ASSERT_FALSE(code.isEmpty());
    stopService();
    startService();
    QElapsedTimer clock;
    clock.start();
    // Asked every 2 s: the service allows a few dozen questions a minute.
    ASSERT_TRUE(waitUntil(
        [&] {
            spinFor(2000);
            return listOnline() == "Ann\t" + code + "\t1\twaiting\n";
        },
        60000))
        << chat(ann).toStdString() << serviceLog();
    std::cout << "registered again " << clock.elapsed() << " ms after the restart" << std::endl;
    EXPECT_EQ(chat(ann).count("Friends can join you"), 1) << "the same code is no news";

    joiner(code);
    EXPECT_TRUE(seated(ann, "Bo", 2));

    // File > Exit withdraws the table.
    ann.program->mainWindow().item("Exit1")->trigger();
    spinFor(1000);
    int exitCode = -1;
    EXPECT_EQ(listOnline(&exitCode), "");
    EXPECT_EQ(exitCode, 0) << serviceLog();
}

TEST_F(ClosedHomes, TheHostJudgesARelayedPlayerByHisOwnAddress)
{
    Copy &ann = host();
    const QString code = inviteCode(ann);
    Copy &bo = joiner(code);
    ASSERT_TRUE(seated(ann, "Bo", 2));

    // A stranger at a locked table: turned away, and Ann is told from where.
    ann.program->mainWindow().item("LockTable1")->trigger();
    const int fd = connectFrom(ns('x'), "203.0.113.10", 7773);
    ASSERT_GE(fd, 0);
    QTcpSocket stranger;
    ASSERT_TRUE(stranger.setSocketDescriptor(fd));
    QByteArray received;
    QObject::connect(&stranger, &QTcpSocket::readyRead, [&] { received += stranger.readAll(); });
    stranger.write("JOIN code=" + code.toLatin1() + "\n");
    EXPECT_TRUE(waitUntil([&] { return received == "RELAYED\n" + wire::host::full(); })) << received.constData();
    EXPECT_TRUE(waitUntil([&] { return chat(ann).contains("from 203.0.113.66 (table locked)"); }, 5000))
        << chat(ann).toStdString();
    ann.program->mainWindow().item("LockTable1")->trigger();

    // Removed, Bo cannot come back through the relay.
    ann.program->connection().send(wire::client::kickhim(1, 2));
    ASSERT_TRUE(waitUntil([&] { return !ann.program->server().seats()[2].inuse; }));
    Copy &again = joiner(code);
    EXPECT_TRUE(waitUntil([&] { return again.desktop.messages.contains("Game is full"); }))
        << chat(again).toStdString();
    EXPECT_FALSE(ann.program->server().seats()[2].inuse);
    EXPECT_TRUE(waitUntil([&] { return chat(ann).contains("Bo tried to join again and was turned away."); }))
        << chat(ann).toStdString();
    Q_UNUSED(bo);
}

TEST_F(ClosedHomes, AWrongCodeIsToldWithinFiveSeconds)
{
    QElapsedTimer clock;
    clock.start();
    Copy &bo = joiner("+2222-2222");
    ASSERT_TRUE(waitUntil([&] { return chat(bo).contains("There is no table with the invite code +2222-2222."); },
                          5000))
        << chat(bo).toStdString();
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_FALSE(bo.program->state().loggedin);
}
