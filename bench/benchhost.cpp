// The program's host side (TServer, the same library the game links) on a
// loopback port, without any window: the hosting copy of the benchmarks and
// the soak, where raw clients take every seat, seat 1 included.
//
//   tavlix_benchhost [--port N] [--fast] [--pause-ms N] [--free-relay]
//                    [--queue-report] [--echo]
//
// Prints "port N" once listening. --fast takes the designed pauses out: the
// pauses of timer1 (after a placement, a seat without a move, between
// rounds) and the computer's thinking time are run through by calling the
// host's own tick handlers, at once or --pause-ms later, so games go as fast
// as the receive queue's 10 ms tick allows. --echo also listens on a port
// that echoes every byte (printed as "echo N"): the loopback round trip of
// this machine at this moment, to compare the host's answers with. --free-relay gives the relay limits a clock
// that races ahead, so every chat line is relayed (the raw capacity of the
// queue). --queue-report prints the longest queue seen every 250 ms.
#include "randomsource.h"
#include "tserver.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption portOption("port", "listening port (0: any free one)", "N", "0");
    const QCommandLineOption fastOption("fast", "run the designed pauses through at once");
    const QCommandLineOption freeRelayOption("free-relay", "no relay limits");
    const QCommandLineOption queueOption("queue-report", "print the longest queue every 250 ms");
    const QCommandLineOption pauseOption("pause-ms", "with --fast: what is left of each pause", "N", "0");
    const QCommandLineOption echoOption("echo", "also listen on an echo port");
    parser.addOptions({portOption, fastOption, freeRelayOption, queueOption, pauseOption, echoOption});
    parser.addHelpOption();
    parser.process(app);

    RandomSource random;
    random.randomize();
    TServer server(random);
    server.setPortName(parser.value(portOption));
    try {
        server.startHosting();
    } catch (const ESockException &e) {
        std::fprintf(stderr, "cannot listen: %s\n", e.what());
        return 1;
    }

    QTimer pump;
    pump.setSingleShot(true);
    pump.setInterval(parser.value(pauseOption).toInt());
    if (parser.isSet(fastOption)) {
        server.setBotSpeedProvider([] { return 1; });
        GameFlow &game = server.game();
        QObject::connect(&pump, &QTimer::timeout, &server, [&server, &game, &pump] {
            // Every pending pause is a countdown of a few ticks; each call
            // of a tick handler is one tick. New pauses armed by the steps
            // they run arm the pump again through the observer below.
            for (int ticks = 0; ticks < 16; ++ticks) {
                const bool pause = server.flow().timer1().isActive();
                const bool computer = server.flow().computertimer().isActive();
                if (!pause && !computer)
                    return;
                if (pause)
                    game.timer1Timer();
                if (computer)
                    game.computertimerTimer();
            }
            pump.start();
        });
        // Every step of the game sends a message; a pause armed by that step
        // is run through on the next turn of the event loop.
        server.setOutgoingObserver([&pump](int, const QByteArray &) {
            if (!pump.isActive())
                pump.start();
        });
    }
    if (parser.isSet(freeRelayOption)) {
        qint64 now = 0;
        server.setClock([now]() mutable { return now += 1000000; });
    }

    QTimer queueReport;
    std::size_t longest = 0;
    QTimer queueSample;
    if (parser.isSet(queueOption)) {
        queueSample.setInterval(1);
        QObject::connect(&queueSample, &QTimer::timeout, &server, [&] { longest = std::max(longest, server.queuedLines()); });
        queueReport.setInterval(250);
        QObject::connect(&queueReport, &QTimer::timeout, &server, [&] {
            std::printf("queue %zu\n", longest);
            std::fflush(stdout);
            longest = 0;
        });
        queueSample.start();
        queueReport.start();
    }

    QTcpServer echo;
    if (parser.isSet(echoOption)) {
        echo.listen(QHostAddress::LocalHost);
        QObject::connect(&echo, &QTcpServer::newConnection, &echo, [&echo] {
            while (QTcpSocket *peer = echo.nextPendingConnection()) {
                peer->setSocketOption(QAbstractSocket::LowDelayOption, 1);
                QObject::connect(peer, &QTcpSocket::readyRead, peer, [peer] { peer->write(peer->readAll()); });
            }
        });
        std::printf("echo %u\n", unsigned(echo.serverPort()));
    }
    std::printf("port %u\n", unsigned(server.localPort()));
    std::fflush(stdout);
    return app.exec();
}
