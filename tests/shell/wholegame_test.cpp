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
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

// One copy of the program in this process with its own folder.
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

QString freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return QString::number(probe.serverPort());
}

} // namespace

// A hosting window (Ann, seat 1) and a joining one (Bo, seat 3) play a
// two-round game through their hands and boards while the computer plays
// seat 2. The host's pauses are run at once by calling its tick handlers.
TEST(WholeGame, HostAndJoinerEndWithTheHostsBoardScoresAndWinner)
{
    const QString port = freePort();
    Copy ann({"Ann", "127.0.0.1", "true"}, port);
    ann.program->show();
    TServer &server = ann.program->server();
    ASSERT_TRUE(waitUntil([&] { return server.seats()[1].name == "Ann"; }));

    // A connection that holds seat 2 while Bo arrives and then leaves, so
    // that the computer plays seat 2.
    QTcpSocket placeholder;
    placeholder.connectToHost(QHostAddress::LocalHost, port.toUShort());
    ASSERT_TRUE(waitUntil([&] { return server.seats()[2].inuse; }));
    Copy bo({"Bo", "127.0.0.1", "false"}, port);
    bo.program->show();
    ASSERT_TRUE(waitUntil([&] { return server.seats()[3].name == "Bo"; }));
    placeholder.close();
    ASSERT_TRUE(waitUntil([&] { return !server.seats()[2].inuse; }));
    ann.random.setSeed(20261207); // the host's dealing and computer moves

    ann.program->gamestart().setRounds(2);
    ann.program->mainWindow().item("StartGame1")->trigger();
    ASSERT_TRUE(ann.program->gamestart().isVisible());
    ann.program->gamestart().button_startClick();
    ASSERT_TRUE(waitUntil([&] { return server.flow().gamerunning(); }));

    int moves = 0;
    QElapsedTimer clock;
    clock.start();
    while (server.flow().gamerunning() && clock.elapsed() < 60000) {
        moves += ann.playIfMyTurn() + bo.playIfMyTurn();
        if (server.flow().computertimer().isActive())
            server.game().computertimerTimer();
        else if (server.flow().timer1().isActive())
            server.game().timer1Timer();
        QCoreApplication::processEvents();
    }
    ASSERT_FALSE(server.flow().gamerunning()) << "the game ends";
    EXPECT_GE(server.flow().roundcount(), 2);
    EXPECT_GT(moves, 4);

    for (Copy *copy : {&ann, &bo}) {
        QWidget *winnerPanel = copy->program->mainWindow().panel()->findChild<QWidget *>("panel_winner");
        ASSERT_TRUE(waitUntil([&] { return winnerPanel->isVisible(); })) << copy->program->state().playername.toStdString();
    }

    int leader = 1;
    for (int seat = 2; seat <= 6; ++seat) {
        if (server.seats()[seat].score > server.seats()[leader].score)
            leader = seat;
    }
    const QString winnerName = QString::fromLatin1(leader == 2 ? server.seats()[2].botname : server.seats()[leader].name);
    for (Copy *copy : {&ann, &bo}) {
        const ClientState &s = copy->program->state();
        SCOPED_TRACE(s.playername.toStdString());
        for (int x = 0; x < ::board::Columns; ++x) {
            for (int y = 0; y < ::board::Rows; ++y)
                ASSERT_EQ(s.board.at(x, y), server.flow().board().at(x, y)) << x << "," << y;
        }
        for (int seat = 1; seat <= 3; ++seat)
            EXPECT_EQ(copy->label(QString("label_score%1").arg(seat)), QString::number(server.seats()[seat].score)) << seat;
        const QString expected = winnerName == s.playername ? "You have Won the Game!" : winnerName + " has Won the Game!";
        EXPECT_EQ(copy->label("label_winner1"), expected);
        EXPECT_EQ(copy->label("label_status"), "Game Over!");
    }
    EXPECT_TRUE(ann.program->mainWindow().panel()->findChild<QWidget *>("button_start")->isVisible());
    EXPECT_FALSE(bo.program->mainWindow().panel()->findChild<QWidget *>("button_start")->isVisible());
}
