#include "loopback.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

sockaddr_in loopbackAddress(quint16 port)
{
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

bool readable(int fd, int timeoutMs)
{
    pollfd p {fd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0;
}

const char *kindName(TSocketInfo kind)
{
    switch (kind) {
    case TSocketInfo::Lookup: return "Lookup";
    case TSocketInfo::Connect: return "Connect";
    case TSocketInfo::Close: return "Close";
    case TSocketInfo::Listen: return "Listen";
    case TSocketInfo::Receive: return "Receive";
    case TSocketInfo::Send: return "Send";
    case TSocketInfo::Accept: return "Accept";
    case TSocketInfo::Error: return "Error";
    }
    return "?";
}

} // namespace

namespace {

class ActivationCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::SockAct || event->type() == QEvent::SockClose)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int socketActivationsDuring(int ms)
{
    ActivationCounter counter;
    QCoreApplication::instance()->installEventFilter(&counter);
    spinFor(ms);
    QCoreApplication::instance()->removeEventFilter(&counter);
    return counter.count;
}

QString infoLine(TSocketInfo kind, const QString &text)
{
    return QStringLiteral("info %1 %2").arg(QLatin1String(kindName(kind)), text);
}

void recordEvents(TSock *sock, QStringList &log)
{
    sock->OnConnect = [&log](TSock *) { log << QStringLiteral("connect"); };
    sock->OnDisconnect = [&log](TSock *) { log << QStringLiteral("disconnect"); };
    sock->OnAccept = [&log](TSock *) { log << QStringLiteral("accept"); };
    sock->OnWrite = [&log](TSock *) { log << QStringLiteral("write"); };
    sock->OnRead = [&log](TSock *, int count) { log << QStringLiteral("read %1").arg(count); };
    sock->OnInfo = [&log](TSock *, TSocketInfo kind, const QString &text) { log << infoLine(kind, text); };
}

std::unique_ptr<TSock> ephemeralListener()
{
    auto listener = std::make_unique<TSock>();
    listener->setPortName(QStringLiteral("0"));
    listener->setListen(true);
    return listener;
}

RecordingListener::RecordingListener() : listener(ephemeralListener())
{
    listener->OnAccept = [this](TSock *sender) {
        sender->Accept(accepted);
        recordEvents(accepted, log);
    };
}

std::unique_ptr<TSock> connectingClient(quint16 port, const QString &host)
{
    auto client = std::make_unique<TSock>();
    client->setHostName(host);
    client->setPortName(QString::number(port));
    client->Open();
    return client;
}

RawPeer::RawPeer(RawPeer &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

RawPeer &RawPeer::operator=(RawPeer &&other) noexcept
{
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

RawPeer::~RawPeer() { close(); }

RawPeer RawPeer::connectTo(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = loopbackAddress(port);
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return RawPeer();
    }
    return RawPeer(fd);
}

void RawPeer::send(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(m_fd, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (n <= 0)
            return;
        done += n;
    }
}

QByteArray RawPeer::read(qsizetype count, int timeoutMs)
{
    QByteArray got;
    waitUntil([&] {
        while (got.size() < count && readable(m_fd, 0)) {
            char buffer[65536];
            const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
            if (n <= 0)
                return true;
            got.append(buffer, n);
        }
        return got.size() >= count;
    }, timeoutMs);
    return got;
}

bool RawPeer::waitForEnd(int timeoutMs)
{
    return waitUntil([&] {
        if (!readable(m_fd, 0))
            return false;
        char buffer[4096];
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        return n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR);
    }, timeoutMs);
}

void RawPeer::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void RawPeer::reset()
{
    const linger abortive {1, 0};
    ::setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    close();
}

RawListener::RawListener(quint16 port, bool reuseAddress)
{
    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (reuseAddress) {
        const int one = 1;
        ::setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    }
    sockaddr_in address = loopbackAddress(port);
    socklen_t length = sizeof address;
    if (::bind(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::listen(m_fd, 5) != 0
        || ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_port = ntohs(address.sin_port);
}

RawListener::~RawListener()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

RawPeer RawListener::accept(int timeoutMs)
{
    int fd = -1;
    waitUntil([&] {
        if (readable(m_fd, 0))
            fd = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
        return fd >= 0;
    }, timeoutMs);
    return RawPeer(fd);
}
