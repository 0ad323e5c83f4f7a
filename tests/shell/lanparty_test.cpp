// Games on the local network: three machines on one switch, each with its
// own system D-Bus and real Avahi daemon, built by the lan-party lab (tests/labs/lan-party.sh).
// The hosting copy runs on machine a (this test's thread moves there);
// `orvellobby --list` looks from machine b, so multicast DNS crosses the
// switch as at home.

#include "chatpane.h"
#include "chatview.h"
#include "childprocess.h"
#include "lanpublisher.h"
#include "netnamespace.h"
#include "programcopy.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <sched.h>
#include <unistd.h>

namespace {

class LanParty : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to build the network's namespaces";
        prefix = QStringLiteral("lp%1").arg(::getpid() % 100000);
        QProcess up;
        up.start(QStringLiteral(TAVLIX_LABS "/lan-party.sh"), {"up", prefix});
        if (!up.waitForFinished(30000) || up.exitCode() != 0)
            GTEST_SKIP() << "no lan party: " << up.readAllStandardError().toStdString();
        own = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
    }

    void TearDown() override
    {
        if (own < 0)
            return;
        copy.reset();
        for (QProcess *process : std::as_const(started)) {
            process->kill();
            process->waitForFinished();
            delete process;
        }
        ::setns(own, CLONE_NEWNET);
        ::close(own);
        QProcess::execute(QStringLiteral(TAVLIX_LABS "/lan-party.sh"), {"down", prefix});
    }

    QString machine(char m) const { return prefix + '-' + m; }
    QString bus(char m) const { return "unix:path=/tmp/" + machine(m) + ".bus"; }
    void enter(char m)
    {
        const QByteArray path = "/run/netns/" + machine(m).toLatin1();
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(::setns(fd, CLONE_NEWNET), 0) << path.constData();
        ::close(fd);
    }

    // A program on machine `m`, talking to that machine's Avahi. The event
    // loop runs meanwhile, so a copy hosting in this process goes on.
    QProcess *start(char m, const QString &program, const QStringList &arguments)
    {
        auto *process = new QProcess;
        started << process;
        process->start("ip", QStringList{"netns", "exec", machine(m), "env", "DBUS_SYSTEM_BUS_ADDRESS=" + bus(m), program}
                                 + arguments);
        return process;
    }
    QProcess *run(char m, const QString &program, const QStringList &arguments)
    {
        QProcess *process = start(m, program, arguments);
        waitUntil([process] { return process->state() == QProcess::NotRunning; }, 15000);
        return process;
    }
    QString list(char m = 'b') { return run(m, TAVLIX_LOBBY_EXECUTABLE, {"--list"})->readAllStandardOutput(); }
    // Asks again and again until the list is `expected`; the milliseconds
    // it took, or -1.
    qint64 listedWithin(const QString &expected, int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            if (list() == expected)
                return clock.elapsed();
        }
        return -1;
    }

    // Ann hosts on machine a, in this process, announcing on its network.
    void host(const QByteArray &settings = {})
    {
        enter('a');
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus('a').toLatin1());
        copy = std::make_unique<Copy>(QStringList{"Ann", "127.0.0.1", "true"}, "7772");
        if (!settings.isEmpty()) {
            QFile ini(copy->folder.filePath("orvellobby.ini"));
            ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
            ini.write("[Tavlix]\n" + settings);
        }
        copy->program->setLanPublisher(std::make_unique<LanPublisher>());
        copy->program->show();
    }
    QString chat() const { return copy->program->chatPane().mainchat()->toPlainText(); }

    // Stops machine `m`'s Avahi daemon, or starts it again as lan-party.sh
    // does, in a mount namespace of its own.
    void stopAvahi(char m)
    {
        ASSERT_TRUE(signalPidFile("/tmp/" + machine(m) + "-avahi.pid", SIGTERM));
        spinFor(500);
    }
    void startAvahi(char m)
    {
        start(m, "unshare", {"-m", "--propagation", "private", "sh", "-c",
                             "mkdir -p /run/avahi-daemon && mount -t tmpfs tmpfs /run/avahi-daemon && "
                             "exec avahi-daemon --no-drop-root --no-chroot "
                             "--no-rlimits -f /tmp/" + machine(m) + "-avahi.conf"});
    }

    QString prefix;
    int own = -1;
    std::unique_ptr<Copy> copy;
    QList<QProcess *> started;
};

} // namespace

TEST_F(LanParty, AHostedTableIsListedOnAnotherMachineAndFollowsTheGame)
{
    host();
    const qint64 appeared = listedWithin("Ann\t192.168.88.11\t1\twaiting\n", 10000);
    ASSERT_GE(appeared, 0) << list().toStdString();
    std::cout << "listed " << appeared << " ms after the start" << std::endl;
    const QString browsed = run('b', "avahi-browse", {"-rpt", "_tavlix._tcp"})->readAllStandardOutput();
    EXPECT_TRUE(browsed.contains(";Ann;_tavlix._tcp;local;")) << browsed.toStdString();
    for (const char *txt : {"\"version=1.0.0\"", "\"host=Ann\"", "\"players=1\"", "\"watchers=0\"", "\"free=8\"",
                            "\"state=waiting\"", "\"round=\"", "\"locked=0\""})
        EXPECT_TRUE(browsed.contains(txt)) << txt << " in " << browsed.toStdString();

    // Bo joins from machine c: a connection is nobody until it logs in.
    const int fd = connectFrom(machine('c'), "192.168.88.11", 7772);
    ASSERT_GE(fd, 0);
    QTcpSocket bo;
    ASSERT_TRUE(bo.setSocketDescriptor(fd));
    QByteArray received;
    QObject::connect(&bo, &QTcpSocket::readyRead, [&] { received += bo.readAll(); });
    ASSERT_TRUE(waitUntil([&] { return received.contains("CMD_sendlogininfo+2\xFF"); }));
    EXPECT_GE(listedWithin("Ann\t192.168.88.11\t1\twaiting\n", 3000), 0);
    bo.write("CMD_logininfo+2+1.0.0+Bo\xFF");
    EXPECT_GE(listedWithin("Ann\t192.168.88.11\t2\twaiting\n", 5000), 0) << list().toStdString();

    ASSERT_TRUE(startGame(*copy, 3));
    EXPECT_GE(listedWithin("Ann\t192.168.88.11\t2\tround 1 of 3\n", 5000), 0) << list().toStdString();
    copy->program->mainWindow().item("LockTable1")->trigger();
    EXPECT_GE(listedWithin("Ann\t192.168.88.11\t2\tround 1 of 3, locked\n", 5000), 0) << list().toStdString();

    // The host ends (File > Exit): the table leaves the other machines' lists.
    copy->program->mainWindow().item("Exit1")->trigger();
    const qint64 gone = listedWithin("", 10000);
    EXPECT_GE(gone, 0);
    EXPECT_LT(gone, 5000);
    std::cout << "gone from the list " << gone << " ms after Exit" << std::endl;
}

TEST_F(LanParty, ShowOnNetworkOffPublishesNothingAndSwitchesAtOnce)
{
    host("Announce=0\n");
    ASSERT_TRUE(waitUntil([this] { return chat().contains("You are Connected."); }));
    spinFor(2000);
    EXPECT_EQ(list(), "");
    QAction *item = copy->program->mainWindow().item("ShowOnNetwork1");
    EXPECT_FALSE(item->isChecked());

    item->trigger();
    EXPECT_GE(listedWithin("Ann\t192.168.88.11\t1\twaiting\n", 5000), 0);
    item->trigger();
    EXPECT_GE(listedWithin("", 5000), 0);
    QFile ini(copy->program->settingsPath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Announce=0"));
}

// The real executable, ended with SIGTERM as a logout or a kill ends it.
TEST_F(LanParty, TheRealProgramWithdrawsItsTableOnSigterm)
{
    QTemporaryDir folder;
    const QString exe = folder.filePath("tavlix");
    QFile::copy(QStringLiteral(TAVLIX_EXECUTABLE), exe);
    QProcess *game = start('a', "env", {"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + folder.path(), exe, "Ann Lee",
                                        "127.0.0.1", "true"});
    ASSERT_GE(listedWithin("Ann Lee\t192.168.88.11\t1\twaiting\n", 10000), 0)
        << list().toStdString() << childOutput(*game).constData();
    // `ip netns exec` and env hand on to the game itself.
    ASSERT_TRUE(signalChild(*game, SIGTERM)) << childOutput(*game).constData();
    const qint64 gone = listedWithin("", 10000);
    EXPECT_GE(gone, 0);
    EXPECT_LT(gone, 5000);
    ASSERT_TRUE(waitUntil([game] { return game->state() == QProcess::NotRunning; }));
    EXPECT_EQ(game->exitCode(), 0) << childOutput(*game).constData();
}

// What another machine announces is read as a stranger's: rows say what a
// sound table says, and anything unreadable is left out.
TEST_F(LanParty, RowsTellWaitingPlayingLockedAndFullTables)
{
    const QList<QStringList> tables = {
        {"-s", "Ann", "_tavlix._tcp", "7772", "players=1", "free=8", "state=waiting", "round=", "locked=0"},
        {"-s", "Bo", "_tavlix._tcp", "7772", "players=3", "free=6", "state=playing", "round=2/3", "locked=0"},
        {"-s", "Cy", "_tavlix._tcp", "7772", "players=2", "free=7", "state=waiting", "round=", "locked=1"},
        {"-s", "Di", "_tavlix._tcp", "7772", "players=6", "free=0", "state=playing", "round=1/5", "locked=1"},
        // Not sound, or not joinable from here.
        {"-s", "Ed\tEvil", "_tavlix._tcp", "7772", "players=-1", "state=waiting"},
        {"-s", "Fay", "_tavlix._tcp", "7772", "players=2", "state=dancing"},
        {"-s", "Gus", "_tavlix._tcp", "7773", "players=2", "state=waiting"},
        {"-s", "Hal\nX", "_tavlix._tcp", "7772", "players=2", "free=x", "state=playing", "round=9/2", "locked=yes"},
    };
    for (const QStringList &table : tables)
        start('a', "avahi-publish", table);
    const QString expected = "Ann\t192.168.88.11\t1\twaiting\n"
                             "Bo\t192.168.88.11\t3\tround 2 of 3\n"
                             "Cy\t192.168.88.11\t2\twaiting, locked\n"
                             "Di\t192.168.88.11\t6\tround 1 of 5, locked, full\n"
                             "Hal X\t192.168.88.11\t2\tplaying\n";
    EXPECT_GE(listedWithin(expected, 10000), 0) << list().toStdString();
}

TEST_F(LanParty, WithoutTheAvahiDaemonTheListSaysSoAndHostingStillWorks)
{
    stopAvahi('a');

    QProcess *lister = run('a', TAVLIX_LOBBY_EXECUTABLE, {"--list"});
    EXPECT_EQ(lister->exitCode(), 3);
    EXPECT_EQ(lister->readAllStandardError(), "Finding games on your network needs the Avahi service (avahi-daemon), "
                                              "which is not running here.\n");
    EXPECT_EQ(lister->readAllStandardOutput(), "");

    host();
    EXPECT_TRUE(waitUntil([this] { return chat().contains("Your game is not shown to launchers on your network"); }));
    EXPECT_TRUE(chat().contains("You are Connected."));
    EXPECT_TRUE(chat().contains("Players on your network can join you at 192.168.88.11.")) << chat().toStdString();
}

TEST_F(LanParty, TheTableReturnsWhenTheDaemonRestarts)
{
    host();
    ASSERT_GE(listedWithin("Ann\t192.168.88.11\t1\twaiting\n", 10000), 0);
    stopAvahi('a');
    EXPECT_GE(listedWithin("", 5000), 0);
    EXPECT_TRUE(waitUntil([this] { return chat().contains("Your game is not shown to launchers on your network"); }));

    startAvahi('a');
    EXPECT_GE(listedWithin("Ann\t192.168.88.11\t1\twaiting\n", 10000), 0) << list().toStdString();
}
