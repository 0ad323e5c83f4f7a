// Raw clients against a host, for the benchmarks and the soak. Either starts
// its own host (--host EXE, with --host-arg for each of its arguments; the
// host prints "port N") or joins one already listening (--port N).
//
//   tavlix_benchclients latency --samples N
//       seats 1 and 2 play each other; every CMD_placetile until its
//       CMD_heplace arrives.
//   tavlix_benchclients relay --clients 8 --rates 50,80,... --step-seconds S
//       chat lines spread over the clients at each offered rate: what each
//       client receives, how late, and the host's longest queue.
//   tavlix_benchclients games --clients K --games N --rounds R [--every M]
//                              [--computer] [--max-seconds S]
//       K clients play N games as fast as the host allows (with --computer
//       the host's computer player plays seat 2 beside them); the host's
//       RSS, whether it stays alive and every message outside the catalogue.
//   tavlix_benchclients idle --clients K --seconds S
//       K clients log in and sit still.
//   tavlix_benchclients flood --connects N --seconds S
//       a stranger at 127.0.0.2 opens N connections spread over S seconds
//       while a seated player at 127.0.0.1 times the host's answers every
//       100 ms and, halfway, a player at 127.0.0.3 joins: how the host
//       treats the stranger, the seated player's answer times during the
//       flood, and how long the newcomer takes to log in.
//   tavlix_benchclients probe --seconds S
//       strangers at 127.0.0.2 to 127.0.0.5 each open 19 connections a
//       minute (under the limit of 20); each sends a login for no seat and
//       255 one-byte lines behind it, then closes; a seated player at
//       127.0.0.1 times the echo of its chat every 600 ms.
//   tavlix_benchclients rotation --seconds S
//       strangers at 12 addresses (127.0.0.20 to 127.0.0.31) each replace
//       their connection every 1.9 s while a player sits at 127.0.0.3;
//       halfway a newcomer at 127.0.0.4 joins.
#include "eventwait.h"
#include "protocol.h"
#include "rawclient.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The host under measurement: started here, or only its port.
class Host
{
public:
    bool start(const QString &exe, const QStringList &args)
    {
        m_process = std::make_unique<QProcess>();
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(m_process.get(), &QProcess::readyReadStandardOutput, [this] { readOutput(); });
        m_process->start(exe, args);
        return waitUntil([this] { return m_port != 0 || m_process->state() == QProcess::NotRunning; }, 10000)
               && m_port != 0;
    }
    void setPort(quint16 port) { m_port = port; }
    quint16 port() const { return m_port; }
    quint16 echoPort() const { return m_echoPort; }
    bool alive() const { return !m_process || m_process->state() == QProcess::Running; }
    // Resident memory of the started host, in KiB (0 when not known).
    qint64 rssKiB() const
    {
        if (!m_process)
            return 0;
        QFile status(QStringLiteral("/proc/%1/status").arg(m_process->processId()));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toLongLong();
        }
        return 0;
    }
    // The longest queue the host reported since the last call.
    std::size_t takeLongestQueue()
    {
        const std::size_t longest = m_longestQueue;
        m_longestQueue = 0;
        return longest;
    }
    void stop()
    {
        if (m_process && m_process->state() == QProcess::Running) {
            m_process->terminate();
            if (!m_process->waitForFinished(3000))
                m_process->kill();
            m_process->waitForFinished(1000);
        }
    }

private:
    void readOutput()
    {
        while (m_process->canReadLine()) {
            const QByteArray line = m_process->readLine().trimmed();
            if (line.startsWith("port "))
                m_port = quint16(line.mid(5).toUInt());
            else if (line.startsWith("echo "))
                m_echoPort = quint16(line.mid(5).toUInt());
            else if (line.startsWith("queue "))
                m_longestQueue = std::max<std::size_t>(m_longestQueue, line.mid(6).toULongLong());
        }
    }

    std::unique_ptr<QProcess> m_process;
    quint16 m_port = 0;
    quint16 m_echoPort = 0;
    std::size_t m_longestQueue = 0;
};

using Clients = std::vector<std::unique_ptr<RawClient>>;

bool joinAll(Clients &clients, int count, quint16 port)
{
    for (int i = 0; i < count; ++i) {
        clients.push_back(std::make_unique<RawClient>("Bench" + QByteArray::number(i + 1)));
        clients.back()->connectTo(port);
        // One at a time, so the seat numbers follow the order of joining.
        if (!waitUntil([&] { return clients.back()->loggedIn(); }, 5000))
            return false;
    }
    return true;
}

int strays(const Clients &clients)
{
    int n = 0;
    for (const auto &c : clients) {
        if (c->strays() && n == 0)
            std::fprintf(stderr, "outside the catalogue: %s\n", c->firstStray().constData());
        n += c->strays();
    }
    return n;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t index = std::min(values.size() - 1, std::size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

// Every client places its best tile as soon as the host gives it the turn;
// seat 1 starts a new game when one ends, until `games` have ended.
// `placed(seat, sentNs)` and `heplace(seat, arrivedNs)` see each move.
struct Play
{
    int gamesEnded = 0;
    int games = 0;
    QByteArray rounds = "1";
    std::function<void(int)> onGameEnd;
    std::function<void(int seat, qint64 sentNs)> onPlace;
    std::function<void(int seat, qint64 arrivedNs)> onHeplace;

    void attach(Clients &clients)
    {
        for (auto &owned : clients) {
            RawClient *client = owned.get();
            client->onMessage = [this, client](const QByteArray &name, const QByteArray &body, qint64 arrived) {
                if (name == "CMD_nextplayer" && wire::parseNumber(body.left(body.indexOf('+'))) == client->seat()) {
                    const QByteArray move = client->bestPlacement();
                    if (move.isEmpty())
                        return;
                    if (onPlace)
                        onPlace(client->seat(), RawClient::nowNs());
                    client->send(move);
                } else if (name == "CMD_heplace" && onHeplace
                           && wire::parseNumber(body.left(body.indexOf('+'))) == client->seat()) {
                    onHeplace(client->seat(), arrived);
                } else if (name == "CMD_winner" && client->seat() == 1) {
                    ++gamesEnded;
                    if (onGameEnd)
                        onGameEnd(gamesEnded);
                    if (gamesEnded < games)
                        startGame(*client);
                }
            };
        }
    }
    void startGame(RawClient &seatOne) { seatOne.send(wire::client::startgame("Bench1", rounds)); }
};

void printTimes(const char *what, const std::vector<double> &ms)
{
    std::printf("| %s | %zu | %.2f | %.2f | %.2f | %.2f |\n", what, ms.size(), percentile(ms, 0.5), percentile(ms, 0.9),
                percentile(ms, 0.99), percentile(ms, 1.0));
}

int latency(Host &host, int samples)
{
    Clients clients;
    if (!joinAll(clients, 2, host.port()))
        return 1;
    // The loopback round trip of one byte to the host process's echo port,
    // after every placement: what this machine allows at that moment.
    QTcpSocket echo;
    echo.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    qint64 echoSent = 0;
    std::vector<double> echoMs;
    if (host.echoPort()) {
        echo.connectToHost(QStringLiteral("127.0.0.1"), host.echoPort());
        echo.waitForConnected(5000);
        QObject::connect(&echo, &QTcpSocket::readyRead, [&] {
            echo.readAll();
            echoMs.push_back(double(RawClient::nowNs() - echoSent) / 1e6);
        });
    }
    std::vector<double> ms;
    qint64 sent[7] = {};
    Play play;
    play.games = 1 << 30;
    play.rounds = "10";
    play.onPlace = [&](int seat, qint64 ns) { sent[seat] = ns; };
    play.onHeplace = [&](int seat, qint64 ns) {
        if (sent[seat] != 0)
            ms.push_back(double(ns - sent[seat]) / 1e6);
        sent[seat] = 0;
        if (echo.state() == QAbstractSocket::ConnectedState) {
            echoSent = RawClient::nowNs();
            echo.write("x");
            echo.flush();
        }
    };
    play.attach(clients);
    play.startGame(*clients[0]);
    const bool done = waitUntil([&] { return int(ms.size()) >= samples || !host.alive(); }, 600000);
    std::printf("| measured | samples | median ms | p90 ms | p99 ms | max ms |\n|---|---|---|---|---|---|\n");
    printTimes("CMD_placetile until its CMD_heplace (goal: median < 5, p99 < 25)", ms);
    if (!echoMs.empty())
        printTimes("one byte to the host process's echo port and back", echoMs);
    if (strays(clients))
        std::printf("messages outside the catalogue: %d\n", strays(clients));
    return done ? 0 : 1;
}

int relay(Host &host, int count, const QList<int> &rates, int stepSeconds)
{
    Clients clients;
    if (!joinAll(clients, count, host.port()))
        return 1;
    // Every relayed line carries its number and the time it was sent.
    std::vector<std::vector<double>> lateness(clients.size());
    std::vector<qint64> arrived(clients.size());
    for (std::size_t i = 0; i < clients.size(); ++i) {
        clients[i]->onMessage = [&, i](const QByteArray &name, const QByteArray &body, qint64 at) {
            if (name != "CMD_chat")
                return;
            const qsizetype mark = body.indexOf(" chats: t");
            if (mark < 0)
                return;
            const QByteArray stamp = body.mid(mark + 9, body.indexOf('|') - mark - 9);
            lateness[i].push_back(double(at - stamp.toLongLong()) / 1e6);
            ++arrived[i];
        };
    }
    std::printf("| offered lines/s | relayed lines/s to each of %d (slowest) | longest queue, last second | "
                "median delay ms | p99 delay ms |\n|---|---|---|---|---|\n",
                count);
    for (int rate : rates) {
        for (auto &l : lateness)
            l.clear();
        std::fill(arrived.begin(), arrived.end(), 0);
        QElapsedTimer clock;
        clock.start();
        qint64 sentLines = 0;
        bool lastSecond = false;
        QTimer pace;
        pace.setTimerType(Qt::PreciseTimer);
        pace.setInterval(1);
        QObject::connect(&pace, &QTimer::timeout, [&] {
            const qint64 due = clock.elapsed() * rate / 1000;
            for (; sentLines < due; ++sentLines) {
                RawClient &from = *clients[std::size_t(sentLines) % clients.size()];
                from.send(wire::client::chat(from.seat(), "t" + QByteArray::number(RawClient::nowNs()), "clBlack"));
            }
        });
        host.takeLongestQueue();
        pace.start();
        waitUntil([&] {
            if (!lastSecond && clock.elapsed() >= (stepSeconds - 1) * 1000) {
                host.takeLongestQueue();
                lastSecond = true;
            }
            return clock.elapsed() >= stepSeconds * 1000;
        }, stepSeconds * 1000 + 1000);
        pace.stop();
        const std::size_t longestLate = host.takeLongestQueue();
        const double seconds = clock.elapsed() / 1000.0;
        const qint64 slowest = *std::min_element(arrived.begin(), arrived.end());
        std::vector<double> all;
        for (const auto &l : lateness)
            all.insert(all.end(), l.begin(), l.end());
        std::printf("| %d | %.1f | %zu | %.1f | %.1f |\n", rate, double(slowest) / seconds, longestLate,
                    percentile(all, 0.5), percentile(all, 0.99));
        std::fflush(stdout);
        // Lets the queue drain before the next rate: nothing arrives for a
        // second.
        qint64 total = -1;
        waitUntil([&] {
            qint64 now = 0;
            for (qint64 a : arrived)
                now += a;
            const bool still = now == total;
            total = now;
            if (still)
                return true;
            waitUntil([] { return false; }, 1000);
            return false;
        }, 60000);
    }
    if (strays(clients))
        std::printf("messages outside the catalogue: %d\n", strays(clients));
    return 0;
}

int games(Host &host, int count, int gameCount, const QByteArray &rounds, int every, bool computer, int maxSeconds)
{
    const qint64 rssStart = host.rssKiB();
    Clients clients;
    if (!joinAll(clients, count + (computer ? 1 : 0), host.port()))
        return 1;
    if (computer) {
        // Seat 2 always plays: left empty, the host's computer player plays it.
        clients.erase(clients.begin() + 1);
        waitUntil([] { return false; }, 300);
    }
    QElapsedTimer clock;
    clock.start();
    std::printf("| games played | host RSS KiB | growth since start KiB | seconds |\n|---|---|---|---|\n");
    std::printf("| 0 (just started) | %lld | 0 | 0 |\n", rssStart);
    std::printf("| 0 (%d clients in%s) | %lld | %lld | %.1f |\n", count, computer ? ", computer in seat 2" : "", host.rssKiB(), host.rssKiB() - rssStart,
                clock.elapsed() / 1000.0);
    qint64 rssFirst = 0;
    Play play;
    play.games = gameCount;
    play.rounds = rounds;
    play.onGameEnd = [&](int ended) {
        if (ended == 1)
            rssFirst = host.rssKiB();
        if (ended == 1 || ended % every == 0 || ended == gameCount) {
            const qint64 rss = host.rssKiB();
            std::printf("| %d | %lld | %lld | %.1f |\n", ended, rss, rss - rssStart, clock.elapsed() / 1000.0);
            std::fflush(stdout);
        }
    };
    play.attach(clients);
    play.startGame(*clients[0]);
    const bool finished = waitUntil([&] { return play.gamesEnded >= gameCount || !host.alive(); }, maxSeconds * 1000);
    // A moment for the last messages, then the checks.
    waitUntil([] { return false; }, 500);
    const qint64 rssEnd = host.rssKiB();
    int received = 0;
    for (const auto &c : clients)
        received += int(c->received());
    bool connected = true;
    for (const auto &c : clients)
        connected = connected && c->connected();
    const int outside = strays(clients);
    std::printf("\ngames: %d of %d in %.1f s; host alive: %s; clients still connected: %s\n", play.gamesEnded,
                gameCount, clock.elapsed() / 1000.0, host.alive() ? "yes" : "NO", connected ? "yes" : "NO");
    std::printf("host RSS: %lld KiB at start, %lld KiB after game 1, %lld KiB at the end: %+lld KiB since start, "
                "%+lld KiB since game 1 (limit 2048)\n",
                rssStart, rssFirst, rssEnd, rssEnd - rssStart, rssEnd - rssFirst);
    std::printf("messages received by the clients: %d, outside the catalogue: %d\n", received, outside);
    const bool ok = finished && host.alive() && connected && outside == 0 && rssEnd - rssStart <= 2048;
    std::printf("result: %s\n", ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}

int idle(Host &host, int count, int seconds)
{
    Clients clients;
    if (!joinAll(clients, count, host.port())) {
        std::fprintf(stderr, "could not log in %d clients\n", count);
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    waitUntil([] { return false; }, seconds * 1000);
    bool connected = true;
    for (const auto &c : clients)
        connected = connected && c->connected();
    return connected ? 0 : 1;
}

int flood(Host &host, int connects, int seconds)
{
    Clients clients;
    if (!joinAll(clients, 1, host.port()))
        return 1;
    RawClient &seated = *clients.front();
    // An echo that no relay limit counts: sitting in, answered to all.
    const QByteArray ask = "CMD_justwatch+1+2\xFF";
    qint64 asked = 0;
    std::vector<double> echoMs;
    seated.onMessage = [&](const QByteArray &name, const QByteArray &body, qint64 arrived) {
        if (name == "CMD_justwatching" && body == "1+2" && asked != 0) {
            echoMs.push_back(double(arrived - asked) / 1e6);
            asked = 0;
        }
    };
    QTimer pinger;
    pinger.setInterval(100);
    QObject::connect(&pinger, &QTimer::timeout, [&] {
        if (asked == 0) {
            asked = RawClient::nowNs();
            seated.send(ask);
        }
    });

    // The stranger's connections, and what each heard before it ended.
    struct Stranger
    {
        QTcpSocket socket;
        QByteArray heard;
    };
    std::vector<std::unique_ptr<Stranger>> strangers;
    QTimer opener;
    opener.setInterval(std::max(1, seconds * 1000 / std::max(1, connects)));
    QObject::connect(&opener, &QTimer::timeout, [&] {
        if (int(strangers.size()) >= connects)
            return opener.stop();
        strangers.push_back(std::make_unique<Stranger>());
        Stranger *stranger = strangers.back().get();
        QObject::connect(&stranger->socket, &QTcpSocket::readyRead, [stranger] { stranger->heard += stranger->socket.readAll(); });
        stranger->socket.bind(QHostAddress(QStringLiteral("127.0.0.2")));
        stranger->socket.connectToHost(QStringLiteral("127.0.0.1"), host.port());
    });

    QElapsedTimer clock;
    clock.start();
    pinger.start();
    opener.start();
    waitUntil([&] { return clock.elapsed() >= seconds * 500; }, seconds * 1000);
    RawClient newcomer("Newcomer");
    const qint64 joinStart = RawClient::nowNs();
    newcomer.connectTo(host.port(), QStringLiteral("127.0.0.3"));
    const bool joined = waitUntil([&] { return newcomer.loggedIn(); }, 5000);
    const double joinMs = double(RawClient::nowNs() - joinStart) / 1e6;
    waitUntil([&] { return !opener.isActive(); }, seconds * 1000 + 5000);
    pinger.stop();
    // The strangers that got a place are closed at the login deadline.
    waitUntil([&] {
        return std::all_of(strangers.cbegin(), strangers.cend(),
                           [](const auto &s) { return s->socket.state() == QAbstractSocket::UnconnectedState; });
    }, 20000);

    int greeted = 0, full = 0, silent = 0, open = 0;
    for (const auto &s : strangers) {
        if (s->socket.state() != QAbstractSocket::UnconnectedState)
            ++open;
        else if (s->heard.startsWith("CMD_sendlogininfo+"))
            ++greeted;
        else if (s->heard.startsWith("CMD_full+"))
            ++full;
        else
            ++silent;
    }
    std::printf("| measure | figure | goal |\n|---|---|---|\n");
    std::printf("| the stranger's %zu connections (127.0.0.2, over %d s) | %d given a place and closed at the login deadline, "
                "%d answered CMD_full+, %d closed without a word, %d still open | no place beyond 2 |\n",
                strangers.size(), seconds, greeted, full, silent, open);
    std::printf("| seated player's answer during the flood (%zu, every 100 ms) | median %.2f ms, p99 %.2f ms, longest %.2f ms "
                "| under 250 ms |\n",
                echoMs.size(), percentile(echoMs, 0.5), percentile(echoMs, 0.99), percentile(echoMs, 1.0));
    std::printf("| a player at 127.0.0.3 joins halfway, connect to logged in | %s | within 1 s |\n",
                joined ? qPrintable(QStringLiteral("%1 ms").arg(joinMs, 0, 'f', 1)) : "did not log in");
    std::printf("| host alive after the flood | %s | yes |\n", host.alive() && seated.connected() ? "yes" : "no");
    return joined && host.alive() && open == 0 ? 0 : 1;
}

// Strangers at `addresses` that each open a connection every `everyMs`
// (staggered), send `bytes` on connecting and close after `holdMs` (or when
// the host closes them). Counts what each heard first.
class Strangers
{
public:
    Strangers(quint16 port, const QStringList &addresses, int everyMs, int holdMs, QByteArray bytes)
        : m_port(port), m_bytes(std::move(bytes)), m_holdMs(holdMs)
    {
        for (int i = 0; i < addresses.size(); ++i) {
            auto *timer = new QTimer(&m_owner);
            timer->setInterval(everyMs);
            const QString address = addresses.at(i);
            QObject::connect(timer, &QTimer::timeout, [this, address] { open(address); });
            QTimer::singleShot(everyMs * i / int(addresses.size()), timer, [this, timer, address] {
                open(address);
                timer->start();
            });
        }
    }
    void stop() { qDeleteAll(m_owner.findChildren<QTimer *>(Qt::FindDirectChildrenOnly)); }
    int opened = 0, greeted = 0, full = 0, silent = 0;

private:
    void open(const QString &address)
    {
        auto *socket = new QTcpSocket(&m_owner);
        ++opened;
        auto heard = std::make_shared<bool>(false);
        QObject::connect(socket, &QTcpSocket::readyRead, [this, socket, heard] {
            const QByteArray bytes = socket->readAll();
            if (!*heard && !bytes.isEmpty()) {
                *heard = true;
                (bytes.startsWith("CMD_sendlogininfo+") ? greeted : full) += 1;
            }
        });
        QObject::connect(socket, &QTcpSocket::connected, [this, socket] {
            if (!m_bytes.isEmpty())
                socket->write(m_bytes);
        });
        QObject::connect(socket, &QTcpSocket::disconnected, [this, socket, heard] {
            if (!*heard) {
                *heard = true;
                ++silent;
            }
            socket->deleteLater();
        });
        QTimer::singleShot(m_holdMs, socket, [socket] { socket->abort(); });
        socket->bind(QHostAddress(address));
        socket->connectToHost(QStringLiteral("127.0.0.1"), m_port);
    }

    QObject m_owner;
    quint16 m_port;
    QByteArray m_bytes;
    int m_holdMs;
};

// A seated player at 127.0.0.1 who sends a chat line every `everyMs` and
// times its echo.
struct ChatEcho
{
    ChatEcho(RawClient &seated, int everyMs) : seated(seated)
    {
        seated.onMessage = [this](const QByteArray &name, const QByteArray &body, qint64 arrived) {
            if (name == "CMD_chat" && body.contains(" chats: echo|") && asked != 0) {
                ms.push_back(double(arrived - asked) / 1e6);
                asked = 0;
            }
        };
        timer.setInterval(everyMs);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            asked = RawClient::nowNs();
            this->seated.send("CMD_chat+" + QByteArray::number(this->seated.seat()) + "+echo|clBlack\xFF");
        });
        timer.start();
    }
    void print(const char *during) const
    {
        std::printf("| seated player's chat echo during %s (%zu, every %d ms) | median %.2f ms, p95 %.2f ms, longest "
                    "%.2f ms | p95 under 250 ms |\n",
                    during, ms.size(), timer.interval(), percentile(ms, 0.5), percentile(ms, 0.95), percentile(ms, 1.0));
    }
    RawClient &seated;
    QTimer timer;
    qint64 asked = 0;
    std::vector<double> ms;
};

int probe(Host &host, int seconds)
{
    Clients clients;
    if (!joinAll(clients, 1, host.port()))
        return 1;
    ChatEcho echo(*clients.front(), 600);
    QByteArray bytes = "CMD_logininfo+0+1.0.0+\xFF";
    for (int i = 0; i < 255; ++i)
        bytes += "x\xFF";
    // 19 a minute from each address; each connection is let go after 2 s
    // unless the host closes it first.
    Strangers strangers(host.port(), {"127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5"}, 60000 / 19, 2000, bytes);
    waitUntil([] { return false; }, seconds * 1000);
    strangers.stop();
    echo.timer.stop();
    std::printf("| measure | figure | goal |\n|---|---|---|\n");
    std::printf("| strangers' connections (4 addresses, 19 a minute each, over %d s) | %d opened: %d given a place, %d "
                "answered CMD_full+, %d closed without a word | |\n",
                seconds, strangers.opened, strangers.greeted, strangers.full, strangers.silent);
    echo.print("the probe");
    std::printf("| host alive | %s | yes |\n", host.alive() && clients.front()->connected() ? "yes" : "no");
    return host.alive() && percentile(echo.ms, 0.95) < 250 ? 0 : 1;
}

int rotation(Host &host, int seconds)
{
    Clients clients;
    if (!joinAll(clients, 1, host.port()))
        return 1;
    RawClient seated("Seated");
    seated.connectTo(host.port(), QStringLiteral("127.0.0.3"));
    if (!waitUntil([&] { return seated.loggedIn(); }, 5000))
        return 1;
    QStringList addresses;
    for (int i = 20; i < 32; ++i)
        addresses << QStringLiteral("127.0.0.%1").arg(i);
    Strangers strangers(host.port(), addresses, 1900, 1900, {});
    QElapsedTimer clock;
    clock.start();
    waitUntil([&] { return clock.elapsed() >= seconds * 500; }, seconds * 1000);
    RawClient newcomer("Newcomer");
    const qint64 joinStart = RawClient::nowNs();
    newcomer.connectTo(host.port(), QStringLiteral("127.0.0.4"));
    const bool joined = waitUntil([&] { return newcomer.loggedIn(); }, 5000);
    const double joinMs = double(RawClient::nowNs() - joinStart) / 1e6;
    waitUntil([&] { return clock.elapsed() >= seconds * 1000; }, seconds * 1000);
    strangers.stop();
    std::printf("| measure | figure | goal |\n|---|---|---|\n");
    std::printf("| strangers' connections (12 addresses, each replaced every 1.9 s, over %d s) | %d opened: %d given a "
                "place, %d answered CMD_full+, %d closed without a word | |\n",
                seconds, strangers.opened, strangers.greeted, strangers.full, strangers.silent);
    std::printf("| a player at 127.0.0.4 joins halfway, connect to logged in | %s | within 1 s |\n",
                joined ? qPrintable(QStringLiteral("%1 ms").arg(joinMs, 0, 'f', 1)) : "did not log in");
    return joined && host.alive() ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument("mode", "latency, relay, games, idle, flood, probe or rotation");
    const QCommandLineOption hostOption("host", "start this host program", "EXE");
    const QCommandLineOption hostArgOption("host-arg", "an argument for the host program", "ARG");
    const QCommandLineOption portOption("port", "join the host listening on this port", "N");
    const QCommandLineOption clientsOption("clients", "raw clients", "K", "8");
    const QCommandLineOption samplesOption("samples", "placements to time", "N", "500");
    const QCommandLineOption ratesOption("rates", "offered chat lines per second", "LIST", "50,80,90,100,110,150");
    const QCommandLineOption stepOption("step-seconds", "seconds per offered rate", "S", "4");
    const QCommandLineOption gamesOption("games", "games to play", "N", "50");
    const QCommandLineOption roundsOption("rounds", "rounds per game", "R", "1");
    const QCommandLineOption everyOption("every", "report the host's RSS every M games", "M", "10");
    const QCommandLineOption secondsOption("seconds", "seconds to sit still", "S", "20");
    const QCommandLineOption computerOption("computer", "games: seat 2 left to the computer, clients in 1, 3, 4, ...");
    const QCommandLineOption maxSecondsOption("max-seconds", "games: give up after this long", "S", "1800");
    const QCommandLineOption connectsOption("connects", "flood: the stranger's connections", "N", "1000");
    parser.addOptions({hostOption, hostArgOption, portOption, clientsOption, samplesOption, ratesOption, stepOption,
                       gamesOption, roundsOption, everyOption, secondsOption, computerOption, maxSecondsOption,
                       connectsOption});
    parser.addHelpOption();
    parser.process(app);
    const QString mode = parser.positionalArguments().value(0);

    Host host;
    if (parser.isSet(hostOption)) {
        if (!host.start(parser.value(hostOption), parser.values(hostArgOption))) {
            std::fprintf(stderr, "the host did not start\n");
            return 1;
        }
    } else {
        host.setPort(quint16(parser.value(portOption).toUInt()));
    }

    int result = 2;
    if (mode == "latency") {
        result = latency(host, parser.value(samplesOption).toInt());
    } else if (mode == "relay") {
        QList<int> rates;
        for (const QString &r : parser.value(ratesOption).split(','))
            rates.append(r.toInt());
        result = relay(host, parser.value(clientsOption).toInt(), rates, parser.value(stepOption).toInt());
    } else if (mode == "games") {
        result = games(host, parser.value(clientsOption).toInt(), parser.value(gamesOption).toInt(),
                       parser.value(roundsOption).toUtf8(), std::max(1, parser.value(everyOption).toInt()),
                       parser.isSet(computerOption), parser.value(maxSecondsOption).toInt());
    } else if (mode == "idle") {
        result = idle(host, parser.value(clientsOption).toInt(), parser.value(secondsOption).toInt());
    } else if (mode == "flood") {
        result = flood(host, parser.value(connectsOption).toInt(), parser.value(secondsOption).toInt());
    } else if (mode == "probe") {
        result = probe(host, parser.value(secondsOption).toInt());
    } else if (mode == "rotation") {
        result = rotation(host, parser.value(secondsOption).toInt());
    } else {
        parser.showHelp(2);
    }
    host.stop();
    return result;
}
