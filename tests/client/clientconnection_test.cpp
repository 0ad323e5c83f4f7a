#include "clientfixture.h"

#include "protocol.h"

#include <sys/socket.h>

using namespace std::string_literals;

TEST_F(ClientTest, NoParametersStartsASoloGameAsYouOnTheLocalHost)
{
    connectSolo();
    EXPECT_EQ(lines, QStringList{"Loading Solo Game..Please wait."});
    EXPECT_EQ(downloadShown, 1);
    EXPECT_EQ(hostStarts, 1);
    EXPECT_EQ(state.playername, "You");
    EXPECT_EQ(state.loginname, "You");
    EXPECT_EQ(state.hostaddress, "127.0.0.1");
    EXPECT_TRUE(state.ishost);
    EXPECT_EQ(hostControls, true);
    EXPECT_EQ(connection->sock()->HostName(), "127.0.0.1");
    EXPECT_EQ(connection->presence(), nullptr) << "a solo game opens no presence connection";
}

TEST_F(ClientTest, OneOrTwoParametersShowOnlyTheLoadingLine)
{
    for (const QStringList &parameters : {QStringList{"Ann"}, QStringList{"Ann", "10.0.0.5"}}) {
        lines.clear();
        connection->processparams(parameters);
        EXPECT_EQ(lines, QStringList{"Loading Multi-player Game.. Please Wait."});
    }
    EXPECT_EQ(hostStarts, 0);
    EXPECT_EQ(downloadShown, 0);
    EXPECT_TRUE(connection->sock()->HostName().isEmpty()) << "no connection is made";
    EXPECT_EQ(connection->presence(), nullptr);
    EXPECT_EQ(hostControls, false);
    EXPECT_TRUE(state.loginname.isEmpty());
}

TEST_F(ClientTest, AHostThatCannotListenSaysWhyAndConnectsNowhere)
{
    listenError = true;
    connection->processparams({});
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].contains("Listen - Error Binding Socket"));
    EXPECT_FALSE(state.ishost);
    EXPECT_TRUE(connection->sock()->HostName().isEmpty());
    spinFor(50);
    EXPECT_FALSE(host.hasPendingConnections());
}

TEST_F(ClientTest, LoginTakesTheSeatNumberAndAnswersWithVersionAndName)
{
    connectSolo();
    hostSends(wire::host::sendlogininfo(3), 1);
    connection->Timer1Timer();
    EXPECT_EQ(state.mynumber, 3);
    EXPECT_TRUE(state.loggedin);
    EXPECT_EQ(hostReceives(26), QByteArray("CMD_logininfo+3+1.0.0+You\xFF"));
}

TEST_F(ClientTest, ALoginNumberThatIsNotANumberIsIgnored)
{
    connectSolo();
    hostSends(QByteArray("CMD_sendlogininfo+x\xFF"), 1);
    connection->Timer1Timer();
    EXPECT_FALSE(state.loggedin);
    EXPECT_EQ(state.mynumber, 0);
}

TEST_F(ClientTest, TwoMessagesInOneReadAreHandledOnTwoTicksInOrder)
{
    QStringList handled;
    connection->setHandler("CMD_nextplayer", [&](const QByteArray &body, int) { handled << "next " + body; });
    connection->setHandler("CMD_roundend", [&](const QByteArray &body, int) { handled << "end " + body; });
    connectSolo();
    hostSends(wire::host::nextplayer(2) + wire::host::roundend(), 2);
    EXPECT_TRUE(connection->timer1().isActive());

    connection->Timer1Timer();
    EXPECT_EQ(handled, QStringList{"next 2+"});
    connection->Timer1Timer();
    EXPECT_EQ(handled, (QStringList{"next 2+", "end "}));
    EXPECT_FALSE(connection->timer1().isActive()) << "an empty queue lets the process idle";
}

TEST_F(ClientTest, AMessageSplitAcrossReadsArrivesWhole)
{
    QStringList handled;
    connection->setHandler("CMD_winner", [&](const QByteArray &body, int) { handled << body; });
    connectSolo();
    const QByteArray m = wire::host::winner("Klot");
    peer->write(m.left(6));
    peer->flush();
    spinFor(30);
    hostSends(m.mid(6), 1);
    connection->Timer1Timer();
    EXPECT_EQ(handled, QStringList{"Klot+"});
}

TEST_F(ClientTest, NamesDifferingInCaseOrLengthAreIgnored)
{
    int handled = 0;
    connection->setHandler("CMD_roundend", [&](const QByteArray &, int) { ++handled; });
    connectSolo();
    hostSends(QByteArray("CMD_RoundEnd+\xFF" "CMD_roundendx+\xFF" "CMD_roundend\xFF\xFF" "CMD_roundend+\xFF"), 5);
    for (int tick = 0; tick < 5; ++tick)
        connection->Timer1Timer();
    EXPECT_EQ(handled, 1);
}

TEST_F(ClientTest, VersionNoticesBecomeSystemLines)
{
    connectSolo();
    lines.clear();
    hostSends(wire::host::havewrongversion("Red") + wire::host::wrongversion(), 2);
    connection->Timer1Timer();
    connection->Timer1Timer();
    EXPECT_EQ(lines, (QStringList{"Red has a different version of the game then you.",
                                  "You have a differnt version of the game then the host."}));
}

TEST_F(ClientTest, GameIsFullShowsTheBoxThenClosesTheWindow)
{
    connectSolo();
    hostSends(wire::host::full(), 1);
    connection->Timer1Timer();
    EXPECT_EQ(messages, QStringList{"Game is full"});
    EXPECT_GE(closes, 1);
}

TEST_F(ClientTest, GameIsFullIsShownBeforeTheClosedConnectionEndsTheProgram)
{
    // The host refuses a tenth connection with CMD_full and closes it at
    // once; the box must come before the window goes.
    connectSolo();
    peer->write(wire::host::full());
    peer->flush();
    peer->close();
    ASSERT_TRUE(waitUntil([this] { return closes > 0; }));
    ASSERT_FALSE(events.isEmpty());
    EXPECT_EQ(events.first(), "box Game is full");
}

TEST_F(ClientTest, MessagesThatArrivedBeforeTheCloseAreHandledFirst)
{
    QStringList handled;
    connection->setHandler("CMD_winner", [&](const QByteArray &body, int) { handled << body; });
    connectSolo();
    peer->write(wire::host::winner("Ann") + wire::host::winner("Bo"));
    peer->flush();
    peer->close();
    ASSERT_TRUE(waitUntil([this] { return connection->receivedlist().size() == 2 || closes > 0; }));
    EXPECT_EQ(closes, 0) << "the window stays until the queue is worked off";
    ASSERT_TRUE(waitUntil([this] { return closes > 0; }));
    EXPECT_EQ(handled, (QStringList{"Ann+", "Bo+"}));
}

TEST_F(ClientTest, AModalBoxInAHandlerHoldsBackTheNextMessage)
{
    // A message box runs its own event loop; Timer1 must not hand on the
    // next message (or close the window) while the box is open.
    QStringList handled;
    bool timerRestedDuringBox = false;
    connection->setHandler("CMD_winner", [&](const QByteArray &body, int) {
        handled << body;
        spinFor(30); // the box is open
        timerRestedDuringBox = !connection->timer1().isActive();
        handled << "box closed";
    });
    connection->setHandler("CMD_roundend", [&](const QByteArray &, int) { handled << "roundend"; });
    connectSolo();
    hostSends(wire::host::winner("Ann") + wire::host::roundend(), 2);
    peer->close();
    ASSERT_TRUE(waitUntil([this] { return closes > 0; }));
    EXPECT_EQ(handled, (QStringList{"Ann+", "box closed", "roundend"}));
    EXPECT_TRUE(timerRestedDuringBox) << "no 1 ms wake-ups while a box waits for the player";
}

TEST_F(ClientTest, TheHostClosingTheConnectionClosesTheWindow)
{
    connectSolo();
    EXPECT_EQ(closes, 0);
    peer->close();
    EXPECT_TRUE(waitUntil([this] { return closes > 0; }));
}

TEST_F(ClientTest, AHostFloodingWithoutTerminatorIsCutOff)
{
    connectSolo();
    peer->write(QByteArray(200 * 1024, 'x'));
    EXPECT_TRUE(waitUntil([this] { return closes > 0; }));
    EXPECT_TRUE(connection->receivedlist().isEmpty());
}

TEST_F(ClientTest, AHostFloodingWithMessagesIsCutOffWithTheQueueBounded)
{
    connectSolo();
    QByteArray flood;
    for (std::size_t i = 0; i < 2 * ClientConnection::MaxQueuedLines; ++i)
        flood += wire::host::roundend();
    peer->write(flood);
    ASSERT_TRUE(waitUntil([this] { return !connection->sock()->Connected(); }));
    EXPECT_LE(connection->receivedlist().size(), ClientConnection::MaxQueuedLines);
    EXPECT_TRUE(peer->waitForDisconnected(5000) || peer->state() == QAbstractSocket::UnconnectedState);
}

TEST_F(ClientTest, SendingWithoutAConnectionIsSilent)
{
    connection->send(wire::client::chat(1, "hi", "clBlack"));
    SUCCEED();
}

TEST(PhraseLock, LastsItsTimeWhateverTheTickRate)
{
    ClientState state;
    ClientConnection connection(state, {});
    qint64 now = 1000;
    connection.setClock([&now] { return now; });
    EXPECT_FALSE(connection.phrasesLocked());
    connection.lockPhrases();
    for (int tick = 0; tick < 500; ++tick) // far more ticks than a 1 ms timer gives in a second
        connection.Timer1Timer();
    EXPECT_TRUE(connection.phrasesLocked());
    now += ClientConnection::PhraseLockMs - 1;
    EXPECT_TRUE(connection.phrasesLocked());
    now += 1;
    connection.Timer1Timer();
    EXPECT_FALSE(connection.phrasesLocked());
}

// A join that fails, or a joined connection that dies, is told in the chat
// and leaves the window open.
TEST_F(ClientTest, AFailedJoinSaysWhyAndKeepsTheWindowOpen)
{
    const QString port = QString::number(host.serverPort());
    host.close(); // nothing answers there any more
    // The kernel refuses a TCP connection to a multicast address as
    // unreachable, on any machine.
    for (const auto &[address, reason] : {std::pair<QString, QString>{"127.0.0.1", "nothing answers on port " + port + " there"},
                                          {"224.0.0.1", "that address cannot be reached"},
                                          {"nohost.invalid", "the name cannot be looked up"},
                                          {"2001:db8::5::1", "the name cannot be looked up"},
                                          {"[::1", "the name cannot be looked up"},
                                          {"300.1.1.1", "the name cannot be looked up"}}) {
        QStringList said;
        ClientConnection client(state, {{}, [&](const QString &line) { said << line; }, {}, [](bool) {}, {}, [this] { ++closes; }, {}, {}});
        client.sock()->setPortName(port);
        state.hostaddress = address;
        client.joinpress();
        // Only the name waits for a name server.
        ASSERT_TRUE(waitUntil([&] { return !said.isEmpty(); }, address == "nohost.invalid" ? 5000 : 1000))
            << qPrintable(address);
        spinFor(50);
        EXPECT_EQ(said, QStringList{"Could not connect to " + address + ": " + reason + "."});
        EXPECT_FALSE(client.connectTimer().isActive());
    }
    EXPECT_EQ(closes, 0);
}

TEST_F(ClientTest, AConnectionResetByTheHostIsToldAndTheWindowStaysOpen)
{
    connectSolo();
    EXPECT_TRUE(connection->sock()->KeepAlive());
    const linger abortive{1, 0};
    ::setsockopt(int(peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    peer->abort();
    ASSERT_TRUE(waitUntil([&] { return lines.size() == 2; }));
    spinFor(50);
    EXPECT_EQ(lines.last(), "The connection to the host was lost.");
    EXPECT_EQ(closes, 0);
}
