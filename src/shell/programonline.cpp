// Hosting for others: the table at the maker's meeting service (Options >
// Play Online), where friends find it by its invite code, everyone in the
// launcher's list when it is public, and where players whose home lets
// nobody in are relayed to it.

#include "program.h"

#include "iniprofile.h"
#include "lobbyregistration.h"
#include "protocol.h"
#include "tablesummary.h"
#include "tchat.h"
#include "tserver.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

void TavlixProgram::wireOnline()
{
    for (const char *name : {"OnlineOff1", "OnlineInvite1", "OnlinePublic1"}) {
        connect(m_chat->item(QString::fromLatin1(name)), &QAction::triggered, this, [this] {
            saveinifile();
            updateOnline();
        });
    }
    connect(m_chat->item(QStringLiteral("CopyInviteCode1")), &QAction::triggered, this, [this] {
        if (!m_inviteCode.isEmpty())
            QGuiApplication::clipboard()->setText(m_inviteCode);
    });
    connect(m_server.get(), &TServer::tableChanged, this, &TavlixProgram::updateOnline);
}

OnlineMode TavlixProgram::onlineMode() const
{
    if (m_chat->item(QStringLiteral("OnlineOff1"))->isChecked())
        return OnlineMode::Off;
    if (m_chat->item(QStringLiteral("OnlinePublic1"))->isChecked())
        return OnlineMode::Public;
    return OnlineMode::InviteOnly;
}

void TavlixProgram::updateOnline()
{
    // Only a copy that hosts for others, once its own player has logged in
    // and the settings (with Online) have been read.
    if (!m_onlineEnabled || !m_hostingAnnounced || m_lobbyWaitsForRouter)
        return;
    const OnlineMode mode = onlineMode();
    if (mode == OnlineMode::Off) {
        if (m_lobby)
            m_lobby->withdraw();
        m_inviteCode.clear();
        m_listedTold = false;
        m_chat->item(QStringLiteral("CopyInviteCode1"))->setEnabled(false);
        return;
    }
    if (!m_lobby)
        startLobbyRegistration();
    if (!m_lobby)
        return;
    const TableSummary summary = summarizeTable(*m_server);
    LobbyTable table;
    table.name = m_state.playername;
    table.players = summary.players;
    table.watchers = summary.watchers;
    table.free = summary.free;
    table.playing = summary.playing;
    table.round = summary.round;
    table.locked = m_server->tableLocked();
    table.listed = mode == OnlineMode::Public;
    m_lobby->publish(table);
    if (mode != OnlineMode::Public)
        m_listedTold = false;
    else if (!m_inviteCode.isEmpty() && !m_listedTold) {
        m_listedTold = true;
        addSystemLine(tr("Your table is listed in the lobby."));
    }
}

void TavlixProgram::startLobbyRegistration()
{
    const TavlixSettings settings = readTavlixSettings(IniProfile(m_settingsPath.toStdString()));
    const auto unreachable = [this](const QString &reason) {
        if (m_lobbyMissingTold)
            return;
        m_lobbyMissingTold = true;
        addSystemLine(tr("The lobby cannot be reached (%1); players on your network, or who can reach your "
                         "address, can still join you.")
                          .arg(reason));
    };
    const QString server = QString::fromStdString(settings.Lobbyserver);
    const std::optional<ServiceAddress> service = ServiceAddress::parse(server);
    if (!service) {
        unreachable(tr("its address \"%1\" in the settings is not host:port").arg(server));
        return;
    }
    m_lobby = std::make_unique<LobbyRegistration>(*service, QByteArray::fromStdString(settings.Lobbysecret));
    connect(m_lobby.get(), &LobbyRegistration::unreachable, this, unreachable);
    connect(m_lobby.get(), &LobbyRegistration::registered, this, &TavlixProgram::inviteCodeCame);
    connect(m_lobby.get(), &LobbyRegistration::secretChanged, this, [this](const QByteArray &secret) {
        try {
            writeLobbySecret(IniProfile(m_settingsPath.toStdString()), secret.toStdString());
        } catch (const IniWriteError &) {
            // The table keeps its code while this copy hosts; only the next
            // hosting gets another one. Nothing for the player to mend now.
        }
    });
    connect(m_lobby.get(), &LobbyRegistration::relayed, this,
            [this](TSock *connection, const SocketAddress &player, const QByteArray &leftover) {
                m_server->admitRelayed(connection, player, leftover);
            });
}

void TavlixProgram::inviteCodeCame(const QString &code)
{
    m_chat->item(QStringLiteral("CopyInviteCode1"))->setEnabled(true);
    // The same code after a lost registration is no news.
    if (code == m_inviteCode)
        return;
    m_inviteCode = code;
    addSystemLine(tr("Friends can join you with the invite code %1.").arg(code));
    if (onlineMode() == OnlineMode::Public && !m_listedTold) {
        m_listedTold = true;
        addSystemLine(tr("Your table is listed in the lobby."));
    }
}
