#include "singleinstance.h"

#include <QDir>
#include <QLocalSocket>

#include <unistd.h>

QString runtimeDirectory()
{
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QDir(xdg).exists())
        return xdg;
    const QString fallback = QDir::tempPath() + QStringLiteral("/tavlix-%1").arg(getuid());
    QDir().mkpath(fallback);
    QFile::setPermissions(fallback, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return fallback;
}

SingleInstance::SingleInstance(const QString &identifier)
    : m_serverName(runtimeDirectory() + QLatin1Char('/') + identifier)
    , m_lock(m_serverName + QStringLiteral(".lock"))
{
    // A crashed copy leaves its lock behind; QLockFile sees that its process
    // is gone and takes the lock over. The age test is switched off: a copy
    // that has run for hours still holds its lock.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    if (!m_lock.tryLock(0)) {
        // Only a lock that another copy holds means another copy runs. A
        // folder where the lock cannot be made at all (not ours, read-only)
        // must not keep the program from starting: it then runs without the
        // one-copy guard.
        return m_lock.error() != QLockFile::LockFailedError;
    }
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_serverName);
    m_server->listen(m_serverName);
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] {
        while (QLocalSocket *peer = m_server->nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
                if (peer->readAll().contains("raise") && m_raise)
                    m_raise();
            });
        }
    });
    return true;
}

bool SingleInstance::askFirstToRaise(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write("raise\n");
    const bool written = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return written;
}

void SingleInstance::onRaiseRequest(std::function<void()> handler)
{
    m_raise = std::move(handler);
}
