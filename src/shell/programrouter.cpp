// Hosting for others: telling the player where others can join, and
// keeping the game's port open on the home router while the option is on.

#include "program.h"

#include "chatpane.h"
#include "hostaddresses.h"
#include "portmapper.h"
#include "routerclient.h"
#include "tchat.h"

#include <QAction>
#include <QTimer>

#include <utility>

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
        addSystemLine(tr("Players on your network can join you at %1.").arg(address));
    updatePortMapping();
    // The invite code comes after what the router says, so that the lines
    // read in the order of the ways in; a router that keeps silent holds
    // it up for a few seconds at most.
    if (m_portMapper && m_chat->item(QStringLiteral("OpenPort1"))->isChecked()) {
        m_lobbyWaitsForRouter = true;
        QTimer::singleShot(RouterWaitMs, this, &TavlixProgram::routerAnswered);
    }
}

void TavlixProgram::routerAnswered()
{
    if (!std::exchange(m_lobbyWaitsForRouter, false))
        return;
    updateOnline();
}

void TavlixProgram::updatePortMapping()
{
    if (!m_hostingAnnounced)
        return;
    const bool wanted = m_chat->item(QStringLiteral("OpenPort1"))->isChecked();
    if (wanted && !m_portMapper && m_router) {
        m_portMapper = std::make_unique<PortMapper>(std::move(m_router));
        wirePortMapper(*m_portMapper);
    }
    if (!m_portMapper)
        return;
    if (wanted)
        m_portMapper->open(m_hostPort);
    else
        m_portMapper->close();
}

void TavlixProgram::wirePortMapper(PortMapper &mapper)
{
    const QString port = QString::number(m_hostPort);
    // Where to forward the port by hand: the address the router sees.
    const auto forwardTo = [this](const QString &local) {
        return local.isEmpty() ? networkAddresses().value(0, tr("this machine")) : local;
    };
    connect(&mapper, &PortMapper::opened, this, [this, port](const QString &publicAddress) {
        if (!publicAddress.isEmpty())
            addSystemLine(tr("Players on the internet can join you at %1.").arg(publicAddress));
        else
            addSystemLine(
                tr("Your router opened port %1; it did not tell its address on the internet.").arg(port));
    });
    connect(&mapper, &PortMapper::failed, this, [this, port, forwardTo](const RouterReply &reply) {
        // Forwarding by hand cannot help where the provider shares one
        // address among many homes, so that line sends nobody to do it.
        if (reply.sharedAddress)
            addSystemLine(tr("Your internet provider shares its IPv4 address among many homes, so "
                                         "players on the internet cannot reach you over IPv4."));
        else if (reply.notAsked)
            addSystemLine(tr("The game could not ask your router to open port %1: %2. Players outside "
                                         "your network can join only if you forward port %1 to %3.")
                              .arg(port, reply.reason, forwardTo(reply.localAddress)));
        else
            addSystemLine(tr("Your router did not open port %1 (%2). Players outside your network can "
                                         "join only if you forward port %1 to %3.")
                              .arg(port, reply.reason, forwardTo(reply.localAddress)));
    });
    // After their lines.
    connect(&mapper, &PortMapper::opened, this, &TavlixProgram::routerAnswered);
    connect(&mapper, &PortMapper::failed, this, &TavlixProgram::routerAnswered);
    connect(&mapper, &PortMapper::lapsed, this, [this, port](const QString &reason) {
        addSystemLine(tr("Your router did not keep port %1 open (%2). The game keeps asking it.")
                          .arg(port, reason));
    });
    connect(&mapper, &PortMapper::pinholeOpened, this, [this](const QString &address) {
        addSystemLine(tr("Players with IPv6 can join you at %1.").arg(address));
    });
    connect(&mapper, &PortMapper::pinholeFailed, this, [this, port](const PinholeReply &reply) {
        if (reply.notAsked)
            addSystemLine(tr("The game could not ask your router to open port %1 for IPv6: %2.")
                              .arg(port, reply.reason));
        else
            addSystemLine(tr("Your router did not open port %1 for IPv6 (%2).").arg(port, reply.reason));
    });
    connect(&mapper, &PortMapper::pinholeLapsed, this, [this, port](const QString &reason) {
        addSystemLine(tr("Your router did not keep port %1 open for IPv6 (%2). The game keeps asking it.")
                          .arg(port, reason));
    });
}
