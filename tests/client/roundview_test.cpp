#include "roundfixture.h"

#include "protocol.h"

namespace {

QByteArray body(const QByteArray &message)
{
    return message.chopped(1); // without the terminator
}

} // namespace

TEST_F(RoundTest, StartAnnouncesTheStarterAndTheRoundsOnEveryWindow)
{
    state.mynumber = 1;
    view->setSeatName(1, "Ann");
    deliver(body(wire::host::startgame("Ann", 5)));
    EXPECT_EQ(lines, QStringList{"You have started a game."});
    EXPECT_EQ(text("label_numrounds"), "Round: 0 of 5");
    EXPECT_EQ(view->seatName(2), "Klot") << "seat 2 always plays, by the computer when empty";
    EXPECT_EQ(boardClears, 1);

    state.mynumber = 3;
    lines.clear();
    deliver(body(wire::host::startgame("Ann", 5)));
    EXPECT_EQ(lines, QStringList{"Ann has started a game."});

    deliver(body(wire::host::roundstarting(1)));
    EXPECT_EQ(text("label_numrounds"), "Round: 1 of 5");
    EXPECT_EQ(handClears, 1);
    EXPECT_TRUE(state.canselect);
}

TEST_F(RoundTest, AGameStartResetsTheLastGamesDisplay)
{
    state.mynumber = 1;
    state.ishost = true;
    deliver("CMD_justwatching+1+1");
    deliver("CMD_winner+Klot+");
    view->showPlacement(2, "80", "15", 3, 3);
    ASSERT_TRUE(shown("panel_winner") && shown("button_start") && shown("image_eyes1"));

    deliver(body(wire::host::startgame("You", 3)));
    EXPECT_FALSE(shown("panel_winner"));
    EXPECT_FALSE(shown("button_start"));
    EXPECT_FALSE(shown("image_eyes1"));
    EXPECT_EQ(justWatchMark, false);
    EXPECT_EQ(text("label_score2"), "0");
    EXPECT_EQ(text("label_bonus2"), "");
}

TEST_F(RoundTest, ALatecomerTakesRoundsScoresAndTurnFromLoadstats)
{
    state.mynumber = 3;
    deliver(body(wire::host::loadstats(3, 5, 3, 2, {40, 55, 0, 0, 0, 0})));
    EXPECT_EQ(text("label_numrounds"), "Round: 3 of 5");
    EXPECT_EQ(text("label_score1"), "40");
    EXPECT_EQ(text("label_score2"), "55");
    EXPECT_EQ(state.whoseturn, 2);
    EXPECT_EQ(text("label_status"), "Welcome to Tavlix by Orvel Software") << "the status waits for the next turn";

    deliver(body(wire::host::roundstarting(4)));
    EXPECT_EQ(text("label_numrounds"), "Round: 4 of 5");
}

TEST_F(RoundTest, TheOwnTurnPlaysTheChosenSoundAndAlertsAnInactiveWindow)
{
    state.mynumber = 1;
    deliver(body(wire::host::nextplayer(1)));
    EXPECT_EQ(text("label_status"), "Your Turn.");
    EXPECT_EQ(state.whoseturn, 1);
    EXPECT_TRUE(state.canselect);
    EXPECT_EQ(control<QWidget>("image_Turn")->geometry(), QRect(497, 39, 27, 17));
    EXPECT_EQ(alerts, 0) << "an active window needs no alert";

    turnSoundNew = true;
    windowActive = false;
    deliver(body(wire::host::nextplayer(1)));
    EXPECT_EQ(sounds, (QStringList{"turn", "turnnew"}));
    EXPECT_EQ(alerts, 1);
}

TEST_F(RoundTest, AnEmptySeatTakesItsComputerNameAfterItsFirstTurnLine)
{
    state.mynumber = 1;
    deliver(body(wire::host::nextplayer(4)));
    EXPECT_EQ(text("label_status"), "<Waiting>'s turn.");
    EXPECT_EQ(view->seatName(4), "Kling");
    EXPECT_EQ(control<QWidget>("image_Turn")->y(), 109);
    deliver(body(wire::host::nextplayer(4)));
    EXPECT_EQ(text("label_status"), "Kling's turn.");
    EXPECT_TRUE(sounds.isEmpty());
}

TEST_F(RoundTest, NoMovesAndRoundEndTexts)
{
    state.mynumber = 3;
    view->setSeatName(2, "Bo");
    deliver(body(wire::host::nomoves(3)));
    EXPECT_EQ(text("label_status"), "You do not have a move.");
    deliver(body(wire::host::nomoves(2)));
    EXPECT_EQ(text("label_status"), "Bo does not have a move.");
    EXPECT_EQ(sounds, (QStringList{"nomoves", "nomoves"}));

    state.whoseturn = 3;
    deliver(body(wire::host::roundend()));
    EXPECT_EQ(state.whoseturn, 0);
    EXPECT_EQ(text("label_status"), "No one has a move. Ending Round..");
}

TEST_F(RoundTest, ThePopupStaysInsideTheBoardAndEndsAtTheSecondTick)
{
    state.mynumber = 1;
    const struct { int column; int left; } cases[] = {{0, 4}, {5, 222}, {9, 372}};
    for (const auto &c : cases) {
        view->showPlacement(1, "65", "65", c.column, 2);
        EXPECT_EQ(control<QWidget>("image_score")->pos(), QPoint(c.left, 96)) << c.column;
        EXPECT_EQ(control("label_score")->pos(), QPoint(c.left, 111)) << c.column;
    }
    EXPECT_EQ(text("label_score"), "+65");
    EXPECT_EQ(text("label_bonus1"), "+65");
    EXPECT_EQ(text("label_score1"), "65");
    EXPECT_TRUE(shown("image_score") && shown("label_score"));
    EXPECT_TRUE(view->scoreTimer().isActive());

    view->timer_scoreTimer();
    EXPECT_TRUE(shown("image_score"));
    view->timer_scoreTimer();
    EXPECT_FALSE(shown("image_score") || shown("label_score"));
    EXPECT_FALSE(view->scoreTimer().isActive());
}

TEST_F(RoundTest, AnotherSeatsPlacementShowsItsBonusButNoPopup)
{
    state.mynumber = 1;
    view->showPlacement(1, "15", "15", 1, 1);
    view->showPlacement(2, "30", "30", 4, 4);
    EXPECT_EQ(text("label_bonus1"), "") << "only the last placement's bonus shows";
    EXPECT_EQ(text("label_bonus2"), "+30");
    EXPECT_EQ(control<QWidget>("image_score")->pos(), QPoint(30, 48)) << "the popup stays at the own cell";
    view->showPlacement(2, "30", "0", 5, 5);
    EXPECT_EQ(text("label_bonus2"), "");
}

TEST_F(RoundTest, ScoreAndLastPointsAreHeardWithTheirValuesAndFollowNamesAndScores)
{
    view->setSeatName(2, "Ann");
    view->showPlacement(2, "3475", "65", 4, 4);
    EXPECT_EQ(control("label_score2")->accessibleName(), "Ann: 3475 points");
    EXPECT_EQ(control("label_score2")->accessibleDescription(), "Score of seat 2");
    EXPECT_EQ(control("label_bonus2")->accessibleName(), "Ann: last points +65");
    view->setSeatName(2, "Bo");
    deliver(body(wire::host::loadstats(2, 5, 3, 2, {0, 3500, 0, 0, 0, 0})));
    EXPECT_EQ(control("label_score2")->accessibleName(), "Bo: 3500 points");
    view->showPlacement(1, "5", "5", 0, 0);
    EXPECT_EQ(control("label_bonus2")->accessibleName(), "Bo: no last points");
}

TEST_F(RoundTest, TheWinnerPanelOnAPlayersWindow)
{
    state.mynumber = 1;
    state.ishost = true;
    view->setSeatName(1, "Ann");
    view->showPlacement(1, "65", "65", 3, 3);
    deliver("CMD_winner+Ann+");
    EXPECT_EQ(text("label_winner1"), "You have Won the Game!");
    EXPECT_EQ(text("label_status"), "Game Over!");
    EXPECT_EQ(lines, QStringList{"You have Won the Game!"});
    EXPECT_EQ(sounds, QStringList{"winner"});
    EXPECT_TRUE(shown("panel_winner"));
    EXPECT_TRUE(shown("button_start")) << "the host may start the next game";
    EXPECT_FALSE(shown("image_score"));
    EXPECT_FALSE(view->scoreTimer().isActive());
    EXPECT_EQ(tally, QStringList{"won Ann"});
}

TEST_F(RoundTest, TheWinnerPanelOnASpectatorsWindow)
{
    state.mynumber = 7;
    deliver("CMD_winner+Ann+");
    EXPECT_EQ(text("label_winner1"), "Ann has Won the Game!");
    EXPECT_FALSE(shown("button_start"));
    EXPECT_TRUE(tally.isEmpty()) << "spectators record nothing";
}

TEST_F(RoundTest, JustWatchAsksTheHostAndFollowsOnlyItsAnswer)
{
    state.mynumber = 2;
    view->JustWatch1Click();
    EXPECT_TRUE(sent.isEmpty()) << "nothing before the login";
    state.loggedin = true;
    view->setSeatName(2, "Bo");
    view->JustWatch1Click();
    view->JustWatch1Click();
    EXPECT_EQ(sent, (QList<QByteArray>{"CMD_justwatch+2+1\xFF", "CMD_justwatch+2+1\xFF"}));
    EXPECT_FALSE(justWatchMark.has_value());

    deliver("CMD_justwatching+2+1");
    EXPECT_EQ(justWatchMark, true);
    EXPECT_TRUE(shown("image_eyes2"));
    view->JustWatch1Click();
    EXPECT_EQ(sent.last(), "CMD_justwatch+2+2\xFF");
    deliver("CMD_justwatching+2+2");
    EXPECT_EQ(justWatchMark, false);
    EXPECT_FALSE(shown("image_eyes2"));
    EXPECT_EQ(lines, (QStringList{"Bo is just watching", "Bo is now playing again"}));

    deliver("CMD_justwatching+5+1");
    EXPECT_EQ(justWatchMark, false) << "another seat's state moves only its eyes";
    EXPECT_TRUE(shown("image_eyes5"));
}

TEST_F(RoundTest, StartButtonOpensTheDialogOnlyWhenLoggedIn)
{
    view->button_startClick();
    EXPECT_EQ(messages, QStringList{"You are not connected"});
    state.loggedin = true;
    view->setHostControls(true);
    ASSERT_TRUE(shown("button_start"));
    control<QAbstractButton>("button_start")->click();
    EXPECT_EQ(gameStartShown, 1);
    EXPECT_EQ(control<QWidget>("button_start")->accessibleName(), "Start Game");
}

TEST_F(RoundTest, LongNamesAreShortenedWithinTheirLabels)
{
    const QString name(200, 'W');
    state.mynumber = 7;
    view->setSeatName(3, name);
    deliver("CMD_nextplayer+3+");
    const QString status = text("label_status");
    deliver(("CMD_winner+" + name + "+").toLatin1());
    EXPECT_TRUE(status.endsWith(QChar(0x2026)));
    for (const char *label : {"label_playername3", "label_winner1"}) {
        QLabel *l = control(label);
        EXPECT_TRUE(l->text().endsWith(QChar(0x2026))) << label;
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << label;
    }
    EXPECT_EQ(control("label_playername3")->width(), 138);
    EXPECT_EQ(view->seatName(3), name) << "the whole name still counts";
    EXPECT_EQ(text("label_winner1").size() < name.size(), true);
}
