#include "admission.h"

#include "protocol.h"
#include "socketaddress.h"

#include <algorithm>

namespace {

Admission::Limits g_limits;

// Below this many tracked addresses nothing is pruned; above, a prune runs
// whenever the table has doubled since the last one, so a flood from many
// addresses costs memory in proportion to the addresses of the last minutes
// and time in proportion to the connections.
constexpr std::size_t PruneFloor = 256;

const char *reasonText(Admission::Refusal why)
{
    switch (why) {
    case Admission::Refusal::TooManyWaiting:
        return "too many waiting to log in";
    case Admission::Refusal::TooManyConnections:
        return "too many connections";
    case Admission::Refusal::Removed:
        return "removed";
    case Admission::Refusal::Locked:
        return "table locked";
    case Admission::Refusal::None:
        break;
    }
    return "";
}

} // namespace

const Admission::Limits &Admission::limits()
{
    return g_limits;
}

void Admission::setLimitsForTests(const Limits &limits)
{
    g_limits = limits;
}

QString Admission::blockOf(const QString &address)
{
    const std::optional<SocketAddress> parsed = SocketAddress::fromLiteral(address);
    if (!parsed)
        return address;
    if (parsed->family() != AF_INET6)
        return parsed->text();
    in6_addr ip = reinterpret_cast<const sockaddr_in6 *>(parsed->data())->sin6_addr;
    if (IN6_IS_ADDR_V4MAPPED(&ip))
        return parsed->text();
    // The zone of a link-local address goes with the rest of the host part.
    std::fill(ip.s6_addr + 8, ip.s6_addr + 16, 0);
    return SocketAddress::ipv6(ip).text() + QStringLiteral("/64");
}

bool Admission::ownMachine(const QString &address)
{
    const std::optional<SocketAddress> parsed = SocketAddress::fromLiteral(address);
    return parsed && (parsed->text() == QLatin1String("127.0.0.1") || parsed->text() == QLatin1String("::1"));
}

Admission::Entry &Admission::entry(const QString &block, qint64 now)
{
    if (m_entries.size() >= m_pruneAt) {
        prune(now);
        m_pruneAt = std::max(PruneFloor, 2 * m_entries.size());
    }
    return m_entries[block];
}

Admission::Refusal Admission::judge(const QString &address, int waiting, qint64 now)
{
    const bool own = ownMachine(address);
    Entry &e = entry(blockOf(address), now);
    if (!own) {
        while (!e.connects.empty() && e.connects.front() <= now - g_limits.rateWindowMs)
            e.connects.pop_front();
        e.connects.push_back(now);
        // Only whether the window holds more than the allowance matters, so
        // a flood keeps no more than that many times.
        if (e.connects.size() > std::size_t(g_limits.connectsPerWindow) + 1)
            e.connects.pop_front();
        if (e.connects.size() > std::size_t(g_limits.connectsPerWindow))
            return Refusal::TooManyConnections;
    }
    if (e.removed)
        return Refusal::Removed;
    if (m_locked && !e.held)
        return Refusal::Locked;
    if (!own && waiting >= g_limits.waitingPerAddress)
        return Refusal::TooManyWaiting;
    return Refusal::None;
}

std::optional<QString> Admission::refused(const QString &address, Refusal why, qint64 now)
{
    Entry &e = entry(blockOf(address), now);
    if (why == Refusal::Removed && !e.removedLineSaid) {
        e.removedLineSaid = true;
        e.lastLine = now;
        return QStringLiteral("%1 tried to join again and was turned away.").arg(wire::decodeText(e.removedName));
    }
    ++e.pending;
    ++e.reasons[static_cast<std::size_t>(why)];
    if (!e.due)
        e.due = e.lastLine ? std::max(now + g_limits.reportGatherMs, *e.lastLine + g_limits.reportGapMs)
                           : now + g_limits.reportGatherMs;
    return std::nullopt;
}

void Admission::heldSeat(const QString &address)
{
    // Looked up without pruning: this never runs under a flood.
    m_entries[blockOf(address)].held = true;
}

void Admission::removed(const QString &address, const QByteArray &name)
{
    Entry &e = m_entries[blockOf(address)];
    e.removed = true;
    e.held = false;
    e.removedName = name;
    e.removedLineSaid = false;
}

void Admission::clear()
{
    m_entries.clear();
    m_others = Entry{};
    m_otherAddresses = 0;
    m_linesTold.clear();
    m_locked = false;
    m_pruneAt = PruneFloor;
}

QString Admission::reportLine(const Entry &e, const QString &from)
{
    const auto most = std::max_element(e.reasons.cbegin(), e.reasons.cend());
    const auto why = static_cast<Refusal>(most - e.reasons.cbegin());
    return QStringLiteral("Turned away %1 connections from %2 (%3).")
        .arg(e.pending)
        .arg(from, QLatin1String(reasonText(why)));
}

QStringList Admission::dueReports(qint64 now)
{
    while (!m_linesTold.empty() && m_linesTold.front() <= now - g_limits.reportGapMs)
        m_linesTold.pop_front();
    QStringList lines;
    for (auto &[block, e] : m_entries) {
        if (!e.due || *e.due > now)
            continue;
        e.due.reset();
        if (e.pending == 0)
            continue;
        if (m_linesTold.size() < std::size_t(g_limits.reportLinesPerGap)) {
            lines.append(reportLine(e, block));
            m_linesTold.push_back(now);
        } else {
            m_others.pending += e.pending;
            for (std::size_t i = 0; i < ReasonCount; ++i)
                m_others.reasons[i] += e.reasons[i];
            ++m_otherAddresses;
            if (!m_others.due)
                m_others.due = m_others.lastLine ? std::max(now + g_limits.reportGatherMs,
                                                            *m_others.lastLine + g_limits.reportGapMs)
                                                 : now + g_limits.reportGatherMs;
        }
        e.pending = 0;
        e.reasons = {};
        e.lastLine = now;
    }
    if (m_others.due && *m_others.due <= now) {
        lines.append(reportLine(m_others, QStringLiteral("%1 other addresses").arg(m_otherAddresses)));
        m_others = Entry{};
        m_others.lastLine = now;
        m_otherAddresses = 0;
    }
    return lines;
}

std::optional<qint64> Admission::nextReport() const
{
    std::optional<qint64> next = m_others.due;
    for (const auto &[block, e] : m_entries) {
        if (e.due && (!next || *e.due < *next))
            next = e.due;
    }
    return next;
}

void Admission::prune(qint64 now)
{
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        const Entry &e = it->second;
        const bool counting = !e.connects.empty() && e.connects.back() > now - g_limits.rateWindowMs;
        const bool quietSinceLine = !e.lastLine || *e.lastLine <= now - g_limits.reportGapMs;
        if (!e.held && !e.removed && e.pending == 0 && !e.due && !counting && quietSinceLine)
            it = m_entries.erase(it);
        else
            ++it;
    }
}
