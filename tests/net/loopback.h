#pragma once

#include "eventloop.h"
#include "tsock.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <memory>

// Runs the event loop for a while and counts the socket notifier activations
// in the whole process: a socket that keeps waking the loop in vain shows up
// here in the thousands.
int socketActivationsDuring(int ms);

// Binds every event of an endpoint to a line in a log, in the order they
// come: "connect", "disconnect", "accept", "write", "read 5",
// "info Close Socket Closed".
void recordEvents(TSock *sock, QStringList &log);
QString infoLine(TSocketInfo kind, const QString &text);

// A listener on a port the system chooses.
std::unique_ptr<TSock> ephemeralListener();

// A listener on a port the system chooses that accepts connections and
// records the events of the last one accepted in `log`.
struct RecordingListener
{
    RecordingListener();
    RecordingListener(const RecordingListener &) = delete;
    RecordingListener &operator=(const RecordingListener &) = delete;
    quint16 port() const { return listener->LocalPort(); }

    std::unique_ptr<TSock> listener;
    TSock *accepted = nullptr;
    QStringList log;
};
// An endpoint that starts connecting to the host (127.0.0.1 unless given) on
// the given port.
std::unique_ptr<TSock> connectingClient(quint16 port, const QString &host = QStringLiteral("127.0.0.1"));

// The far end of a connection, as a plain blocking socket: tests use it to
// see the bytes on the wire and to do what the transport never does (reset a
// connection with SO_LINGER 0).
class RawPeer
{
public:
    RawPeer() = default;
    explicit RawPeer(int fd) : m_fd(fd) {}
    RawPeer(RawPeer &&other) noexcept;
    RawPeer &operator=(RawPeer &&other) noexcept;
    ~RawPeer();

    static RawPeer connectTo(quint16 port);
    bool isOpen() const { return m_fd >= 0; }
    void send(const QByteArray &bytes);
    // Reads while the event loop runs, until count bytes came, the stream
    // ended or the time is up.
    QByteArray read(qsizetype count, int timeoutMs = 5000);
    // True once the peer has closed its side (read gives end of stream).
    bool waitForEnd(int timeoutMs = 5000);
    void close();
    // Aborts the connection: the other side sees a reset.
    void reset();

private:
    int m_fd = -1;
};

// A plain listening socket on 127.0.0.1.
class RawListener
{
public:
    explicit RawListener(quint16 port = 0, bool reuseAddress = false);
    ~RawListener();
    bool isListening() const { return m_fd >= 0; }
    quint16 port() const { return m_port; }
    // Accepts while the event loop runs; an empty peer when none came.
    RawPeer accept(int timeoutMs = 5000);

private:
    int m_fd = -1;
    quint16 m_port = 0;
};
