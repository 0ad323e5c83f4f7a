// Seconds from a peer's network vanishing to its seat being freed, with the
// connection settings as shipped. The program's host side (TServer) listens
// on port 7772 in this network namespace; the peer is a raw connection made
// in the namespace PEER_NS, behind a veth pair whose peer side LINK is then
// taken down, so that its packets vanish without a FIN or a reset.
//
//   tavlix_benchvanish PEER_NS LINK HOST_ADDRESS [--busy]
//
// --busy: a second connection, over loopback, chats once a second, so the
// host keeps sending to the vanished peer what it will never acknowledge.
// Prints "seconds S" (or "not freed" after 120 s). Needs root (setns).
#include "eventwait.h"
#include "protocol.h"
#include "randomsource.h"
#include "tserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

#include <arpa/inet.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// A blocking socket made in the named network namespace.
int socketIn(const char *ns)
{
    const int home = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
    const int there = ::open(QByteArray("/run/netns/").append(ns).constData(), O_RDONLY | O_CLOEXEC);
    int fd = -1;
    if (home >= 0 && there >= 0 && ::setns(there, CLONE_NEWNET) == 0) {
        fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        ::setns(home, CLONE_NEWNET);
    }
    for (int f : {home, there})
        if (f >= 0)
            ::close(f);
    return fd;
}

bool sendAll(int fd, const QByteArray &bytes)
{
    return ::send(fd, bytes.constData(), size_t(bytes.size()), 0) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: tavlix_benchvanish PEER_NS LINK HOST_ADDRESS [--busy]\n");
        return 2;
    }
    const QByteArray peerNs = args.at(1).toLocal8Bit();
    const bool busy = args.contains(QStringLiteral("--busy"));

    RandomSource random;
    random.randomize();
    TServer server(random);
    try {
        server.startHosting();
    } catch (const ESockException &e) {
        std::fprintf(stderr, "cannot listen: %s\n", e.what());
        return 1;
    }

    const int peer = socketIn(peerNs.constData());
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(server.localPort());
    ::inet_pton(AF_INET, args.at(3).toLatin1().constData(), &address.sin_addr);
    if (peer < 0 || ::connect(peer, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || !sendAll(peer, QByteArray("CMD_logininfo+1+") + wire::ProgramVersion + "+Vanishing\xFF")
        || !waitUntil([&] { return server.seats()[1].name == "Vanishing"; }, 10000)) {
        std::fprintf(stderr, "the peer could not join\n");
        return 1;
    }

    QTcpSocket chatter;
    QTimer chatting;
    if (busy) {
        chatter.connectToHost(QStringLiteral("127.0.0.1"), server.localPort());
        chatter.write(QByteArray("CMD_logininfo+2+") + wire::ProgramVersion + "+Chatter\xFF");
        if (!waitUntil([&] { return server.seats()[2].name == "Chatter"; }, 10000)) {
            std::fprintf(stderr, "the chatter could not join\n");
            return 1;
        }
        chatting.setInterval(1000);
        QObject::connect(&chatting, &QTimer::timeout, [&chatter] { chatter.write("CMD_chat+2+still here|clBlack\xFF"); });
        chatting.start();
    }
    waitUntil([] { return false; }, 2000); // what was sent so far is acknowledged

    QElapsedTimer vanished;
    vanished.start();
    const QString down = QStringLiteral("ip -n %1 link set %2 down").arg(args.at(1), args.at(2));
    if (std::system(down.toLocal8Bit().constData()) != 0) {
        std::fprintf(stderr, "could not take the link down\n");
        return 1;
    }
    if (waitUntil([&] { return !server.seats()[1].inuse; }, 120000))
        std::printf("seconds %.1f\n", vanished.elapsed() / 1000.0);
    else
        std::printf("not freed\n");
    ::close(peer);
    return 0;
}
