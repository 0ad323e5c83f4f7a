// libFuzzer target for the client's dispatcher: the input is what a host
// sends, cut into messages at each 0xFF as the connection does, queued in
// receivedlist and handed one per Timer1 tick to the handlers of the whole
// program (board, hand, scores, players, chat, sounds, settings at login).
// The program is built as main() builds it, with a desktop that never
// blocks, but not shown, so it opens no connection of its own.
//
// One program serves every input: building nine windows per input would
// leave the fuzzer too slow to be of use. The seat table of the client is
// cleared through a "CMD_playerdisconnected" per seat before each input so
// inputs do not pile players up.

#include "clientconnection.h"
#include "fakedesktop.h"
#include "messagequeue.h"
#include "program.h"
#include "randomsource.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct Harness
{
    QTemporaryDir folder;
    FakeDesktop desktop;
    RandomSource random{20261207};
    std::unique_ptr<TavlixProgram> program;
};

Harness *harness = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    harness = new Harness;
    harness->program = std::make_unique<TavlixProgram>(harness->desktop, harness->random, QStringList(),
                                                       harness->folder.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ClientConnection &connection = harness->program->connection();
    wire::LineFramer framer;
    const QList<QByteArray> lines =
        framer.feed(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const QByteArray &line : lines) {
        connection.receivedlist().push(line);
        while (!connection.receivedlist().isEmpty())
            connection.Timer1Timer();
    }
    for (int seat = 1; seat <= 9; ++seat) {
        connection.receivedlist().push("CMD_playerdisconnected+" + QByteArray::number(seat) + "+x");
        connection.Timer1Timer();
    }
    harness->desktop.messages.clear();
    return 0;
}
