#include "presence.h"

std::unique_ptr<TSock> openPresence()
{
    auto sock = std::make_unique<TSock>();
    sock->setObjectName(QStringLiteral("Sock11"));
    sock->setHostName(QStringLiteral("127.0.0.1"));
    sock->setPortName(QStringLiteral("9001"));
    try {
        sock->Open();
    } catch (...) {
        // The game plays on without the launcher.
    }
    return sock;
}
