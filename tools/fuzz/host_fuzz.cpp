// libFuzzer target for the host: the input is the byte stream of one
// connection, the hosting player's own seat 1, which may use every message
// (start games, remove players). It goes through the same path as a socket
// read (framing, relay limits, the flood bound, the queue), the queue is
// worked off by socktimer's tick handler and the game's tick handlers run
// after every read, so games start, turns pass and the computer seat moves.
// A second player sits at seat 3 to be relayed to and removed.
//
// Whatever arrives, every message the host sends must be one well-formed
// message: "CMD_", a name, and exactly one 0xFF, at its end, to a seat
// 1..9. The first input byte chooses the size of the reads (1..63 bytes, or
// 0: everything at once), so messages split across reads are covered too.

#include "hostprobe.h"
#include "protocol.h"
#include "randomsource.h"
#include "tserver.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

namespace {

void checkSent(int seat, const QByteArray &message)
{
    if (seat < 1 || seat > TServer::SpareSeat || !message.startsWith("CMD_") || !message.endsWith('\xFF')
        || message.indexOf('\xFF') != message.size() - 1)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    RandomSource random(20261207);
    TServer server(random);
    HostProbe probe(server);
    qint64 now = 0;
    server.setClock([&now] { return now; });
    server.setBotSpeedProvider([] { return 500; });
    server.setOutgoingObserver(checkSent);

    const auto drain = [&server, &now] {
        while (server.queuedLines() > 0) {
            now += 10;
            server.socktimerTimer();
        }
    };
    probe.occupy(3);
    server.enqueue(wire::client::logininfo(3, wire::ProgramVersion, "Guest").chopped(1), 3);
    probe.occupy(1);
    drain();

    const std::size_t readSize = data[0] % 64 == 0 ? size : data[0] % 64;
    for (std::size_t at = 1; at < size; at += readSize) {
        const std::size_t length = std::min(readSize, size - at);
        const QByteArray bytes(reinterpret_cast<const char *>(data + at), qsizetype(length));
        const bool open = server.receivedBytes(1, bytes);
        drain();
        for (int tick = 0; tick < 8; ++tick) {
            now += 1000;
            server.game().timer1Timer();
            server.game().computertimerTimer();
            drain();
        }
        if (!open)
            break;
    }
    return 0;
}
