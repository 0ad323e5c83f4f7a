#include "chatpane.h"
#include "chatview.h"
#include "playerlist.h"
#include "programcopy.h"
#include "protocol.h"
#include "tspylist.h"

#include <QListWidget>
#include <QMenu>
#include <QTcpSocket>
#include <gtest/gtest.h>

#include <array>

namespace {

// The chat pane's lines as the player reads them, less the hosting copy's
// lines naming this machine's network addresses, which differ per machine.
QStringList chatLines(const Copy &copy)
{
    QStringList lines;
    for (const QString &line : copy.program->chatPane().mainchat()->toPlainText().split('\n')) {
        if (!line.trimmed().startsWith("Players on your network can join you at "))
            lines << line.trimmed();
    }
    return lines;
}

bool eyesShown(const Copy &copy, int seat)
{
    return copy.program->mainWindow().panel()->findChild<QWidget *>(QString("image_eyes%1").arg(seat))->isVisible();
}

} // namespace

// Ann hosts (seat 1), Bo joins (seat 2) and a bare connection logs in as
// the watcher Eve (seat 7, while four silent connections hold seats 3 to 6).
// Ann removes Eve through the spy list and sets Bo to just watch through
// the seat menu; the computer then moves for Bo's seat.
TEST(PlayersAtTheTable, HostRemovesTheWatcherAndTheComputerPlaysTheSeatThatSitsOut)
{
    AnnAndBo table;
    ASSERT_TRUE(table.seat());
    Copy &ann = table.ann, &bo = table.bo;
    TServer &server = table.server;

    std::array<QTcpSocket, 4> fillers;
    for (QTcpSocket &filler : fillers)
        filler.connectToHost(QHostAddress::LocalHost, table.port.toUShort());
    ASSERT_TRUE(waitUntil([&] { return server.seats()[6].inuse; }));
    QTcpSocket eve;
    QByteArray eveHeard;
    QObject::connect(&eve, &QTcpSocket::readyRead, [&] { eveHeard += eve.readAll(); });
    eve.connectToHost(QHostAddress::LocalHost, table.port.toUShort());
    ASSERT_TRUE(waitUntil([&] { return eveHeard.contains("CMD_sendlogininfo+7"); }));
    eve.write(wire::client::logininfo(7, wire::ProgramVersion, "Eve"));
    for (QTcpSocket &filler : fillers)
        filler.close();
    ASSERT_TRUE(waitUntil([&] { return !server.seats()[6].inuse && !server.seats()[3].inuse; }));

    for (Copy *copy : {&ann, &bo}) {
        SCOPED_TRACE(copy->program->state().playername.toStdString());
        ASSERT_TRUE(waitUntil([&] { return copy->program->spylist().spies() == QStringList{"7: Eve"}; }));
        EXPECT_EQ(copy->label("label_playername1"), "Ann");
        EXPECT_EQ(copy->label("label_playername2"), "Bo");
        EXPECT_EQ(copy->label("label_playername3"), "<Waiting>");
        // After the loading line: the own greeting, then those already
        // present, then the watcher.
        const QString other = copy == &ann ? "Bo is Connected." : "Ann is Connected.";
        const QStringList expected{"You are Connected.", "Press Ctrl-I to view Quick Instructions.", other,
                                   "Eve is Connected.", "Eve is spying."};
        EXPECT_EQ(chatLines(*copy).mid(1), expected);
    }
    ASSERT_TRUE(waitUntil([&] { return eveHeard.contains("CMD_existingplayers+1+Ann+0+2+Bo+0"); }));

    ASSERT_TRUE(startGame(ann, 3));

    // The watcher goes through the spy list's menu.
    Tspylist &spies = ann.program->spylist();
    auto *list = spies.findChild<QListWidget *>("listbox_spys");
    spies.listbox_spysMouseMove(list->visualItemRect(list->item(0)).center());
    spies.kickMenu()->findChild<QAction *>("popup_kickhim")->trigger();
    ASSERT_TRUE(waitUntil([&] { return eve.state() == QAbstractSocket::UnconnectedState; }));
    for (Copy *copy : {&ann, &bo}) {
        ASSERT_TRUE(waitUntil([&] { return copy->program->spylist().spies().isEmpty(); }));
        EXPECT_TRUE(chatLines(*copy).contains("Eve has left."));
    }

    // Bo is set to just watch through the seat menu over his label.
    int computerMovesForBo = 0;
    server.setOutgoingObserver([&](int seat, const QByteArray &message) {
        computerMovesForBo += seat == 1 && message.startsWith("CMD_heplace+2+");
    });
    PlayerList &players = ann.program->playerList();
    players.label_playername1ContextPopup(ann.program->mainWindow().panel()->findChild<QWidget *>("label_playername2"));
    players.seatMenu()->findChild<QAction *>("SettoJustWatch1")->trigger();
    ASSERT_TRUE(waitUntil([&] { return bo.program->mainWindow().item("JustWatch1")->isChecked(); }));
    for (Copy *copy : {&ann, &bo}) {
        ASSERT_TRUE(waitUntil([&] { return eyesShown(*copy, 2); }));
        EXPECT_TRUE(chatLines(*copy).contains("Bo is just watching"));
    }

    playOn(server, {&ann}, [&] { return computerMovesForBo > 0; });
    EXPECT_GT(computerMovesForBo, 0);
    EXPECT_EQ(bo.label("label_playername2"), "Bo");

    // Lock Table belongs to the hosting copy; a newcomer is turned away and
    // the hosting player told.
    EXPECT_FALSE(bo.program->mainWindow().item("LockTable1")->isEnabled());
    QAction *lock = ann.program->mainWindow().item("LockTable1");
    ASSERT_TRUE(lock->isEnabled());
    lock->trigger();
    // The chat shows the part before the colon apart, as for any line.
    EXPECT_TRUE(chatLines(ann).join('\n').simplified().contains("The table is locked: nobody new can join."));
    QTcpSocket newcomer;
    QByteArray newcomerHeard;
    QObject::connect(&newcomer, &QTcpSocket::readyRead, [&] { newcomerHeard += newcomer.readAll(); });
    newcomer.bind(QHostAddress(QStringLiteral("127.0.0.2")));
    newcomer.connectToHost(QHostAddress::LocalHost, table.port.toUShort());
    EXPECT_TRUE(waitUntil([&] { return newcomerHeard == "CMD_full+\xFF"; }));
    EXPECT_TRUE(waitUntil(
        [&] { return chatLines(ann).contains("Turned away 1 connections from 127.0.0.2 (table locked)."); }));
}

// A joining copy given the host's IPv6 address, bare or in brackets, logs in.
TEST(PlayersAtTheTable, AJoiningCopyGivenAnIpv6AddressJoins)
{
    if (QTcpServer probe; !probe.listen(QHostAddress::LocalHostIPv6))
        GTEST_SKIP() << "no IPv6 on the loopback interface";
    const QString port = freePort();
    Copy ann({"Ann", "127.0.0.1", "true"}, port);
    ann.program->show();
    for (const char *address : {"::1", "[::1]"}) {
        Copy bo({"Bo", address, "false"}, port);
        bo.program->show();
        EXPECT_TRUE(waitUntil([&] { return chatLines(bo).contains("Ann is Connected."); })) << address;
    }
}
