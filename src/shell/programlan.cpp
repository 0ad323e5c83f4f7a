// Hosting for others: showing the table to the launchers on the local
// network (Options > Show on Network).

#include "program.h"

#include "lanpublisher.h"
#include "protocol.h"
#include "tablesummary.h"
#include "tchat.h"
#include "tserver.h"

#include <QAction>

void TavlixProgram::setLanPublisher(std::unique_ptr<LanPublisher> publisher)
{
    m_lanPublisher = std::move(publisher);
    // The host says when its table changes; the publisher paces what goes
    // out to the network.
    connect(m_server.get(), &TServer::tableChanged, this, &TavlixProgram::updateLanAnnouncement);
    connect(m_lanPublisher.get(), &LanPublisher::availabilityChanged, this, [this](bool available) {
        if (available || m_lanMissingTold || !m_chat->item(QStringLiteral("ShowOnNetwork1"))->isChecked())
            return;
        m_lanMissingTold = true;
        addSystemLine(tr("Your game is not shown to launchers on your network, since that needs the Avahi "
                                     "service (avahi-daemon), which is not running here. Players can still join "
                                     "you by address."));
    });
}

void TavlixProgram::updateLanAnnouncement()
{
    // Only a copy that hosts for others, once its own player has logged in
    // and the settings (with Announce) have been read.
    if (!m_lanPublisher || !m_hostingAnnounced)
        return;
    if (!m_chat->item(QStringLiteral("ShowOnNetwork1"))->isChecked()) {
        m_lanPublisher->withdraw();
        return;
    }
    const TableSummary summary = summarizeTable(*m_server);
    lan::LanTable table;
    table.host = m_state.playername;
    table.version = QString::fromLatin1(wire::ProgramVersion);
    table.players = summary.players;
    table.watchers = summary.watchers;
    table.free = summary.free;
    table.playing = summary.playing;
    table.round = summary.round;
    table.rounds = summary.rounds;
    table.locked = m_server->tableLocked();
    m_lanPublisher->publish(table, m_hostPort);
}
