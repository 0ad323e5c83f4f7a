#include "lobbyjoin.h"

#include "lobbylink.h"
#include "tsock.h"

#include <QCoreApplication>

LobbyJoin::LobbyJoin(const ServiceAddress &service, const QString &code, bool relay, QObject *parent)
    : QObject(parent), m_code(code), m_relay(relay), m_link(std::make_unique<LobbyLink>(service))
{
    connect(m_link.get(), &LobbyLink::lineReceived, this, &LobbyJoin::lineReceived);
    connect(m_link.get(), &LobbyLink::failed, this, [this](const QString &reason) {
        emit refused(QCoreApplication::translate("LobbyJoin", "Could not connect to the lobby at %1: %2.")
                         .arg(m_link->service().host, reason));
    });
}

LobbyJoin::~LobbyJoin() = default;

void LobbyJoin::start()
{
    LobbyLine join{"JOIN", {}};
    join.add("code", m_code);
    if (m_relay)
        join.add("relay", QByteArray("1"));
    // The service answers at once, or once the host has dialled in for the
    // relay, which it waits 30 s for.
    m_link->open(join, JoinAnswerMs);
}

void LobbyJoin::lineReceived(const LobbyLine &line)
{
    if (line.word == "DIRECT") {
        const std::optional<int> port = line.number("port");
        if (port && *port > 0 && !line.text("address").isEmpty()) {
            emit direct(line.text("address"), quint16(*port));
            return;
        }
    } else if (line.word == "RELAYED") {
        QByteArray leftover;
        std::unique_ptr<TSock> connection = m_link->takeConnection(leftover);
        emit relayed(connection.release(), leftover);
        return;
    } else if (line.word != "ERR") {
        return; // a word of a later version
    }
    const QByteArray reason = line.fields.count("") ? line.fields.at("") : QByteArray();
    if (reason == "unknown-code" || reason == "bad-code") {
        emit refused(QCoreApplication::translate("LobbyJoin", "There is no table with the invite code %1.").arg(m_code));
        return;
    }
    const char *said = nullptr;
    if (reason == "host-gone")
        said = QT_TRANSLATE_NOOP("LobbyJoin", "the table was closed");
    else if (reason == "host-did-not-answer")
        said = QT_TRANSLATE_NOOP("LobbyJoin", "the host did not answer");
    else if (reason == "too-many-wrong-codes")
        said = QT_TRANSLATE_NOOP("LobbyJoin", "too many wrong codes from your address; wait a minute");
    const QString why = said ? QCoreApplication::translate("LobbyJoin", said)
                             : QCoreApplication::translate("LobbyJoin", "the lobby said %1").arg(QString::fromLatin1(reason));
    emit refused(QCoreApplication::translate("LobbyJoin", "Could not join the table %1: %2.").arg(m_code, why));
}
