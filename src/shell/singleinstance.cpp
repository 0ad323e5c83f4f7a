#include "singleinstance.h"

#include <QDir>
#include <QLocalSocket>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {

// A folder fit for the lock and the socket: a folder itself (not a link to
// one), owned by this user, that nobody else may enter, list or write to.
// In a shared folder such as /tmp anyone may create the name first; a lock
// planted there would make every start think another copy runs.
bool isPrivateFolder(const QString &path)
{
    struct stat info = {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// Makes the folder (mode 0700) unless something is there, then tells
// whether it is private. Nothing that exists is changed.
bool makePrivateFolder(const QString &path)
{
    ::mkdir(QFile::encodeName(path).constData(), 0700);
    return isPrivateFolder(path);
}

} // namespace

QString runtimeDirectory()
{
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(xdg))
        return xdg;
    const QString shared = QDir::tempPath() + QStringLiteral("/tavlix-%1").arg(::getuid());
    if (makePrivateFolder(shared))
        return shared;
    // Someone else holds that name: a fixed folder in the home comes next,
    // so that copies still find each other.
    const QString home = qEnvironmentVariable("HOME");
    if (home.startsWith(QLatin1Char('/'))) {
        const QString cache = home + QStringLiteral("/.cache");
        ::mkdir(QFile::encodeName(cache).constData(), 0700);
        const QString own = cache + QStringLiteral("/tavlix-runtime");
        if (makePrivateFolder(own))
            return own;
    }
    // Last, a fresh private folder: this copy then runs without finding
    // others, but it runs.
    QByteArray pattern = QFile::encodeName(shared + QStringLiteral("-XXXXXX"));
    if (::mkdtemp(pattern.data()))
        return QFile::decodeName(pattern);
    return shared;
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
