#pragma once

#include "boardpanel.h"
#include "eventloop.h"
#include "fakedesktop.h"
#include "placement.h"
#include "program.h"
#include "randomsource.h"
#include "tchat.h"

#include <QLabel>
#include <QTcpServer>
#include <QTemporaryDir>

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

inline QString freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return QString::number(probe.serverPort());
}

