#pragma once

#include "boardpanel.h"
#include "eventloop.h"
#include "fakedesktop.h"
#include "placement.h"
#include "program.h"
#include "randomsource.h"
#include "smallwindows.h"
#include "tchat.h"
#include "tserver.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTemporaryDir>

#include <functional>
#include <initializer_list>
#include <memory>

// Whole copies of the program in this process, each with its own folder,
// talking over loopback on an ephemeral port.
struct Copy
{
    Copy(const QStringList &parameters, const QString &port)
    {
        program = std::make_unique<TavlixProgram>(desktop, random, parameters, folder.path());
        program->setHostPort(port);
        program->setJoinPort(port);
    }
    QString label(const QString &name) const
    {
        return program->mainWindow().panel()->findChild<QLabel *>(name)->text();
    }
    // Plays this window's turn through its hand and board, as a person
    // would: the placement with the most neighbours, first found.
    bool playIfMyTurn()
    {
        ClientState &s = program->state();
        if (s.whoseturn != s.mynumber || !s.canselect)
            return false;
        for (int level = 4; level >= 0; --level) {
            for (int x = 0; x < ::board::Columns; ++x) {
                for (int y = 0; y < ::board::Rows; ++y) {
                    for (int slot = 1; slot <= hand::Slots; ++slot) {
                        const tile &t = s.hand.at(slot);
                        if (t.isEmpty() || s.board.taken(x, y) || !checksides(s.board, x, y, t, level))
                            continue;
                        BoardPanel &panel = program->boardPanel();
                        if (s.selectedtile != slot)
                            panel.image_tile1Click(slot);
                        panel.paintbox_boardMouseUp(Qt::LeftButton, 48 * x + 20, 48 * y + 20);
                        return true;
                    }
                }
            }
        }
        return false;
    }

    QTemporaryDir folder;
    FakeDesktop desktop;
    RandomSource random;
    std::unique_ptr<TavlixProgram> program;
};

// A port that nothing listens on now. It lies below the range the kernel
// hands out for port 0 and for outgoing connections (32768 and up), so no
// socket of a test running beside this one is given it before the copy
// listens there.
inline QString freePort()
{
    QTcpServer probe;
    for (int tries = 0; tries < 1000; ++tries) {
        if (probe.listen(QHostAddress::Any, static_cast<quint16>(20000 + QRandomGenerator::global()->bounded(12000))))
            return QString::number(probe.serverPort());
    }
    // Where no port of that range can be had, one the kernel chooses.
    probe.listen(QHostAddress::LocalHost, 0);
    return QString::number(probe.serverPort());
}


// Ann hosts on a free port and sits down first (seat 1); then Bo joins her
// (seat 2). seat() is true once both sit.
struct AnnAndBo
{
    bool seat()
    {
        ann.program->show();
        if (!waitUntil([this] { return server.seats()[1].name == "Ann"; }))
            return false;
        bo.program->show();
        return waitUntil([this] { return server.seats()[2].name == "Bo"; });
    }

    const QString port = freePort();
    Copy ann{{"Ann", "127.0.0.1", "true"}, port};
    Copy bo{{"Bo", "127.0.0.1", "false"}, port};
    TServer &server = ann.program->server();
};

// The hosting copy starts a game of `rounds` through File > Start Game and
// its dialog; true once the host runs it.
inline bool startGame(Copy &host, int rounds)
{
    host.program->gamestart().setRounds(rounds);
    host.program->mainWindow().item("StartGame1")->trigger();
    if (!host.program->gamestart().isVisible())
        return false;
    host.program->gamestart().button_startClick();
    return waitUntil([&] { return host.program->server().flow().gamerunning(); });
}

// Lets `players` take their turns while the host's pauses run at once
// through its tick handlers, until `done` holds, the game ends or a minute
// has passed. Returns the placements the players made.
inline int playOn(TServer &server, std::initializer_list<Copy *> players, const std::function<bool()> &done = {})
{
    int moves = 0;
    QElapsedTimer clock;
    clock.start();
    while (server.flow().gamerunning() && !(done && done()) && clock.elapsed() < 60000) {
        for (Copy *player : players)
            moves += player->playIfMyTurn();
        if (server.flow().computertimer().isActive())
            server.game().computertimerTimer();
        else if (server.flow().timer1().isActive())
            server.game().timer1Timer();
        QCoreApplication::processEvents();
    }
    return moves;
}
