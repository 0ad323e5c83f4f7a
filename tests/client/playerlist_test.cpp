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

    QString seatName(int n) const { return view->seatName(n); }
    bool eyes(int n) const { return shown(QString("image_eyes%1").arg(n)); }
    QAction *menuItem(const char *name) const { return players->seatMenu()->findChild<QAction *>(name); }
    QList<bool> menuEnabled() const
    {
        return {menuItem("RemoveFromGame1")->isEnabled(), menuItem("SettoJustWatch1")->isEnabled(),
                menuItem("UnsetJustWatch1")->isEnabled()};
    }
    void openSeatMenu(int n) { players->label_playername1ContextPopup(control(QString("label_playername%1").arg(n))); }

    Tspylist spylist;
    std::unique_ptr<PlayerList> players;
    int settingsReads = 0;
};

TEST_F(PlayerListTest, ExistingPlayersFillTheirSeatsAndShowTheWatcherOnce)
{
    deliver("CMD_existingplayers+1+Ann+0+3+Bo+1");

    EXPECT_EQ(seatName(1), "Ann");
    EXPECT_EQ(seatName(3), "Bo");
    EXPECT_EQ(seatName(4), "<Waiting>");
    EXPECT_FALSE(eyes(1));
    EXPECT_TRUE(eyes(3));
    EXPECT_EQ(lines, (QStringList{"Ann is Connected.", "Bo is Connected."}));
    EXPECT_EQ(sounds, QStringList{"entered"});
    EXPECT_EQ(settingsReads, 0);
}

TEST_F(PlayerListTest, OwnArrivalGreetsAndReadsTheSettingsOnce)
{
    deliver("CMD_newplayerinfo+2+Cy+0");
    EXPECT_EQ(lines, (QStringList{"You are Connected.", "Press Ctrl-I to view Quick Instructions."}));
    EXPECT_EQ(seatName(2), "Cy");
    EXPECT_EQ(settingsReads, 1);

    lines.clear();
    state.mynumber = 8;
    deliver("CMD_newplayerinfo+8+Cy+0");
    EXPECT_EQ(lines, (QStringList{"You are Connected.", "Press Ctrl-I to view Quick Instructions.", "You are spying."}));
    EXPECT_EQ(spylist.spies(), QStringList{"8: Cy"});
}

TEST_F(PlayerListTest, SpectatorIsListedAndLeavesTheListOnce)
{
    deliver("CMD_newplayerinfo+7+Bo+0");
    EXPECT_EQ(spylist.spies(), QStringList{"7: Bo"});
    EXPECT_EQ(lines, (QStringList{"Bo is Connected.", "Bo is spying."}));
    EXPECT_EQ(seatName(1), "<Waiting>");

    lines.clear();
    deliver("CMD_playerdisconnected+7+Bo");
    EXPECT_TRUE(spylist.spies().isEmpty());
    EXPECT_EQ(lines, QStringList{"Bo has left."});

    lines.clear();
    deliver("CMD_playerdisconnected+7+Bo");
    EXPECT_TRUE(lines.isEmpty());
}

TEST_F(PlayerListTest, DeparturesFallBackToTheComputerOnSeatTwoOnly)
{
    deliver("CMD_existingplayers+2+Dan+1+4+Eve+0");
    lines.clear();

    deliver("CMD_playerdisconnected+2+Dan");
    EXPECT_EQ(seatName(2), "Klot");
    EXPECT_FALSE(eyes(2));
    deliver("CMD_playerdisconnected+4+Eve");
    EXPECT_EQ(seatName(4), "<Waiting>");
    EXPECT_EQ(lines, (QStringList{"Dan disconnected.", "Eve disconnected."}));

    // Seats showing the computer or nobody leave no line.
    lines.clear();
    view->setSeatName(5, "Klick");
    deliver("CMD_playerdisconnected+5+");
    deliver("CMD_playerdisconnected+4+");
    EXPECT_TRUE(lines.isEmpty());
}

TEST_F(PlayerListTest, SeatMenuIsTheHostsAndNeverRemovesAnEmptySeat)
{
    deliver("CMD_existingplayers+1+Ann+0+3+Bo+0");

    openSeatMenu(3);
    EXPECT_EQ(menuEnabled(), (QList<bool>{false, false, false}));
    players->kicking(3);
    EXPECT_TRUE(sent.isEmpty());

    state.ishost = true;
    openSeatMenu(4);
    EXPECT_EQ(menuEnabled(), (QList<bool>{false, true, true}));
    EXPECT_EQ(players->seatMenu()->property("tag").toInt(), 4);

    openSeatMenu(3);
    EXPECT_EQ(menuEnabled(), (QList<bool>{true, true, true}));
    state.mynumber = 1;
    menuItem("RemoveFromGame1")->trigger();
    menuItem("SettoJustWatch1")->trigger();
    menuItem("UnsetJustWatch1")->trigger();
    EXPECT_EQ(sent, (QList<QByteArray>{wire::client::kickhim(1, 3), wire::client::justwatch(3, 1),
                                       wire::client::justwatch(3, 2)}));

    sent.clear();
    state.loggedin = false;
    menuItem("RemoveFromGame1")->trigger();
    menuItem("SettoJustWatch1")->trigger();
    EXPECT_TRUE(sent.isEmpty());
}

TEST_F(PlayerListTest, SpyListRemovesTheItemUnderThePointer)
{
    state.ishost = true;
    state.mynumber = 1;
    spylist.setHostControls(true);
    deliver("CMD_existingplayers+7+Bo+0+9+Cy+0");
    auto *list = spylist.findChild<QListWidget *>("listbox_spys");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(spylist.tag(), 0);

    spylist.listbox_spysMouseMove(list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(spylist.tag(), 1);
    spylist.kickMenu()->findChild<QAction *>("popup_kickhim")->trigger();
    EXPECT_EQ(sent, QList<QByteArray>{wire::client::kickhim(1, 9)});

    sent.clear();
    spylist.listbox_spysMouseMove(QPoint(5, 120));
    EXPECT_EQ(spylist.tag(), -1);
    spylist.popup_kickhimClick();
    EXPECT_TRUE(sent.isEmpty());
}

// A host that any stranger may run: seat numbers that name no seat and
// fields that are not numbers change nothing; long names are elided.
TEST_F(PlayerListTest, HostileSeatNumbersAndLongNamesAreHarmless)
{
    for (const QByteArray &bad : {QByteArray("CMD_newplayerinfo+0+Zed+1"), QByteArray("CMD_newplayerinfo+10+Zed+1"),
                                  QByteArray("CMD_existingplayers+99999999999+Zed+1"),
                                  QByteArray("CMD_existingplayers+3+Bo+0+x+Zed+1"), QByteArray("CMD_playerdisconnected+0+Zed"),
                                  QByteArray("CMD_playerdisconnected+12+Zed"), QByteArray("CMD_playerdisconnected+-3+Zed"),
                                  QByteArray("CMD_playerdisconnected")})
        deliver(bad);
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(seatName(n), "<Waiting>") << n;
        EXPECT_FALSE(eyes(n)) << n;
    }
    EXPECT_TRUE(spylist.spies().isEmpty());
    EXPECT_FALSE(lines.join("").contains("Zed"));

    // The same watcher seat announced twice is listed once.
    const QString longName(40, 'W');
    deliver("CMD_newplayerinfo+8+Old+0");
    deliver("CMD_newplayerinfo+8+" + longName.toLatin1() + "+0");
    deliver("CMD_newplayerinfo+5+" + longName.toLatin1() + "+0");
    EXPECT_EQ(spylist.spies(), QStringList{"8: " + longName});
    EXPECT_EQ(seatName(5), longName);
    EXPECT_NE(text("label_playername5"), longName);
    EXPECT_EQ(control("label_playername5")->toolTip(), longName);
}
