#include "messagequeue.h"

#include "protocol.h"

namespace wire {

QList<QByteArray> LineFramer::feed(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = bytes.indexOf(Terminator, start);
        if (end < 0)
            break;
        if (m_tail.isEmpty()) {
            lines.append(bytes.mid(start, end - start));
        } else {
            m_tail.append(bytes.constData() + start, end - start);
            lines.append(m_tail);
            m_tail.clear();
        }
        start = end + 1;
    }
    m_tail.append(bytes.constData() + start, bytes.size() - start);
    if (m_tail.size() > MaxTail) {
        m_tail.clear();
        m_tail.squeeze();
        m_overflowed = true;
    }
    return lines;
}

void LineFramer::clear()
{
    m_tail.clear();
    m_overflowed = false;
}

void MessageQueue::push(const QByteArray &text, int origin, quint64 connection)
{
    auto [name, body] = splitMessage(text);
    push(std::move(name), std::move(body), origin, connection);
}

void MessageQueue::push(QByteArray name, QByteArray body, int origin, quint64 connection)
{
    m_lines.push_back({std::move(name), std::move(body), origin, connection});
}

std::size_t MessageQueue::removeConnection(quint64 connection)
{
    return std::erase_if(m_lines, [connection](const QueuedLine &line) { return line.connection == connection; });
}

std::optional<QueuedLine> MessageQueue::take()
{
    if (m_lines.empty())
        return std::nullopt;
    QueuedLine line = std::move(m_lines.front());
    m_lines.pop_front();
    return line;
}

void Dispatcher::on(const QByteArray &name, Handler handler)
{
    m_handlers.emplace_back(name, std::move(handler));
}

void Dispatcher::set(const QByteArray &name, Handler handler)
{
    for (auto &[handlerName, existing] : m_handlers) {
        if (handlerName == name) {
            existing = std::move(handler);
            return;
        }
    }
    on(name, std::move(handler));
}

bool Dispatcher::dispatch(const QByteArray &line, int origin) const
{
    const auto [name, body] = splitMessage(line);
    return dispatch(name, body, origin);
}

bool Dispatcher::dispatch(const QByteArray &name, const QByteArray &body, int origin) const
{
    if (name.isEmpty())
        return false;
    for (const auto &[handlerName, handler] : m_handlers) {
        if (handlerName != name)
            continue;
        if (!handler)
            return false;
        try {
            handler(body, origin);
        } catch (const BadField &) {
            // A number field that is not a number: the message is dropped.
        }
        return true;
    }
    return false;
}

bool Dispatcher::dispatchNext(MessageQueue &queue) const
{
    const std::optional<QueuedLine> line = queue.take();
    return line && dispatch(line->name, line->body, line->origin);
}

} // namespace wire
