#pragma once

#include <QByteArray>
#include <QList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace wire {

// Cuts one connection's byte stream into messages at each 0xFF. The bytes
// after the last 0xFF are kept until the rest of their message arrives, so a
// message that TCP splits over two reads arrives whole. The kept tail is
// bounded: a peer that sends more than MaxTail bytes without a terminator is
// broken or hostile; its tail is dropped and overflowed() tells the owner to
// close the connection.
class LineFramer
{
public:
    static constexpr qsizetype MaxTail = 64 * 1024;

    // The complete messages in bytes (terminators removed), in order.
    QList<QByteArray> feed(const QByteArray &bytes);
    bool overflowed() const { return m_overflowed; }
    qsizetype pending() const { return m_tail.size(); }
    void clear();

private:
    QByteArray m_tail;
    bool m_overflowed = false;
};

// One received message and where it came from: the host records the seat
// number of the connection that sent it, so a handler can check that a seat
// named in the message belongs to its sender, and the serial number of that
// connection, so a line whose connection has gone is never taken as the word
// of the next occupant of the seat. The client leaves both 0.
// The message is kept as it was split on arrival (splitMessage), so that
// nobody cuts it again on its way to the handler.
struct QueuedLine
{
    QByteArray name;
    QByteArray body;
    int origin = 0;
    quint64 connection = 0;
};

// The receive queue (`receivedlist`): filled by read events, emptied one line
// per timer tick.
class MessageQueue
{
public:
    void push(const QByteArray &text, int origin = 0, quint64 connection = 0);
    // A message split already: its name and body.
    void push(QByteArray name, QByteArray body, int origin, quint64 connection);
    std::optional<QueuedLine> take();
    // Drops every line of the connection (one that has gone); how many.
    std::size_t removeConnection(quint64 connection);
    bool isEmpty() const { return m_lines.empty(); }
    std::size_t size() const { return m_lines.size(); }
    void clear() { m_lines.clear(); }

private:
    std::deque<QueuedLine> m_lines;
};

// Hands a message's body to the handler registered for its exact,
// case-sensitive name, comparing names in the order of registration. Empty
// lines, lines without "+" and unknown names do nothing. A handler that meets
// a bad number field throws BadField, which ends that message quietly.
class Dispatcher
{
public:
    using Handler = std::function<void(const QByteArray &body, int origin)>;

    void on(const QByteArray &name, Handler handler);
    // Installs the handler of a name registered before (keeping its place in
    // the order), or registers it at the end. An empty handler leaves the
    // name unhandled.
    void set(const QByteArray &name, Handler handler);
    // True when a handler took the line.
    bool dispatch(const QByteArray &line, int origin = 0) const;
    // The same for a message split already.
    bool dispatch(const QByteArray &name, const QByteArray &body, int origin) const;
    // Takes the first line of the queue, if any, and dispatches it.
    bool dispatchNext(MessageQueue &queue) const;

private:
    std::vector<std::pair<QByteArray, Handler>> m_handlers;
};

} // namespace wire
