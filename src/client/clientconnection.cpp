#include "clientconnection.h"

#include "connectfailure.h"
#include "connectionliveness.h"
#include "invitecode.h"
#include "lobbyjoin.h"
#include "presence.h"
#include "protocol.h"

#include "tsock.h"

#include <QElapsedTimer>

#include <utility>

namespace {

// The dispatch table's names in the order in which they are compared.
const char *const dispatchNames[] = {
    "CMD_sendlogininfo", "CMD_chat", "CMD_action", "CMD_playasound", "CMD_newplayerinfo",
    "CMD_havewrongversion", "CMD_wrongversion", "CMD_existingplayers", "CMD_playerdisconnected",
    "CMD_full", "CMD_justwatching", "CMD_startgame", "CMD_nextplayer", "CMD_winner",
    "CMD_roundstarting", "CMD_showtiles", "CMD_heplace", "CMD_anerror", "CMD_nomoves",
    "CMD_roundend", "CMD_loadboard", "CMD_loadstats",
};

} // namespace

ClientConnection::ClientConnection(ClientState &state, Hooks hooks, QObject *parent)
    : QObject(parent), m_state(state), m_hooks(std::move(hooks))
{
    QElapsedTimer monotonic;
    monotonic.start();
    m_clock = [monotonic] { return monotonic.elapsed(); };

    for (const char *name : dispatchNames)
        m_dispatcher.on(name, {});

    m_dispatcher.set("CMD_sendlogininfo", [this](const QByteArray &body, int) { sendloginfo(body); });
    m_dispatcher.set("CMD_havewrongversion", [this](const QByteArray &body, int) {
        m_hooks.addSystemLine(tr("%1 has a different version of the game then you.").arg(wire::decodeText(body)));
    });
    m_dispatcher.set("CMD_wrongversion", [this](const QByteArray &, int) {
        m_hooks.addSystemLine(tr("You have a differnt version of the game then the host."));
    });
    m_dispatcher.set("CMD_full", [this](const QByteArray &, int) {
        m_hooks.message(tr("Game is full"));
        m_hooks.closeMainWindow();
    });

    // Timer1 asks for 1 ms but runs only while messages wait, so an idle
    // client does not wake a thousand times a second.
    m_timer1.setInterval(1);
    m_timer1.setTimerType(Qt::PreciseTimer);
    connect(&m_timer1, &QTimer::timeout, this, &ClientConnection::Timer1Timer);

    m_sock = std::make_unique<TSock>();
    m_sock->setPortName(QStringLiteral("7772"));
    m_sock->setKeepAlive(true);
    bindSock();

    m_connectTimer.setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, &ClientConnection::connectTimeout);
}

ClientConnection::~ClientConnection()
{
    // Closing on the way out must not reach the window that is going away.
    if (m_sock) {
        m_sock->OnInfo = nullptr;
        m_sock->OnRead = nullptr;
        m_sock->OnConnect = nullptr;
    }
}

void ClientConnection::bindSock()
{
    m_sock->OnConnect = [this](TSock *) { sockConnect(); };
    m_sock->OnRead = [this](TSock *, int count) { sockRead(count); };
    m_sock->OnInfo = [this](TSock *, TSocketInfo info, const QString &text) { sockInfo(info, text); };
}

void ClientConnection::setHandler(const QByteArray &name, wire::Dispatcher::Handler handler)
{
    m_dispatcher.set(name, std::move(handler));
}

void ClientConnection::processparams(const QStringList &parameters)
{
    m_hooks.setHostControls(false);
    m_state.loginname.clear();

    if (parameters.isEmpty()) {
        m_hooks.addSystemLine(tr("Loading Solo Game..Please wait."));
        m_hooks.showDownloadWindow();
        m_state.hostaddress = QStringLiteral("127.0.0.1");
        //: The player's own name in a solo game
        m_state.playername = tr("You");
        m_soloGame = true;
        hostpress();
        return;
    }

    m_hooks.addSystemLine(tr("Loading Multi-player Game.. Please Wait."));
    if (parameters.size() < 3)
        return;
    m_state.playername = parameters.at(0);
    m_state.hostaddress = parameters.at(1);
    if (parameters.at(2) == QLatin1String("true")) {
        hostpress();
        if (m_state.ishost && m_hooks.hostingForOthers)
            m_hooks.hostingForOthers();
    } else if (const std::optional<QString> code = InviteCode::parse(m_state.hostaddress))
        joinByCode(*code);
    else
        joinpress();
    openPresence();
}

void ClientConnection::hostpress()
{
    try {
        m_hooks.startHost(!m_soloGame);
    } catch (const ESockException &e) {
        // Another program holds port 7772. Connecting to it anyway would
        // join whatever game that is, so stop here and say why.
        m_hooks.addSystemLine(tr("Cannot host the game on port 7772 (%1).").arg(QString::fromLatin1(e.what())));
        return;
    }
    m_state.loginname = m_state.playername;
    m_state.ishost = true;
    openGameConnection(QStringLiteral("127.0.0.1"));
    m_hooks.setHostControls(true);
}

void ClientConnection::joinpress()
{
    m_state.loginname = m_state.playername;
    openGameConnection(m_state.hostaddress);
    m_hooks.setHostControls(false);
}

void ClientConnection::joinByCode(const QString &code, bool relay)
{
    m_state.loginname = m_state.playername;
    m_hooks.setHostControls(false);
    m_link = Link::Connecting;
    m_directCode.clear();
    const QString server = m_hooks.lobbyServer ? m_hooks.lobbyServer() : QString();
    const std::optional<ServiceAddress> service = ServiceAddress::parse(server);
    if (!service) {
        connectionFailed(tr("Could not join %1: the lobby's address \"%2\" in the settings is not host:port.")
                             .arg(code, server));
        return;
    }
    m_lobbyJoin = std::make_unique<LobbyJoin>(*service, code, relay);
    connect(m_lobbyJoin.get(), &LobbyJoin::direct, this, [this, code](const QString &address, quint16 port) {
        m_lobbyJoin.release()->deleteLater();
        m_directCode = code;
        m_sock->setPortName(QString::number(port));
        openGameConnection(address);
    });
    connect(m_lobbyJoin.get(), &LobbyJoin::relayed, this, [this](TSock *connection, const QByteArray &leftover) {
        m_lobbyJoin.release()->deleteLater();
        // The relay is the game connection from now on, as a direct one is.
        m_sock.reset(connection);
        m_sock->setKeepAlive(true);
        bindSock();
        m_link = Link::Connected;
        m_hooks.addSystemLine(tr("Connected through the lobby's relay."));
        if (!leftover.isEmpty())
            received(leftover);
    });
    connect(m_lobbyJoin.get(), &LobbyJoin::refused, this, [this](const QString &line) {
        m_lobbyJoin.release()->deleteLater();
        connectionFailed(line);
    });
    m_lobbyJoin->start();
}

void ClientConnection::openGameConnection(const QString &host)
{
    m_sock->setHostName(host);
    m_link = Link::Connecting;
    try {
        m_sock->Open();
    } catch (const ESockException &e) {
        // A dotted address that does not parse, say: nothing else can happen.
        const QString text = QString::fromLatin1(e.what());
        couldNotConnect(ConnectFailure::isLookupFailure(text) ? ConnectFailure::lookupReason() : text);
        return;
    }
    // Without a limit of its own an attempt that gets no answer would wait
    // for the system's minutes. The limit covers a name still being looked
    // up: closing the endpoint drops the lookup.
    if (m_link == Link::Connecting)
        m_connectTimer.start(ConnectionLiveness::timing().connectTimeoutMs);
}

void ClientConnection::sockConnect()
{
    m_directCode.clear();
    m_connectTimer.stop();
    m_link = Link::Connected;
}

void ClientConnection::connectTimeout()
{
    if (m_link == Link::Connecting)
        couldNotConnect(ConnectFailure::reason(10060, m_sock->PortName()));
}

void ClientConnection::couldNotConnect(const QString &reason)
{
    // The host the meeting service named cannot be reached from here after
    // all: the service relays the game instead.
    if (!m_directCode.isEmpty()) {
        m_connectTimer.stop();
        m_link = Link::Failed; // its "Socket Closed" ends nothing
        m_sock->Close();
        joinByCode(QString(std::exchange(m_directCode, {})), true);
        return;
    }
    connectionFailed(tr("Could not connect to %1: %2.").arg(m_sock->HostName(), reason));
}

void ClientConnection::connectionFailed(const QString &line)
{
    m_connectTimer.stop();
    m_link = Link::Failed;
    // Closed so that a dead socket holds nothing; its "Socket Closed" is
    // not the host's goodbye and leaves the window open.
    m_sock->Close();
    // What the host sent before its connection died is still queued; its
    // lines come first.
    if (m_receivedlist.isEmpty() && !m_inHandler) {
        m_hooks.addSystemLine(line);
        return;
    }
    m_lineWhenDrained = line;
    wakeTimer1();
}

void ClientConnection::openPresence()
{
    m_sock11 = ::openPresence();
}

void ClientConnection::send(const QByteArray &message)
{
    try {
        m_sock->Send(message);
    } catch (const ESockException &) {
        // No connection yet (or any more): the request goes nowhere.
    }
}

void ClientConnection::sockRead(int)
{
    QByteArray bytes;
    try {
        bytes = m_sock->Receive();
    } catch (const ESockException &) {
        return;
    }
    received(bytes);
}

void ClientConnection::received(const QByteArray &bytes)
{
    bool flooding = false;
    for (QByteArray &line : m_framer.feed(bytes)) {
        if (m_receivedlist.size() >= MaxQueuedLines) {
            flooding = true;
            break;
        }
        m_receivedlist.push(std::move(line));
    }
    if (m_framer.overflowed() || flooding) {
        // A host that sends endless bytes without a terminator, or more
        // messages than the client can handle, is broken. What it sent
        // before stays queued and is handled before the window closes.
        m_framer.clear();
        m_sock->Close();
        return;
    }
    if (!m_receivedlist.isEmpty())
        wakeTimer1();
}

void ClientConnection::sockInfo(TSocketInfo info, const QString &text)
{
    if (info == TSocketInfo::Error) {
        const int code = m_sock->LastError();
        if (m_link == Link::Connecting)
            couldNotConnect(ConnectFailure::fromInfo(text, code, m_sock->PortName()));
        else if (m_link == Link::Connected && ConnectionLiveness::meansConnectionLost(code))
            connectionFailed(tr("The connection to the host was lost."));
        return;
    }
    // The endpoint's one Close info is its "Socket Closed".
    if (info != TSocketInfo::Close || m_link == Link::Failed)
        return;
    // What the host sent before it closed ("CMD_full", a last chat line) is
    // still queued: hand it on first, then close the window.
    if (m_receivedlist.isEmpty() && !m_inHandler) {
        m_hooks.closeMainWindow();
        return;
    }
    m_closeWhenDrained = true;
    wakeTimer1();
}

void ClientConnection::wakeTimer1()
{
    // While a handler runs, Timer1Timer picks the queue up when it returns.
    if (!m_inHandler && !m_timer1.isActive())
        m_timer1.start();
}

void ClientConnection::Timer1Timer()
{
    // A handler that shows a message box runs an event loop of its own; the
    // next message waits for the box, and the timer rests meanwhile. It
    // starts again when the handler returns and messages wait.
    if (m_inHandler)
        return;
    m_timer1.stop();
    {
        // Cleared however the handler ends.
        struct HandlerRunning
        {
            bool &flag;
            ~HandlerRunning() { flag = false; }
        } running{m_inHandler};
        m_inHandler = true;
        processsocktimer();
    }

    phrasesLocked(); // releases an expired lock
    if (!m_receivedlist.isEmpty()) {
        wakeTimer1();
        return;
    }
    if (!m_lineWhenDrained.isEmpty())
        m_hooks.addSystemLine(std::exchange(m_lineWhenDrained, QString()));
    if (m_closeWhenDrained) {
        m_closeWhenDrained = false;
        m_hooks.closeMainWindow();
    }
}

void ClientConnection::processsocktimer()
{
    m_dispatcher.dispatchNext(m_receivedlist);
}

void ClientConnection::sendloginfo(const QByteArray &body)
{
    const std::optional<int> seat = wire::parseNumber(body);
    if (!seat)
        return;
    m_state.mynumber = *seat;
    m_state.loggedin = true;
    send(wire::client::logininfo(m_state.mynumber, wire::ProgramVersion, wire::encodeText(m_state.loginname)));
}

void ClientConnection::lockPhrases()
{
    m_phraseLockedAt = m_clock();
}

bool ClientConnection::phrasesLocked()
{
    if (m_phraseLockedAt && m_clock() - *m_phraseLockedAt >= PhraseLockMs)
        m_phraseLockedAt.reset();
    return m_phraseLockedAt.has_value();
}
