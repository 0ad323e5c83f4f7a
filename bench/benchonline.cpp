// Playing through the meeting service in netlab's closed homes (needs
// root): how long a joiner takes from his start to his seat, and what the
// relay adds to a line's way, against a direct connection in the host's
// home.
//
//   tavlix_benchonline PREFIX join GAME     one join: prints its milliseconds
//   tavlix_benchonline PREFIX latency      the round trips, as table rows
//
// PREFIX: the homes of closed-homes.sh, with orvellobbyd listening on
// 203.0.113.10:7773 in PREFIX-s. GAME: the tavlix executable. The hosting
// copy (Ann) runs in this process, its thread in home A; the joiner is the
// real program, started in home B with Ann's invite code.

#include "desktop.h"
#include "lobbyregistration.h"
#include "program.h"
#include "protocol.h"
#include "randomsource.h"
#include "seattable.h"
#include "tserver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

bool enter(const QString &ns)
{
    const int fd = ::open(("/run/netns/" + ns).toLatin1().constData(), O_RDONLY | O_CLOEXEC);
    const bool entered = fd >= 0 && ::setns(fd, CLONE_NEWNET) == 0;
    if (fd >= 0)
        ::close(fd);
    return entered;
}

double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(q * double(values.size())))];
}

// A raw player logged in as `name`, made in namespace `ns` and connected
// to address:port; with `code`, it asks the service for the relay first.
struct RawPlayer
{
    QTcpSocket socket;
    QByteArray received;

    bool join(const QString &ns, const QString &address, quint16 port, const QByteArray &code, const QByteArray &name)
    {
        const int own = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
        enter(ns);
        socket.connectToHost(address, port);
        ::setns(own, CLONE_NEWNET);
        ::close(own);
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { received += socket.readAll(); });
        if (!waitFor([this] { return socket.state() == QAbstractSocket::ConnectedState; }, 5000))
            return false;
        if (!code.isEmpty()) {
            socket.write("JOIN code=" + code + " relay=1\n");
            if (!waitFor([this] { return received.startsWith("RELAYED\n"); }, 5000))
                return false;
            received.remove(0, 8);
        }
        if (!waitFor([this] { return received.contains("CMD_sendlogininfo+"); }, 5000))
            return false;
        const int at = received.indexOf("CMD_sendlogininfo+") + 18;
        const int seat = received.mid(at, received.indexOf('\xFF', at) - at).toInt();
        socket.write(wire::client::logininfo(seat, wire::ProgramVersion, name));
        return waitFor([this, name] { return received.contains("+" + name + "+0\xFF"); }, 5000)
               && (received.clear(), mySeat = seat, true);
    }

    // Milliseconds from a request sent until the host's answer to all comes
    // back: "play again", which the host tells everyone at any time (chat
    // lines would meet the relay's allowance of two a second).
    double echoMs()
    {
        const QByteArray answer = "CMD_justwatching+" + QByteArray::number(mySeat) + "+2\xFF";
        received.clear();
        QElapsedTimer clock;
        clock.start();
        socket.write(wire::client::justwatch(mySeat, 2));
        if (!waitFor([&] { return received.contains(answer); }, 5000))
            return -1;
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        received.clear();
        return ms;
    }

    int mySeat = 0;
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool join = argc == 4 && qstrcmp(argv[2], "join") == 0;
    if (!join && !(argc == 3 && qstrcmp(argv[2], "latency") == 0)) {
        std::fprintf(stderr, "usage: tavlix_benchonline PREFIX join GAME | PREFIX latency\n");
        return 2;
    }
    const QString prefix = QString::fromLocal8Bit(argv[1]);
    if (!enter(prefix + "-a")) {
        std::fprintf(stderr, "no home A (%s-a)\n", argv[1]);
        return 2;
    }

    QTemporaryDir annFolder;
    QFile ini(annFolder.filePath("orvellobby.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write("[Tavlix]\nHelp=2\nLobbyserver=203.0.113.10:7773\n");
    ini.close();
    SystemDesktop desktop;
    RandomSource random;
    TavlixProgram ann(desktop, random, {"Ann", "127.0.0.1", "true"}, annFolder.path());
    ann.enableOnline();
    ann.show();
    if (!waitFor([&] { return ann.lobbyRegistration() && !ann.lobbyRegistration()->code().isEmpty(); }, 10000)) {
        std::fprintf(stderr, "Ann got no invite code\n");
        return 1;
    }
    const QString code = ann.lobbyRegistration()->code();
    const SeatTable &seats = ann.server().seats();

    // The joiner: the real program from its start to his name in Ann's seats.
    if (join) {
        const QString game = QString::fromLocal8Bit(argv[3]);
        QTemporaryDir boFolder;
        ::chmod(QFile::encodeName(boFolder.path()).constData(), 0700);
        const QString exe = boFolder.filePath("tavlix");
        QFile::copy(game, exe);
        QFile boIni(boFolder.filePath("orvellobby.ini"));
        boIni.open(QIODevice::WriteOnly);
        boIni.write("[Tavlix]\nHelp=2\nLobbyserver=lobby.test:7773\n");
        boIni.close();
        QProcess bo;
        QElapsedTimer clock;
        clock.start();
        bo.start("ip", {"netns", "exec", prefix + "-b", "env", "QT_QPA_PLATFORM=offscreen",
                        "XDG_RUNTIME_DIR=" + boFolder.path(), exe, "Bo", code, "false"});
        const bool seated = waitFor([&] { return seats[2].name == "Bo"; }, 10000);
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        bo.terminate();
        bo.waitForFinished(5000);
        if (!seated)
            return 1;
        std::printf("%.0f\n", ms);
        return 0;
    }

    // A line's round trip: a player in Ann's home connects to her directly,
    // one in Bo's home through the relay.
    RawPlayer direct, relayed;
    if (!direct.join(prefix + "-a", "192.168.10.2", 7772, {}, "Dee")
        || !relayed.join(prefix + "-b", "203.0.113.10", 7773, code.toLatin1(), "Rey")) {
        std::fprintf(stderr, "the raw players could not log in\n");
        return 1;
    }
    std::vector<double> directMs, relayedMs;
    for (int i = 0; i < 200; ++i) {
        directMs.push_back(direct.echoMs());
        relayedMs.push_back(relayed.echoMs());
        QThread::msleep(5);
    }

    std::printf("| a request's round trip, direct in Ann's home | %.2f ms | %.2f ms | |\n", quantile(directMs, 0.5),
                quantile(directMs, 0.95));
    std::printf("| a request's round trip, relayed from Bo's home | %.2f ms | %.2f ms | |\n", quantile(relayedMs, 0.5),
                quantile(relayedMs, 0.95));
    std::printf("| what the relay adds to one way (half the difference of the round trips) | %.2f ms | %.2f ms | at most 20 ms |\n",
                (quantile(relayedMs, 0.5) - quantile(directMs, 0.5)) / 2,
                (quantile(relayedMs, 0.95) - quantile(directMs, 0.95)) / 2);
    return 0;
}
