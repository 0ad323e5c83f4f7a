#include "admission.h"

#include "protocol.h"

#include <algorithm>
#include <cstring>

namespace {

Admission::Limits g_limits;

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

// The first eight bytes of an IPv6 address (its /64); nothing for IPv4,
// also when written as an IPv4-mapped IPv6 address.
std::optional<in6_addr> ipv6Of(const SocketAddress &address)
{
    if (address.family() != AF_INET6)
        return std::nullopt;
    const in6_addr ip = reinterpret_cast<const sockaddr_in6 *>(address.data())->sin6_addr;
    if (IN6_IS_ADDR_V4MAPPED(&ip))
        return std::nullopt;
    return ip;
}

QByteArray comparableName(const QByteArray &name)
{
    return name.trimmed().toLower();
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

QString Admission::blockOf(const SocketAddress &address)
{
    std::optional<in6_addr> ip = ipv6Of(address);
    if (!ip) {
        SocketAddress plain = address;
        plain.setPort(0);
        return plain.text();
    }
    // The zone of a link-local address goes with the rest of the host part.
    std::fill(ip->s6_addr + 8, ip->s6_addr + 16, 0);
    return SocketAddress::ipv6(*ip).text() + QStringLiteral("/64");
}

bool Admission::sameBlock(const SocketAddress &a, const SocketAddress &b, int prefixBits)
{
    const std::optional<in6_addr> x = ipv6Of(a);
    const std::optional<in6_addr> y = ipv6Of(b);
    if (!x || !y)
        return !x && !y && a.text() == b.text();
    const int bytes = std::clamp(prefixBits, 0, 64) / 8;
    return std::memcmp(x->s6_addr, y->s6_addr, std::size_t(bytes)) == 0;
}

Admission::Entry &Admission::entry(const QString &block)
{
    auto it = m_entries.find(block);
    if (it != m_entries.end()) {
        m_ages.splice(m_ages.end(), m_ages, it->second.age);
        return it->second;
    }
    while (!m_entries.empty() && m_entries.size() >= std::max<std::size_t>(1, g_limits.trackedBlocks))
        forgetOldest();
    Entry &e = m_entries[block];
    e.age = m_ages.insert(m_ages.end(), block);
    return e;
}

void Admission::forgetOldest()
{
    const QString block = m_ages.front();
    m_ages.pop_front();
    auto it = m_entries.find(block);
    // What it had not told yet is told with the other blocks.
    if (it->second.pending != 0)
        addToOthers(it->second, it->second.due.value_or(0));
    m_entries.erase(it);
    // Report times of forgotten blocks are dropped when their turn comes;
    // should they pile up, the heap is built again from what is kept.
    if (m_due.size() > 2 * m_entries.size() + 64) {
        std::vector<Due> live;
        for (const auto &[key, e] : m_entries) {
            if (e.due)
                live.emplace_back(*e.due, key);
        }
        m_due = decltype(m_due)(std::greater<>(), std::move(live));
    }
}

Admission::Ban *Admission::banOf(const QString &block, const QByteArray &name)
{
    const QByteArray wanted = comparableName(name);
    for (Ban &ban : m_bans) {
        if ((!ban.block.isEmpty() && ban.block == block) || (!wanted.isEmpty() && comparableName(ban.name) == wanted))
            return &ban;
    }
    return nullptr;
}

Admission::Refusal Admission::judge(const SocketAddress &address, const Waiting &waiting, qint64 now)
{
    const QString block = blockOf(address);
    Entry &e = entry(block);
    while (!e.connects.empty() && e.connects.front() <= now - g_limits.rateWindowMs)
        e.connects.pop_front();
    e.connects.push_back(now);
    // Only whether the window holds more than the allowance matters, so a
    // flood keeps no more than that many times.
    if (e.connects.size() > std::size_t(g_limits.connectsPerWindow) + 1)
        e.connects.pop_front();
    if (e.connects.size() > std::size_t(g_limits.connectsPerWindow))
        return Refusal::TooManyConnections;
    if (banOf(block, {}))
        return Refusal::Removed;
    const bool held = heldBefore(address);
    if (m_locked && !held)
        return Refusal::Locked;
    // A player who held a seat keeps a place among strangers.
    if (!held
        && (waiting.block >= g_limits.waitingPerAddress || waiting.block56 >= g_limits.waitingPer56
            || waiting.block48 >= g_limits.waitingPer48))
        return Refusal::TooManyWaiting;
    return Refusal::None;
}

void Admission::schedule(Entry &e, const QString &block, qint64 now)
{
    if (e.due)
        return;
    e.due = e.lastLine ? std::max(now + g_limits.reportGatherMs, *e.lastLine + g_limits.reportGapMs)
                       : now + g_limits.reportGatherMs;
    m_due.emplace(*e.due, block);
}

std::optional<QString> Admission::refused(const SocketAddress &address, Refusal why, qint64 now,
                                          const QByteArray &name)
{
    const QString block = blockOf(address);
    if (why == Refusal::Removed) {
        Ban *ban = banOf(block, name);
        if (ban && !ban->lineSaid) {
            ban->lineSaid = true;
            return QStringLiteral("%1 tried to join again and was turned away.").arg(wire::decodeText(ban->name));
        }
    }
    Entry &e = entry(block);
    ++e.pending;
    ++e.reasons[static_cast<std::size_t>(why)];
    schedule(e, block, now);
    return std::nullopt;
}

void Admission::heldSeat(const SocketAddress &address)
{
    const QString block = blockOf(address);
    if (std::find(m_held.cbegin(), m_held.cend(), block) != m_held.cend())
        return;
    m_held.push_back(block);
    while (m_held.size() > g_limits.heldAddresses)
        m_held.pop_front();
}

bool Admission::heldBefore(const SocketAddress &address) const
{
    return std::find(m_held.cbegin(), m_held.cend(), blockOf(address)) != m_held.cend();
}

void Admission::removed(const std::optional<SocketAddress> &address, const QByteArray &name)
{
    QString block;
    if (address) {
        block = blockOf(*address);
        std::erase(m_held, block);
    }
    m_bans.push_back({block, name, false});
}

bool Admission::tellsWhoCame(const SocketAddress &address)
{
    const QString text = address.text();
    return text != QLatin1String("127.0.0.1") && text != QLatin1String("::1");
}

bool Admission::nameRemoved(const QByteArray &name) const
{
    const QByteArray wanted = comparableName(name);
    return !wanted.isEmpty() && std::any_of(m_bans.cbegin(), m_bans.cend(), [&](const Ban &ban) {
        return comparableName(ban.name) == wanted;
    });
}

void Admission::clear()
{
    m_entries.clear();
    m_ages.clear();
    m_due = {};
    m_others = Entry{};
    m_otherAddresses = 0;
    m_linesTold.clear();
    m_bans.clear();
    m_held.clear();
    m_locked = false;
}

QString Admission::reportLine(const Entry &e, const QString &from)
{
    const auto most = std::max_element(e.reasons.cbegin(), e.reasons.cend());
    const auto why = static_cast<Refusal>(most - e.reasons.cbegin());
    return QStringLiteral("Turned away %1 connections from %2 (%3).")
        .arg(e.pending)
        .arg(from, QLatin1String(reasonText(why)));
}

void Admission::addToOthers(Entry &e, qint64 now)
{
    m_others.pending += e.pending;
    for (std::size_t i = 0; i < ReasonCount; ++i)
        m_others.reasons[i] += e.reasons[i];
    ++m_otherAddresses;
    if (!m_others.due)
        m_others.due = m_others.lastLine
                           ? std::max(now + g_limits.reportGatherMs, *m_others.lastLine + g_limits.reportGapMs)
                           : now + g_limits.reportGatherMs;
    e.pending = 0;
    e.reasons = {};
}

QStringList Admission::dueReports(qint64 now)
{
    while (!m_linesTold.empty() && m_linesTold.front() <= now - g_limits.reportGapMs)
        m_linesTold.pop_front();
    QStringList lines;
    while (!m_due.empty() && m_due.top().first <= now) {
        const auto [due, block] = m_due.top();
        m_due.pop();
        const auto it = m_entries.find(block);
        // A block forgotten since, or told since.
        if (it == m_entries.end() || it->second.due != due)
            continue;
        Entry &e = it->second;
        e.due.reset();
        if (e.pending == 0)
            continue;
        if (m_linesTold.size() < std::size_t(g_limits.reportLinesPerGap)) {
            lines.append(reportLine(e, block));
            m_linesTold.push_back(now);
            e.pending = 0;
            e.reasons = {};
        } else {
            addToOthers(e, now);
        }
        e.lastLine = now;
    }
    if (m_others.due && *m_others.due <= now) {
        if (m_others.pending != 0)
            lines.append(reportLine(m_others, QStringLiteral("%1 other addresses").arg(m_otherAddresses)));
        m_others = Entry{};
        m_others.lastLine = now;
        m_otherAddresses = 0;
    }
    return lines;
}

std::optional<qint64> Admission::nextReport() const
{
    // The top of the heap may belong to a block forgotten since: the timer
    // then only finds nothing to tell.
    std::optional<qint64> next = m_others.due;
    if (!m_due.empty() && (!next || m_due.top().first < *next))
        next = m_due.top().first;
    return next;
}
