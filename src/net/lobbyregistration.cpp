#include "lobbyregistration.h"

#include "lobbylink.h"
#include "protocol.h"
#include "tsock.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Deletes a link from the event loop: it may be inside one of its signals.
void dropLater(std::unique_ptr<LobbyLink> &link)
{
    if (link) {
        link->disconnect();
        link.release()->deleteLater();
    }
}

} // namespace

LobbyRegistration::LobbyRegistration(const ServiceAddress &service, const QByteArray &secret, QObject *parent)
    : QObject(parent), m_service(service), m_secret(secret)
{
    m_updateTimer.setSingleShot(true);
    connect(&m_updateTimer, &QTimer::timeout, this, &LobbyRegistration::updateTimerTimeout);
    m_pingTimer.setInterval(PingIntervalMs);
    connect(&m_pingTimer, &QTimer::timeout, this, [this] {
        if (m_link && m_registered)
            m_link->send(LobbyLine{"PING", {}});
    });
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &LobbyRegistration::retryTimerTimeout);
}

LobbyRegistration::~LobbyRegistration()
{
    withdraw();
}

LobbyLine LobbyRegistration::tableFields(const char *word, const LobbyTable &table)
{
    LobbyLine line{word, {}};
    line.add("players", table.players)
        .add("watchers", table.watchers)
        .add("free", table.free)
        .add("state", QByteArray(table.playing ? "playing" : "waiting"))
        .add("round", table.round)
        .add("locked", QByteArray(table.locked ? "1" : "0"))
        .add("visibility", QByteArray(table.listed ? "public" : "invite"));
    return line;
}

void LobbyRegistration::publish(const LobbyTable &table)
{
    m_wanted = table;
    if (!m_link) {
        if (!m_retryTimer.isActive())
            connectNow();
        return;
    }
    if (!m_registered || m_updateTimer.isActive())
        return;
    const qint64 since = m_sinceUpdate.isValid() ? m_sinceUpdate.elapsed() : MinIntervalMs;
    m_updateTimer.start(int(std::clamp<qint64>(MinIntervalMs - since, 0, MinIntervalMs)));
}

void LobbyRegistration::withdraw()
{
    m_wanted.reset();
    m_updateTimer.stop();
    m_retryTimer.stop();
    m_pingTimer.stop();
    if (m_link && m_registered)
        m_link->send(LobbyLine{"BYE", {}});
    // The line is on its way when the socket closes: the system sends what
    // it took before the orderly close.
    dropLater(m_link);
    m_registered = false;
    m_sent.reset();
    for (auto &link : m_dialling)
        dropLater(link);
    m_dialling.clear();
}

void LobbyRegistration::connectNow()
{
    if (!m_wanted)
        return;
    LobbyLine host = tableFields("HOST", *m_wanted);
    host.add("name", m_wanted->name)
        .add("game", QByteArray("tavlix"))
        .add("version", QByteArray(wire::ProgramVersion));
    if (!m_secret.isEmpty())
        host.add("secret", m_secret);
    m_link = std::make_unique<LobbyLink>(m_service);
    connect(m_link.get(), &LobbyLink::lineReceived, this, &LobbyRegistration::lineReceived);
    connect(m_link.get(), &LobbyLink::failed, this, &LobbyRegistration::lost);
    m_sent = m_wanted;
    m_link->open(host);
    m_sinceUpdate.start();
    m_pingTimer.start();
}

void LobbyRegistration::lineReceived(const LobbyLine &line)
{
    if (line.word == "REGISTERED") {
        const QByteArray secret = line.fields.count("secret") ? line.fields.at("secret") : QByteArray();
        m_registered = true;
        m_backoff = 0;
        m_quickRetry = true;
        m_code = line.text("code");
        if (!secret.isEmpty() && secret != m_secret) {
            m_secret = secret;
            emit secretChanged(secret);
        }
        emit registered(m_code);
        // What changed while the registration was on its way.
        if (m_wanted != m_sent)
            publish(*m_wanted);
        return;
    }
    if (line.word == "INCOMING") {
        const QByteArray ticket = line.fields.count("ticket") ? line.fields.at("ticket") : QByteArray();
        if (!ticket.isEmpty() && m_dialling.size() < MaxDialling)
            dial(ticket);
        return;
    }
    if (line.word != "ERR")
        return; // PONG, REACHABLE and words of later versions
    const QByteArray reason = line.fields.count("") ? line.fields.at("") : QByteArray();
    if (reason == "code-taken") {
        // Another table's code came from this secret: a new secret, a new code.
        m_secret.clear();
        m_quickRetry = true;
    }
    if (reason == "replaced") {
        // Another copy with this copy's secret registered the table: it is
        // that copy's now.
        withdraw();
        return;
    }
    if (reason == "shutting-down")
        m_quickRetry = true;
    lost(QCoreApplication::translate("LobbyRegistration", "the lobby refused the table: %1")
             .arg(QString::fromLatin1(reason)));
}

void LobbyRegistration::lost(const QString &reason)
{
    const bool wasRegistered = m_registered;
    dropLater(m_link);
    m_registered = false;
    m_sent.reset();
    m_pingTimer.stop();
    m_updateTimer.stop();
    if (!m_wanted)
        return;
    m_retryTimer.start(nextRetryMs());
    if (m_quickRetry)
        m_quickRetry = false;
    else
        ++m_backoff;
    // A registration that worked and broke is not news yet: it is tried
    // again in a moment, and told if that fails.
    if (!wasRegistered)
        emit unreachable(reason);
}

int LobbyRegistration::nextRetryMs() const
{
    if (m_quickRetry)
        return QuickRetryMs;
    return int(std::min<qint64>(qint64(FirstRetryMs) << std::min(m_backoff, 8), LongestRetryMs));
}

void LobbyRegistration::retryTimerTimeout()
{
    if (!m_link)
        connectNow();
}

void LobbyRegistration::updateTimerTimeout()
{
    if (!m_link || !m_registered || !m_wanted || m_wanted == m_sent)
        return;
    LobbyLine update = tableFields("UPDATE", *m_wanted);
    if (!m_sent || m_sent->name != m_wanted->name)
        update.add("name", m_wanted->name);
    m_link->send(update);
    m_sent = m_wanted;
    m_sinceUpdate.start();
    m_pingTimer.start();
}

void LobbyRegistration::dial(const QByteArray &ticket)
{
    auto link = std::make_unique<LobbyLink>(m_service);
    LobbyLink *raw = link.get();
    const auto done = [this, raw] {
        const auto found = std::find_if(m_dialling.begin(), m_dialling.end(),
                                        [raw](const auto &held) { return held.get() == raw; });
        if (found != m_dialling.end()) {
            dropLater(*found);
            m_dialling.erase(found);
        }
    };
    connect(raw, &LobbyLink::failed, this, done);
    connect(raw, &LobbyLink::lineReceived, this, [this, raw, done](const LobbyLine &line) {
        std::optional<SocketAddress> joiner = SocketAddress::fromLiteral(line.text("address"));
        const std::optional<int> port = line.number("port");
        if (line.word == "PAIRED" && joiner && port) {
            joiner->setPort(quint16(*port));
            QByteArray leftover;
            std::unique_ptr<TSock> connection = raw->takeConnection(leftover);
            done();
            emit relayed(connection.release(), *joiner, leftover);
            return;
        }
        // A refusal (the joiner went, the ticket expired), or a pairing that
        // names nobody: nobody to play with on it.
        done();
    });
    m_dialling.push_back(std::move(link));
    raw->open(LobbyLine{"ACCEPT", {}}.add("ticket", ticket));
}
