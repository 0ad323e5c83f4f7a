#include "presence.h"

std::unique_ptr<TSock> openPresence()
{
    auto sock = std::make_unique<TSock>();
    sock->setObjectName(QStringLiteral("Sock11"));
    sock->setHostName(QStringLiteral("127.0.0.1"));
    sock->setPortName(QStringLiteral("9001"));
    // Nothing is expected from the launcher; whatever it sends anyway is
    // read and dropped, so it cannot pile up for as long as the game runs.
    sock->OnRead = [](TSock *sender, int) {
        try {
            sender->Receive();
        } catch (const ESockException &) {
        }
    };
    try {
        sock->Open();
    } catch (...) {
        // The game plays on without the launcher.
    }
    return sock;
}
