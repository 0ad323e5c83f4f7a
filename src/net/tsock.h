#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <stdexcept>

// Kinds of the info event, in this order.
enum class TSocketInfo { Lookup, Connect, Close, Listen, Receive, Send, Accept, Error };

// Raised by TSock operations that fail; what() is one of the fixed texts
// ("Send - Socket Not Connected", "Listen - Error Binding Socket", ...).
class ESockException : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// One TCP endpoint over IPv4, non-blocking and event-driven: a listener, an
// outgoing connection or a connection accepted by a listener. It moves bytes
// unchanged and knows nothing of messages.
//
// Readiness of every endpoint reaches the bound events on the Qt main thread,
// one notification at a time (never re-entrantly), in this order of kinds:
// connect complete (OnConnect), closed by the peer (OnDisconnect then Close),
// info (OnInfo), readable (OnRead), writable (OnWrite), incoming connection
// (OnAccept). An unbound event is skipped. A handler may call Send, Receive
// and Close on any endpoint, including the one whose event is running, and
// may destroy another endpoint.
//
// Ownership: an endpoint made by Accept is a child of its listener and dies
// with it at the latest; its owner may delete it earlier. Destroying an
// endpoint that is listening or connected closes it first.
class TSock : public QObject
{
    Q_OBJECT
public:
    using NotifyEvent = std::function<void(TSock *sender)>;
    using NotifyReadEvent = std::function<void(TSock *sender, int count)>;
    using NotifyInfoEvent = std::function<void(TSock *sender, TSocketInfo info, const QString &msg)>;

    explicit TSock(QObject *parent = nullptr);
    ~TSock() override;

    // Peer to connect to; on an accepted connection the peer's dotted address.
    QString HostName() const;
    void setHostName(const QString &name);
    // Decimal port or service name; accepted connections copy the listener's.
    QString PortName() const;
    void setPortName(const QString &name);

    bool Listen() const;
    void setListen(bool listen);
    bool Connected() const;
    int BlockingTimeout() const;
    void setBlockingTimeout(int timeout);

    // Starts an outgoing connection; returns the connected flag (false: the
    // connection completes later through OnConnect or an Error info).
    bool Open();
    // On a listener inside OnAccept: the new connection, owned by this
    // listener, with OnRead, OnWrite, OnDisconnect, OnInfo and
    // BlockingTimeout copied; false (out unchanged) when accepting failed.
    bool Accept(TSock *&out);
    // Queues the bytes and offers the whole outgoing buffer to the system in
    // one call; what it does not take waits for the next writable event.
    bool Send(const QByteArray &bytes);
    // The whole incoming buffer (emptied), or at most count bytes of it.
    QByteArray Receive();
    QByteArray Receive(int count);
    // Orderly close; raises the "Socket Closed" info unless a listener. Safe
    // to call again, also from inside OnDisconnect. Swallows every error.
    bool Close();

    int Tag() const;
    void setTag(int tag);

    NotifyEvent OnConnect;
    NotifyEvent OnDisconnect;
    NotifyInfoEvent OnInfo;
    NotifyReadEvent OnRead;
    NotifyEvent OnWrite;
    NotifyEvent OnAccept;

private:
    struct Private;
    Private *d;
};
