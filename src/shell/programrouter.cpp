// Hosting for others: telling the player where others can join, and
// keeping the game's port open on the home router while the option is on.

#include "program.h"

#include "chatpane.h"
#include "portmapper.h"
#include "routerclient.h"
#include "tchat.h"

#include <QAction>

void TavlixProgram::setRouter(std::unique_ptr<RouterClient> router)
{
    m_router = std::move(router);
}

void TavlixProgram::announceHosting()
{
    // Once the host's own player has logged in and the settings (with
    // Openport) have been read.
    if (!m_hostsForOthers || m_hostingAnnounced)
        return;
    m_hostingAnnounced = true;
    for (const QString &address : networkAddresses())
        addSystemLine(QStringLiteral("Players on your network can join you at %1.").arg(address));
    updatePortMapping();
}

void TavlixProgram::updatePortMapping()
{
    if (!m_hostingAnnounced)
        return;
    const bool wanted = m_chat->item(QStringLiteral("OpenPort1"))->isChecked();
    if (wanted && !m_portMapper && m_router) {
        m_portMapper = std::make_unique<PortMapper>(std::move(m_router));
        connect(m_portMapper.get(), &PortMapper::opened, this, [this](const QString &publicAddress) {
            if (!publicAddress.isEmpty())
                addSystemLine(QStringLiteral("Players on the internet can join you at %1.").arg(publicAddress));
            else
                addSystemLine(QStringLiteral("Your router opened port %1; it did not tell its address on the internet.")
                                  .arg(m_hostPort));
        });
        connect(m_portMapper.get(), &PortMapper::failed, this, [this](const QString &reason, const QString &local) {
            QString address = local;
            if (address.isEmpty())
                address = networkAddresses().value(0, QStringLiteral("this machine"));
            addSystemLine(QStringLiteral("Your router did not open port %1 (%2). Players outside your network can "
                                         "join only if you forward port %1 to %3.")
                              .arg(m_hostPort)
                              .arg(reason, address));
        });
    }
    if (!m_portMapper)
        return;
    if (wanted)
        m_portMapper->open(m_hostPort);
    else
        m_portMapper->close();
}
