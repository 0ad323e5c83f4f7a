#pragma once

#include "boardpanel.h"
#include "boardview.h"
#include "clientfixture.h"
#include "handtile.h"
#include "protocol.h"

#include <QWidget>

// The board panel on a bare main panel, its handlers installed in a client
// connection's dispatcher, and a stand-in host on a real socket that sends
// it messages. Sounds, the status line and placement scores are recorded.
class BoardTest : public ClientTest
{
protected:
    BoardTest()
    {
        panelBoard.setObjectName("panel_board");
        panelBoard.resize(764, 526);
        BoardPanel::Hooks hooks;
        hooks.send = [this](const QByteArray &message) { connection->send(message); };
        hooks.playsounds = [this](const QString &name) { sounds << name; };
        hooks.setStatus = [this](const QString &text) { status = text; };
        hooks.placementShown = [this](int seat, const QString &total, const QString &gain, int column, int row) {
            placements << QStringLiteral("%1 %2 %3 %4,%5").arg(seat).arg(total, gain).arg(column).arg(row);
        };
        panel = std::make_unique<BoardPanel>(state, &panelBoard, std::move(hooks));
        const auto install = [this](const char *name, void (BoardPanel::*handler)(const QByteArray &)) {
            connection->setHandler(name, [this, handler](const QByteArray &body, int) {
                ++handled;
                (panel.get()->*handler)(body);
            });
        };
        install("CMD_showtiles", &BoardPanel::showtiles);
        install("CMD_heplace", &BoardPanel::heplace);
        install("CMD_anerror", &BoardPanel::anerror);
        install("CMD_loadboard", &BoardPanel::loadboard);
    }

    // Connects to the stand-in host and logs in as `seat`.
    void logIn(int seat)
    {
        connectSolo();
        peer->write(wire::host::sendlogininfo(seat));
        peer->flush();
        ASSERT_TRUE(waitUntil([this] { return state.loggedin; }));
        hostReceives(wire::client::logininfo(seat, wire::ProgramVersion, "You").size());
    }

    // The host sends whole messages; waits until Timer1 has handed each one
    // (all but empty ones) to its handler.
    void deliver(const QByteArray &messages)
    {
        int expected = handled;
        for (const QByteArray &message : messages.split('\xFF'))
            expected += message.isEmpty() ? 0 : 1;
        peer->write(messages);
        peer->flush();
        ASSERT_TRUE(waitUntil([&] { return handled >= expected; }));
    }

    // What the host receives within a short while.
    QByteArray hostGets()
    {
        spinFor(40);
        return peer->readAll();
    }

    int top(int slot) const { return panel->handTile(slot)->y(); }

    // A hand of seven distinct tiles, slot k with top k % 4 + 1.
    static QList<wire::SlotTile> sevenTiles()
    {
        QList<wire::SlotTile> tiles;
        for (int slot = 1; slot <= 7; ++slot)
            tiles.append({slot, tile{slot % 4 + 1, 1, 2, 3}});
        return tiles;
    }

    QWidget panelBoard;
    std::unique_ptr<BoardPanel> panel;
    QStringList sounds;
    QString status;
    QStringList placements;
    int handled = 0;
};
