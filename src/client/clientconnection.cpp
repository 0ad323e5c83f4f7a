#include "clientconnection.h"

#include "presence.h"
#include "protocol.h"
#include "tsock.h"

#include <QElapsedTimer>

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
        m_hooks.addSystemLine(wire::decodeText(body) + " has a different version of the game then you.");
    });
    m_dispatcher.set("CMD_wrongversion", [this](const QByteArray &, int) {
        m_hooks.addSystemLine(QStringLiteral("You have a differnt version of the game then the host."));
    });
    m_dispatcher.set("CMD_full", [this](const QByteArray &, int) {
        m_hooks.message(QStringLiteral("Game is full"));
        m_hooks.closeMainWindow();
    });

    // Timer1 asks for 1 ms but runs only while messages wait, so an idle
    // client does not wake a thousand times a second.
    m_timer1.setInterval(1);
    m_timer1.setTimerType(Qt::PreciseTimer);
    connect(&m_timer1, &QTimer::timeout, this, &ClientConnection::Timer1Timer);

    m_sock = std::make_unique<TSock>();
    m_sock->setPortName(QStringLiteral("7772"));
    m_sock->OnRead = [this](TSock *, int count) { sockRead(count); };
    m_sock->OnInfo = [this](TSock *, TSocketInfo info, const QString &text) { sockInfo(info, text); };
}

ClientConnection::~ClientConnection()
{
    // Closing on the way out must not reach the window that is going away.
    if (m_sock) {
        m_sock->OnInfo = nullptr;
        m_sock->OnRead = nullptr;
    }
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
        m_hooks.addSystemLine(QStringLiteral("Loading Solo Game..Please wait."));
        m_hooks.showDownloadWindow();
        m_state.hostaddress = QStringLiteral("127.0.0.1");
        m_state.playername = QStringLiteral("You");
        hostpress();
        return;
    }

    m_hooks.addSystemLine(QStringLiteral("Loading Multi-player Game.. Please Wait."));
    if (parameters.size() < 3)
        return;
    m_state.playername = parameters.at(0);
    m_state.hostaddress = parameters.at(1);
    if (parameters.at(2) == QLatin1String("true")) {
        hostpress();
        if (m_state.ishost && m_hooks.hostingForOthers)
            m_hooks.hostingForOthers();
    } else
        joinpress();
    openPresence();
}

void ClientConnection::hostpress()
{
    try {
        m_hooks.startHost();
    } catch (const ESockException &e) {
        // Another program holds port 7772. Connecting to it anyway would
        // join whatever game that is, so stop here and say why.
        m_hooks.addSystemLine(QStringLiteral("Cannot host the game on port 7772 (%1).").arg(QString::fromLatin1(e.what())));
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

void ClientConnection::openGameConnection(const QString &host)
{
    m_sock->setHostName(host);
    try {
        m_sock->Open();
    } catch (const ESockException &e) {
        // A host name that does not resolve: nothing else can happen.
        m_hooks.addSystemLine(QStringLiteral("Cannot connect to %1 (%2).").arg(host, QString::fromLatin1(e.what())));
    }
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

void ClientConnection::sockInfo(TSocketInfo, const QString &text)
{
    if (text != QLatin1String("Socket Closed"))
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
