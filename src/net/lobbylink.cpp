#include "lobbylink.h"

#include "connectfailure.h"
#include "connectionliveness.h"
#include "tsock.h"

#include <QCoreApplication>
#include <QPointer>

LobbyLink::LobbyLink(const ServiceAddress &service, QObject *parent)
    : QObject(parent), m_service(service), m_sock(std::make_unique<TSock>())
{
    m_sock->setHostName(service.host);
    m_sock->setPortName(QString::number(service.port));
    // A registration stays open for hours and a relay carries a game: the
    // kernel's checks notice a service or a network that vanished.
    m_sock->setKeepAlive(true);
    m_sock->OnConnect = [this](TSock *) {
        m_connected = true;
        m_connectTimer.stop();
    };
    m_sock->OnRead = [this](TSock *, int) { read(); };
    m_sock->OnInfo = [this](TSock *, TSocketInfo kind, const QString &text) { info(kind, text); };
    m_connectTimer.setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        fail(ConnectFailure::reason(10060, m_sock->PortName()));
    });
    m_answerTimer.setSingleShot(true);
    connect(&m_answerTimer, &QTimer::timeout, this, [this] {
        fail(QCoreApplication::translate("LobbyLink", "the lobby did not answer within %1 s")
                 .arg(m_answerTimer.interval() / 1000));
    });
}

LobbyLink::~LobbyLink()
{
    if (m_sock) {
        m_sock->OnInfo = nullptr;
        m_sock->OnRead = nullptr;
        m_sock->OnConnect = nullptr;
    }
}

void LobbyLink::open(const LobbyLine &first, int answerMs)
{
    m_answerTimer.start(answerMs);
    try {
        m_sock->Open();
    } catch (const ESockException &e) {
        const QString text = QString::fromLatin1(e.what());
        // Told from the event loop, as every other outcome is.
        QMetaObject::invokeMethod(
            this, [this, text] { fail(ConnectFailure::fromInfo(text, m_sock->LastError(), m_sock->PortName())); },
            Qt::QueuedConnection);
        return;
    }
    if (!m_sock->Connected())
        m_connectTimer.start(ConnectionLiveness::timing().connectTimeoutMs);
    // Queued until the connection is made.
    send(first);
}

void LobbyLink::send(const LobbyLine &line)
{
    if (m_done || !m_sock)
        return;
    try {
        m_sock->Send(line.encoded());
    } catch (const ESockException &) {
        // The connection is gone; its close or error is reported.
    }
}

std::unique_ptr<TSock> LobbyLink::takeConnection(QByteArray &leftover)
{
    m_done = true;
    m_connectTimer.stop();
    m_answerTimer.stop();
    leftover = std::exchange(m_buffer, {});
    m_sock->OnInfo = nullptr;
    m_sock->OnRead = nullptr;
    m_sock->OnConnect = nullptr;
    return std::move(m_sock);
}

void LobbyLink::read()
{
    QByteArray bytes;
    try {
        bytes = m_sock->Receive();
    } catch (const ESockException &) {
        return;
    }
    if (m_done)
        return;
    m_buffer += bytes;
    QPointer<LobbyLink> self(this);
    qsizetype end;
    while (!m_done && (end = m_buffer.indexOf('\n')) >= 0) {
        const QByteArray raw = m_buffer.left(end);
        m_buffer.remove(0, end + 1);
        const std::optional<LobbyLine> line = LobbyLine::parse(raw);
        if (!line) {
            fail(QCoreApplication::translate("LobbyLink", "the lobby sent what this game does not understand"));
            return;
        }
        m_answerTimer.stop();
        if (line->word == "ERR")
            m_done = true;
        emit lineReceived(*line);
        if (!self)
            return;
    }
    if (!m_done && m_buffer.size() > LobbyLine::MaxLength)
        fail(QCoreApplication::translate("LobbyLink", "the lobby sent what this game does not understand"));
}

void LobbyLink::info(TSocketInfo kind, const QString &text)
{
    if (kind == TSocketInfo::Error) {
        if (!m_connected)
            fail(ConnectFailure::fromInfo(text, m_sock->LastError(), m_sock->PortName()));
        else if (ConnectionLiveness::meansConnectionLost(m_sock->LastError()))
            fail(QCoreApplication::translate("LobbyLink", "the connection to the lobby was lost"));
        return;
    }
    // The endpoint's one Close info is its "Socket Closed".
    if (kind == TSocketInfo::Close)
        fail(QCoreApplication::translate("LobbyLink", "the lobby closed the connection"));
}

void LobbyLink::fail(const QString &reason)
{
    if (m_done)
        return;
    m_done = true;
    m_connectTimer.stop();
    m_answerTimer.stop();
    if (m_sock) {
        m_sock->OnInfo = nullptr;
        m_sock->Close();
    }
    emit failed(reason);
}
