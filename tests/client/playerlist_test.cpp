#include "playerlist.h"
#include "protocol.h"
#include "roundfixture.h"
#include "tspylist.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

// The player list over the round view's seat controls, with the messages
// going through the client's dispatcher.
class PlayerListTest : public RoundTest
{
protected:
    PlayerListTest()
    {
        PlayerList::Hooks hooks;
        hooks.addSystemLine = [this](const QString &line) { lines << line; };
        hooks.playsounds = [this](const QString &name) { sounds << name; };
        hooks.send = [this](const QByteArray &message) { sent << message; };
        hooks.ownArrival = [this] { ++settingsReads; };
        players = std::make_unique<PlayerList>(state, &panel, spylist, std::move(hooks));
        players->installHandlers(*connection);
        state.loggedin = true;
        state.mynumber = 2;
    }

    bool eyes(int n) const { return shown(QString("image_eyes%1").arg(n)); }
    QList<bool> seatMenuFor(int n)
    {
        players->label_playername1ContextPopup(control(QString("label_playername%1").arg(n)));
        QList<bool> enabled;
        for (QAction *item : players->seatMenu()->actions())
            enabled << item->isEnabled();
        return enabled;
    }

    Tspylist spylist;
    std::unique_ptr<PlayerList> players;
    int settingsReads = 0;
};

TEST_F(PlayerListTest, ArrivalsFillTheSeatsListTheWatchersAndPlayEnteredOncePerMessage)
{
    deliver("CMD_existingplayers+1+Ann+0+3+Bo+1");
    EXPECT_EQ(view->seatName(1), "Ann");
    EXPECT_EQ(view->seatName(3), "Bo");
    EXPECT_FALSE(eyes(1));
    EXPECT_TRUE(eyes(3));
    EXPECT_EQ(lines, (QStringList{"Ann is Connected.", "Bo is Connected."}));
    EXPECT_EQ(sounds, QStringList{"entered"});

    lines.clear();
    deliver("CMD_newplayerinfo+2+Cy+0");
    deliver("CMD_newplayerinfo+7+Bo+0");
    EXPECT_EQ(settingsReads, 1);
    EXPECT_EQ(spylist.spies(), QStringList{"7: Bo"});
    deliver("CMD_playerdisconnected+7+Bo");
    deliver("CMD_playerdisconnected+7+Bo");
    EXPECT_TRUE(spylist.spies().isEmpty());
    EXPECT_EQ(lines, (QStringList{"You are Connected.", "Press Ctrl-I to view Quick Instructions.", "Bo is Connected.",
                                  "Bo is spying.", "Bo has left."}));
}

TEST_F(PlayerListTest, DeparturesFallBackToTheComputerOnSeatTwoOnly)
{
    deliver("CMD_existingplayers+2+Dan+1+4+Eve+0");
    view->setSeatName(5, "Klick");
    lines.clear();
    for (const char *departure : {"CMD_playerdisconnected+2+Dan", "CMD_playerdisconnected+4+Eve",
                                  "CMD_playerdisconnected+4+", "CMD_playerdisconnected+5+"})
        deliver(departure);
    EXPECT_EQ(view->seatName(2), "Klot");
    EXPECT_EQ(view->seatName(4), "<Waiting>");
    EXPECT_FALSE(eyes(2));
    EXPECT_EQ(lines, (QStringList{"Dan disconnected.", "Eve disconnected."}));
}

TEST_F(PlayerListTest, OnlyTheHostsSeatMenuActsAndNeverRemovesAnEmptySeat)
{
    deliver("CMD_newplayerinfo+3+Bo+0");
    EXPECT_EQ(seatMenuFor(3), (QList<bool>{false, false, false}));
    players->kicking(3);
    EXPECT_TRUE(sent.isEmpty());

    state.ishost = true;
    state.mynumber = 1;
    EXPECT_EQ(seatMenuFor(4), (QList<bool>{false, true, true}));
    EXPECT_EQ(seatMenuFor(3), (QList<bool>{true, true, true}));
    for (QAction *item : players->seatMenu()->actions())
        item->trigger();
    EXPECT_EQ(sent, (QList<QByteArray>{wire::client::kickhim(1, 3), wire::client::justwatch(3, 1),
                                       wire::client::justwatch(3, 2)}));
}

TEST_F(PlayerListTest, SpyListRemovesTheWatcherUnderThePointer)
{
    state.ishost = true;
    state.mynumber = 1;
    deliver("CMD_existingplayers+7+Bo+0+9+Cy+0");
    auto *list = spylist.findChild<QListWidget *>("listbox_spys");
    spylist.listbox_spysMouseMove(list->visualItemRect(list->item(1)).center());
    spylist.popup_kickhimClick();
    spylist.listbox_spysMouseMove(QPoint(5, 120)); // below the items
    EXPECT_EQ(spylist.tag(), -1);
    spylist.popup_kickhimClick();
    EXPECT_EQ(sent, QList<QByteArray>{wire::client::kickhim(1, 9)});
}

// A host that any stranger may run: seat numbers that name no seat and
// fields that are not numbers change nothing; long names are elided.
TEST_F(PlayerListTest, HostileSeatNumbersChangeNothingAndLongNamesAreElided)
{
    for (const char *bad : {"CMD_newplayerinfo+0+Zed+1", "CMD_newplayerinfo+10+Zed+1", "CMD_existingplayers+3+Bo+0+x+Zed+1",
                            "CMD_existingplayers+99999999999+Zed+1", "CMD_playerdisconnected+12+Zed"})
        deliver(bad);
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(view->seatName(n), "<Waiting>") << n;
    EXPECT_TRUE(spylist.spies().isEmpty());
    EXPECT_TRUE(lines.isEmpty());

    // The same watcher seat announced twice is listed once.
    const QByteArray longName(40, 'W');
    for (const QByteArray &arrival : {QByteArray("8+Old+0"), "8+" + longName + "+0", "5+" + longName + "+0"})
        deliver("CMD_newplayerinfo+" + arrival);
    EXPECT_EQ(spylist.spies(), QStringList{"8: " + longName});
    EXPECT_NE(text("label_playername5"), longName);
    EXPECT_EQ(control("label_playername5")->toolTip(), longName);
}
