#include "programcopy.h"

#include "chatpane.h"
#include "chatview.h"
#include "gridtext.h"
#include "roundview.h"
#include "tallyfile.h"
#include "ttallylist.h"

#include <QListWidget>
#include <QTcpSocket>
#include <gtest/gtest.h>

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

    ASSERT_TRUE(startGame(ann, 2));
    const int moves = playOn(server, {&ann, &bo});
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

// Ann hosts a one-round game against the computer, follows it in the tally
// while the game runs, and plays to the end; the tally file written when her
// window closes holds the game.
TEST(WholeGame, AFinishedGameReachesTheTallyFile)
{
    Copy ann({"Ann", "127.0.0.1", "true"}, freePort());
    ann.program->show();
    TServer &server = ann.program->server();
    ASSERT_TRUE(waitUntil([&] { return ann.program->state().loggedin && server.seats()[1].name == "Ann"; }));
    ann.random.setSeed(4711);

    ASSERT_TRUE(startGame(ann, 1));
    ASSERT_TRUE(waitUntil([&] { return ann.program->roundView().seatName(2) == "Klot"; }));
    Ttallylist &tally = ann.program->tally();
    tally.ViewTally1Click();
    QListWidget *current = tally.findChild<QListWidget *>("checklist");
    ASSERT_EQ(current->count(), 1);
    current->item(0)->setCheckState(Qt::Checked);
    QCoreApplication::processEvents();

    playOn(server, {&ann});
    ASSERT_FALSE(server.flow().gamerunning());
    QWidget *winnerPanel = ann.program->mainWindow().panel()->findChild<QWidget *>("panel_winner");
    ASSERT_TRUE(waitUntil([&] { return winnerPanel->isVisible(); }));
    const bool annWon = server.seats()[1].score > server.seats()[2].score;
    const std::string won = annWon ? "1" : "0";
    const std::string lost = annWon ? "0" : "1";

    ann.program->mainWindow().close();
    const std::optional<StringGrid> stored = loadTally(ann.program->tally().tallyPath().toStdString());
    ASSERT_TRUE(stored.has_value());
    // Column by column: row 0 (Ann's own games and wins), then row 1 (Klot).
    EXPECT_EQ(SaveGridText(*stored), "9\r\n2\r\n0\r\nKlot\r\n1\r\n1\r\n" + won + "\r\n" + lost + "\r\n0\r\n" + won +
                                         "\r\n0\r\n0\r\n0\r\n1\r\n0\r\n" + lost + "\r\n0\r\n" + won + "\r\n0\r\n0\r\n");
}

// Ann hosts a one-round game against the Expert, chosen in Options >
// Computer Strength: it thinks on its own thread while she plays through
// her hand and board, and the game runs to its winner in her window.
TEST(WholeGame, ASoloGameAgainstTheExpertRunsToItsWinner)
{
    Copy ann({"Ann", "127.0.0.1", "true"}, freePort());
    ann.program->show();
    TServer &server = ann.program->server();
    ASSERT_TRUE(waitUntil([&] { return ann.program->state().loggedin && server.seats()[1].name == "Ann"; }));
    ann.program->mainWindow().item("LevelExpert1")->trigger();
    ann.random.setSeed(1207);
    server.game().setExpertSeed(1207);

    ASSERT_TRUE(startGame(ann, 1));
    ASSERT_TRUE(waitUntil([&] { return ann.program->chatPane().mainchat()->toPlainText().contains("The computer plays Expert."); }));
    const int moves = playOn(server, {&ann});
    ASSERT_FALSE(server.flow().gamerunning()) << "the game ends";
    EXPECT_GT(moves, 4);
    EXPECT_GT(server.seats()[2].score, 0) << "the Expert placed its tiles";
    QWidget *winnerPanel = ann.program->mainWindow().panel()->findChild<QWidget *>("panel_winner");
    ASSERT_TRUE(waitUntil([&] { return winnerPanel->isVisible(); }));
    for (int seat = 1; seat <= 2; ++seat)
        EXPECT_EQ(ann.label(QString("label_score%1").arg(seat)), QString::number(server.seats()[seat].score)) << seat;
}
