#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

class SocketAddress;

// Kinds of the info event, in this order.
enum class TSocketInfo { Lookup, Connect, Close, Listen, Receive, Send, Accept, Error };

// Raised by TSock operations that fail; what() is one of the fixed texts
// ("Send - Socket Not Connected", "Listen - Error Binding Socket", ...).
class ESockException : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// One TCP endpoint over IPv4 or IPv6, non-blocking and event-driven: a
// listener (on both families where the machine has IPv6), an outgoing
// connection or a connection accepted by a listener. It moves bytes
// unchanged and knows nothing of messages.
//
// Readiness of every endpoint reaches the bound events on the Qt main thread,
// one notification at a time (never re-entrantly: a notification that comes
// up while a handler runs a nested event loop waits until that handler has
// returned). The kinds of notification and what each raises:
//   readable            one read of up to 32768 bytes, info (Receive), OnRead
//   writable            flush of the outgoing buffer, info (Send), OnWrite;
//                       once when a connection is established, and again
//                       when the system takes more after a send had to wait
//   connect complete    connected flag, info (Connect), OnConnect; the first
//                       writable follows
//   closed by the peer  OnDisconnect, then Close (info "Socket Closed")
//   incoming connection OnAccept (the handler decides whether to Accept)
//   error               only info (Error, "Error #10054 (WSAECONNRESET)" and
//                       the like); the endpoint stays open, and stays silent,
//                       until its owner closes it
// Bytes that arrived before the peer closed are always read before the close
// is reported. An unbound event is skipped. A handler may call Send, Receive
// and Close on any endpoint, including the one whose event is running, and
// may destroy another endpoint. Exceptions that handlers throw end the
// notification and never reach the Qt event loop.
//
// Ownership: an endpoint made by Accept is a child of its listener and dies
// with it at the latest; its owner may delete it earlier. Destroying an
// endpoint closes its socket in the same orderly way as Close, but raises no
// event (not even "Socket Closed"): handlers are not called on owners that are
// being torn down. An owner that wants to hear "Socket Closed" calls Close
// before destroying the endpoint.
class TSock : public QObject
{
    Q_OBJECT
public:
    using NotifyEvent = std::function<void(TSock *sender)>;
    using NotifyReadEvent = std::function<void(TSock *sender, int count)>;
    using NotifyInfoEvent = std::function<void(TSock *sender, TSocketInfo info, const QString &msg)>;

    explicit TSock(QObject *parent = nullptr);
    ~TSock() override;

    // Peer to connect to: a name, dotted IPv4, or IPv6 with or without
    // brackets. On an accepted connection the peer's address as text:
    // dotted IPv4 (never "::ffff:1.2.3.4"), or IPv6 in its shortest form
    // (RFC 5952), with a zone only for a link-local peer.
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
    // Game connections: the kernel's liveness checks (ConnectionLiveness)
    // on the socket this endpoint opens, or on every connection this
    // listener accepts (which copy the flag). Off by default.
    bool KeepAlive() const;
    void setKeepAlive(bool on);
    // A listener that binds the loopback addresses only (127.0.0.1, and ::1
    // where there is IPv6), so that nothing outside this machine can connect
    // (a solo game). Set before listening; off by default (every interface).
    bool LoopbackOnly() const;
    void setLoopbackOnly(bool on);

    // Starts an outgoing connection; returns the connected flag (false: the
    // connection completes later through OnConnect or an Error info).
    // A host name that is not in the host cache is resolved in the
    // background first, the endpoint connecting meanwhile (Send queues);
    // when it has no address the Error info carries "Host Lookup - Could
    // Not Find Host Entry". An address literal that does not parse raises
    // it. A name's addresses are tried one by one with a head start each
    // (ConnectionRace); the Error info of a failure comes once all failed.
    bool Open();
    // On a listener inside OnAccept: the new connection, owned by this
    // listener, with OnRead, OnWrite, OnDisconnect, OnInfo and
    // BlockingTimeout copied; false (out unchanged) when accepting failed.
    bool Accept(TSock *&out);
    // Queues the bytes and offers the whole outgoing buffer to the system in
    // one call; what it does not take waits for the next writable event.
    bool Send(const QByteArray &bytes);
    // Bytes queued by Send that the system has not taken yet.
    qsizetype PendingOutput() const;
    // The whole incoming buffer (emptied), or at most count bytes of it.
    QByteArray Receive();
    QByteArray Receive(int count);
    // Orderly close; raises the "Socket Closed" info unless a listener. Safe
    // to call again, also from inside OnDisconnect. Swallows every error.
    // Bytes sent and taken by the system still reach the peer; bytes that
    // arrived but were never read are dropped; neither buffer is cleared.
    bool Close();

    int Tag() const;
    void setTag(int tag);

    // The local port of the open socket (0 without one): a listener started
    // on PortName "0" learns here which port the system chose.
    quint16 LocalPort() const;

    // On an accepted connection the peer's address and port, as accept()
    // gave it (HostName() is its text).
    std::optional<SocketAddress> PeerAddress() const;
    // Whether `address` is the local end of this endpoint's socket, or of
    // one of its attempts to connect still under way: a host in the same
    // process knows its own client's connection by this.
    bool IsLocalEnd(const SocketAddress &address) const;
    // The Windows Sockets code of the last Error info (0 before any), read
    // by handlers of that info instead of parsing its text.
    int LastError() const;

    // Whether the process-wide host cache holds a resolved name.
    static bool hostCacheContains(const QString &name);

    NotifyEvent OnConnect;
    NotifyEvent OnDisconnect;
    NotifyInfoEvent OnInfo;
    NotifyReadEvent OnRead;
    NotifyEvent OnWrite;
    NotifyEvent OnAccept;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
