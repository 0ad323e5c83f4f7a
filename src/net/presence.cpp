#include "presence.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

std::unique_ptr<TSock> openPresence()
{
    auto sock = std::make_unique<TSock>();
    sock->setObjectName(QStringLiteral("Sock11"));
    sock->setHostName(QStringLiteral("127.0.0.1"));
    sock->setPortName(QString::number(PresencePort));
    // Nothing is expected from the launcher; whatever it sends anyway is
    // read and dropped, so it cannot pile up for as long as the game runs.
    sock->OnRead = [](TSock *sender, int) {
        try {
            sender->Receive();
        } catch (const ESockException &) {
        }
    };
    try {
        sock->Open();
    } catch (...) {
        // The game plays on without the launcher.
    }
    return sock;
}

PresenceListener::PresenceListener(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &PresenceListener::accept);
}

PresenceListener::~PresenceListener() = default;

bool PresenceListener::listen(quint16 port)
{
    return m_server->isListening() || m_server->listen(QHostAddress::LocalHost, port);
}

bool PresenceListener::isListening() const
{
    return m_server->isListening();
}

QString PresenceListener::errorText() const
{
    return m_server->errorString();
}

quint16 PresenceListener::port() const
{
    return m_server->serverPort();
}

void PresenceListener::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        if (m_games >= MaxGames) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_games;
        connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->readAll(); });
        // A reset connection reports an error and then, like an orderly
        // close, the disconnect: each game is counted off once.
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            socket->deleteLater();
            --m_games;
            emit gamesChanged(m_games);
        });
        emit gamesChanged(m_games);
    }
}
