#include "boardfixture.h"

#include <QAccessible>
#include <QTest>

TEST_F(BoardTest, ControlsSitAtTheirPixelPlacesWithNamesAndTags)
{
    const auto at = [this](const char *name) { return panelBoard.findChild<QWidget *>(name)->geometry(); };
    EXPECT_EQ(at("panel_back"), QRect(3, 3, 482, 434));
    EXPECT_EQ(at("paintbox_board"), QRect(1, 1, 480, 434));
    EXPECT_EQ(panel->view()->accessibleName(), "Board");
    EXPECT_EQ(panel->view()->focusPolicy(), Qt::StrongFocus);
    for (int slot = 1; slot <= 7; ++slot) {
        auto *picture = panelBoard.findChild<HandTile *>("image_tile" + QString::number(slot));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->geometry(), QRect(16 + 68 * (slot - 1), 459, 48, 48));
        EXPECT_EQ(picture->property("tag").toInt(), slot);
        EXPECT_EQ(picture->accessibleName(), QString("Tile %1: empty").arg(slot));
    }
    // What assistive technology reads through Qt's accessibility bridge.
    QAccessibleInterface *board = QAccessible::queryAccessibleInterface(panel->view());
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->text(QAccessible::Name), "Board");
    EXPECT_TRUE(board->state().focusable);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(panel->handTile(4))->text(QAccessible::Name), "Tile 4: empty");
    EXPECT_TRUE(panel->highlite()->isHidden());
    EXPECT_EQ(panel->highlite()->size(), QSize(50, 50));
    EXPECT_TRUE(panel->newtileFrame()->isHidden());
    EXPECT_EQ(panel->newtileFrame()->size(), QSize(54, 53));
}

TEST_F(BoardTest, DealtTilesFillTheHandAndFrameTheLastOne)
{
    logIn(1);
    deliver(wire::host::showtiles(1, sevenTiles()));
    EXPECT_EQ(state.hand.at(3), (tile{4, 1, 2, 3}));
    EXPECT_EQ(panel->handTile(3)->accessibleName(), "Tile 3: drop, heart, star, ring");
    EXPECT_TRUE(state.canselect);
    EXPECT_TRUE(panel->newtileFrame()->isVisibleTo(&panelBoard));
    EXPECT_EQ(panel->newtileFrame()->pos(), QPoint(424 - 3, 456));

    // Another seat's hand only drops the raised tile.
    panel->image_tile1Click(2);
    deliver(wire::host::showtiles(4, {{1, tile{1, 1, 1, 1}}}));
    EXPECT_EQ(state.selectedtile, 0);
    EXPECT_EQ(state.hand.at(1), (tile{2, 1, 2, 3}));
}

TEST_F(BoardTest, ClickingRaisesLowersAndSwitchesTiles)
{
    logIn(1);
    panel->image_tile1Click(3);
    EXPECT_EQ(state.selectedtile, 0) << "nothing reacts before the hand arrives";

    deliver(wire::host::showtiles(1, sevenTiles()));
    panel->image_tile1Click(3);
    EXPECT_EQ(state.selectedtile, 3);
    EXPECT_EQ(top(3), 443);
    EXPECT_EQ(panel->handTile(3)->accessibleDescription(), "Raised");
    EXPECT_TRUE(panel->newtileFrame()->isHidden());
    panel->image_tile1Click(3);
    EXPECT_EQ(state.selectedtile, 0);
    EXPECT_EQ(top(3), 459);
    panel->image_tile1Click(3);
    panel->image_tile1Click(5);
    EXPECT_EQ(top(3), 459);
    EXPECT_EQ(top(5), 443);
    EXPECT_EQ(sounds, (QStringList{"select", "unselect", "select", "select"}));

    // A real click on the picture hands the keys to the board.
    QTest::mouseClick(panel->handTile(2), Qt::LeftButton);
    EXPECT_EQ(state.selectedtile, 2);
    // Assistive technology presses a tile as a click does.
    QAccessibleInterface *tile = QAccessible::queryAccessibleInterface(panel->handTile(6));
    ASSERT_TRUE(tile && tile->actionInterface());
    EXPECT_EQ(tile->role(), QAccessible::Button);
    tile->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(state.selectedtile, 6);
}

TEST_F(BoardTest, AReleaseAsksOnceAndOnlyOnTheOwnTurn)
{
    logIn(1);
    deliver(wire::host::showtiles(1, sevenTiles()));
    panel->image_tile1Click(3);

    state.whoseturn = 2;
    panel->paintbox_boardMouseUp(Qt::LeftButton, 100, 100);
    EXPECT_TRUE(hostGets().isEmpty()) << "another seat moves";
    EXPECT_EQ(top(3), 443);

    state.whoseturn = 1;
    for (int y : {432, 433}) {
        panel->paintbox_boardMouseUp(Qt::LeftButton, 10, y);
        panel->paintbox_boardMouseUp(Qt::LeftButton, -1, 10);
    }
    EXPECT_TRUE(hostGets().isEmpty()) << "below the last row of cells";
    EXPECT_EQ(state.whoseturn, 1) << "the turn is kept";

    panel->paintbox_boardMouseUp(Qt::RightButton, 479, 431);
    panel->paintbox_boardMouseUp(Qt::LeftButton, 0, 0);
    EXPECT_EQ(hostGets(), wire::client::placetile(1, 9, 8, 3));
    EXPECT_EQ(panel->view()->cursorCell(), QPoint(0, 0)) << "the keyboard cursor follows the last click";
    EXPECT_EQ(state.whoseturn, 0);
    EXPECT_FALSE(state.canselect);
    EXPECT_EQ(state.selectedtile, 3) << "the tile stays raised until the host answers";
}

TEST_F(BoardTest, AnAcceptedPlacementIsDrawnFramedAndScored)
{
    logIn(1);
    deliver(wire::host::heplace(2, 0, 0, 4, 5, tile{1, 2, 3, 4}));
    EXPECT_EQ(state.board.at(4, 5), (tile{1, 2, 3, 4}));
    EXPECT_TRUE(panel->highlite()->isVisibleTo(&panelBoard));
    EXPECT_EQ(panel->highlite()->pos(), QPoint(192, 240));
    deliver(wire::host::heplace(1, 65, 65, 9, 0, tile{4, 4, 4, 4}) + wire::host::heplace(1, 70, 5, 0, 8, tile{1, 1, 1, 1}));
    EXPECT_EQ(placements, (QStringList{"2 0 0 4,5", "1 65 65 9,0", "1 70 5 0,8"}));
    EXPECT_EQ(sounds, (QStringList{"place", "square", "place"}));
    EXPECT_EQ(panel->highlite()->pos(), QPoint(0, 384));
}

TEST_F(BoardTest, RefusalsShowTheirTextAndGiveTheTurnBack)
{
    logIn(1);
    deliver(wire::host::showtiles(1, sevenTiles()));
    panel->image_tile1Click(4);
    const char *texts[] = {"You cannot put a tile there.", "Tile not valid.", "That tile does not match."};
    for (int code = 1; code <= 3; ++code) {
        state.whoseturn = 1;
        panel->paintbox_boardMouseUp(Qt::LeftButton, 50, 50);
        EXPECT_EQ(hostGets(), wire::client::placetile(1, 1, 1, 4));
        deliver(wire::host::anerror(1, code));
        EXPECT_EQ(status, texts[code - 1]);
        EXPECT_TRUE(state.canselect);
        EXPECT_EQ(state.selectedtile, 4) << "try again without raising it anew";
    }
    status = "kept";
    deliver(wire::host::anerror(1, 7));
    EXPECT_EQ(status, "kept");
    EXPECT_EQ(sounds.count("invalid"), 4);
    panel->paintbox_boardMouseUp(Qt::LeftButton, 200, 200);
    EXPECT_EQ(hostGets(), wire::client::placetile(1, 4, 4, 4));
}

TEST_F(BoardTest, ALatecomerSeesTheBoardAsItStands)
{
    logIn(3);
    deliver(wire::host::heplace(2, 0, 0, 0, 0, tile{2, 2, 2, 2}));
    deliver(wire::host::loadboard(3, {{4, 4, tile{1, 2, 3, 4}}, {4, 5, tile{3, 3, 3, 3}}, {9, 8, tile{4, 1, 4, 1}}}));
    EXPECT_EQ(state.board.at(4, 4), (tile{1, 2, 3, 4}));
    EXPECT_EQ(state.board.at(4, 5), (tile{3, 3, 3, 3}));
    EXPECT_EQ(state.board.at(9, 8), (tile{4, 1, 4, 1}));
    EXPECT_EQ(state.board.at(0, 0), (tile{2, 2, 2, 2})) << "cells the list does not name stay";
}

TEST_F(BoardTest, AHostileHostChangesNothingAndTheClientStaysUp)
{
    logIn(1);
    deliver(wire::host::showtiles(1, sevenTiles()) + wire::host::heplace(2, 5, 5, 3, 3, tile{1, 1, 1, 1}));
    const board boardBefore = state.board;
    const hand handBefore = state.hand;
    placements.clear();

    const QByteArray bad[] = {
        // Hands: slots out of 1..7, sides out of 0..4, a half tile, signs,
        // numbers beyond 32 bits, words.
        "CMD_showtiles+1+0+1+1+1+1+8+1+1+1+1+99999+2+2+2+2",
        "CMD_showtiles+1+2+5+1+1+1+3+1+0+1+1",
        "CMD_showtiles+1+2+1+1",
        "CMD_showtiles+1+-2+1+1+1+1",
        "CMD_showtiles+1+4294967298+1+1+1+1",
        "CMD_showtiles+x",
        // Placements: cells off the board, seats out of 1..9, bad sides.
        "CMD_heplace+2+10+5+10+0+1+1+1+1+",
        "CMD_heplace+2+10+5+0+9+1+1+1+1+",
        "CMD_heplace+2+10+5+2147483647+2147483647+1+1+1+1+",
        "CMD_heplace+0+10+5+1+1+1+1+1+1+",
        "CMD_heplace+10+10+5+1+1+1+1+1+1+",
        "CMD_heplace+2+10+5+1+1+0+1+1+1+",
        "CMD_heplace+2+10+5+1+1+1+1+1+7+",
        "CMD_heplace+2+ten+5+1+1+1+1+1+1+",
        "CMD_heplace+2+10+5+1+1",
        // Refusals for seats that cannot be.
        "CMD_anerror+0+1+",
        "CMD_anerror+99+1+",
        "CMD_anerror+1+",
        // Boards with cells off the board or unfinished.
        "CMD_loadboard+1+10+0+1+1+1+1+0+9+1+1+1+1",
        "CMD_loadboard+1+1+1+1+1",
        "CMD_loadboard+1+1+1+9+1+1+1",
        "",
    };
    QByteArray all;
    for (const QByteArray &message : bad)
        all += message + '\xFF';
    deliver(all);

    EXPECT_EQ(state.board.cells, boardBefore.cells);
    EXPECT_EQ(state.hand, handBefore);
    EXPECT_TRUE(placements.isEmpty());
    EXPECT_EQ(state.whoseturn, 0);
    EXPECT_TRUE(status.isEmpty());
    for (int slot = 1; slot <= 7; ++slot)
        EXPECT_EQ(panel->handTile(slot)->shown(), state.hand.at(slot));

    // The good parts of a partly bad list still count, and the client ends
    // normally when the host goes.
    deliver("CMD_showtiles+1+9+1+1+1+1+2+4+4+4+4\xFF");
    EXPECT_EQ(state.hand.at(2), (tile{4, 4, 4, 4}));
    deliver("CMD_loadboard+1+12+1+1+1+1+1+0+8+2+2+2+2\xFF");
    EXPECT_EQ(state.board.at(0, 8), (tile{2, 2, 2, 2}));
    EXPECT_EQ(closes, 0);
    peer->close();
    EXPECT_TRUE(waitUntil([this] { return closes > 0; }));
}

TEST_F(BoardTest, TheKeyboardPlaysLikeTheMouse)
{
    logIn(1);
    deliver(wire::host::showtiles(1, sevenTiles()));
    panelBoard.show();
    BoardView *view = panel->view();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_6);
    EXPECT_EQ(state.selectedtile, 6);
    EXPECT_EQ(top(6), 443);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(state.selectedtile, 0);
    QTest::keyClick(view, Qt::Key_2);

    for (int step = 0; step < 12; ++step)
        QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(view->cursorCell(), QPoint(9, 3)) << "the cursor stops at the edge";
    EXPECT_EQ(view->accessibleDescription(), "Column 9, row 3: empty");

    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_TRUE(hostGets().isEmpty()) << "not this player's turn";
    state.whoseturn = 1;
    QTest::keyClick(view, Qt::Key_Space);
    QTest::keyClick(view, Qt::Key_Enter);
    EXPECT_EQ(hostGets(), wire::client::placetile(1, 9, 3, 2));
}

TEST_F(BoardTest, FittingCellsAreFramedOnlyOnTheOwnTurnWithATileRaised)
{
    logIn(1);
    // Slot 1 holds top 2, right 1, bottom 2, left 3.
    deliver(wire::host::showtiles(1, sevenTiles()) + wire::host::heplace(2, 0, 0, 4, 4, tile{1, 1, 1, 1}));
    panel->setShowFits(true);
    panel->image_tile1Click(1);
    EXPECT_TRUE(panel->view()->fits().none()) << "another seat's turn";

    state.whoseturn = 1;
    panel->refreshFits();
    const auto fits = [this](int x, int y) { return panel->view()->fits().test(BoardView::cellIndex(x, y)); };
    EXPECT_TRUE(fits(0, 0)) << "no neighbour";
    EXPECT_FALSE(fits(4, 4)) << "taken";
    EXPECT_TRUE(fits(3, 4)) << "right 1 meets left 1";
    EXPECT_FALSE(fits(5, 4)) << "left 3 meets right 1";
    EXPECT_FALSE(fits(4, 5)) << "top 2 meets bottom 1";
    EXPECT_FALSE(fits(4, 3)) << "bottom 2 meets top 1";

    panel->paintbox_boardMouseUp(Qt::LeftButton, 0, 0);
    EXPECT_TRUE(panel->view()->fits().none()) << "the turn is given up while the host decides";
    state.whoseturn = 1;
    panel->setShowFits(false);
    EXPECT_TRUE(panel->view()->fits().none());
}
