// Readiness reaches the handlers one notification at a time, in the order
// and number the owners rely on, and nothing a handler throws escapes.
#include "loopback.h"

#include <QCoreApplication>

#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const QString sendInfo = infoLine(TSocketInfo::Send, QStringLiteral("Non-Blocking Outgoing Data"));

} // namespace

TEST(Dispatch, OutgoingConnectionReportsConnectThenOneWritable)
{
    RawListener far;
    TSock client;
    QStringList log;
    recordEvents(&client, log);
    client.setHostName(QStringLiteral("127.0.0.1"));
    client.setPortName(QString::number(far.port()));
    EXPECT_FALSE(client.Open());
    ASSERT_TRUE(waitUntil([&] { return log.contains(QStringLiteral("write")); }));
    // An idle connection raises nothing more, and does not wake the loop.
    EXPECT_LT(socketActivationsDuring(200), 10);
    EXPECT_EQ(log, QStringList({infoLine(TSocketInfo::Lookup, QStringLiteral("Lookup Of Port %1").arg(far.port())),
                                infoLine(TSocketInfo::Lookup, QStringLiteral("Lookup Of Host 127.0.0.1")),
                                infoLine(TSocketInfo::Connect, QStringLiteral("Non-Blocking Socket Connected")),
                                QStringLiteral("connect"), sendInfo, QStringLiteral("write")}));
    EXPECT_TRUE(client.Connected());
    EXPECT_TRUE(client.Open()); // already open: just the connected flag
}

TEST(Dispatch, BytesQueuedBeforeConnectingGoOutWithTheFirstWritable)
{
    RawListener far;
    auto client = connectingClient(far.port());
    QStringList log;
    recordEvents(client.get(), log);
    client->Send("early");
    EXPECT_EQ(log, QStringList({sendInfo}));
    ASSERT_TRUE(waitUntil([&] { return log.contains(QStringLiteral("write")); }));
    // The flush is a Send of nothing, so its info comes before the
    // writable's own.
    EXPECT_EQ(log.mid(log.indexOf(QStringLiteral("connect"))),
              QStringList({QStringLiteral("connect"), sendInfo, sendInfo, QStringLiteral("write")}));
    RawPeer peer = far.accept();
    EXPECT_EQ(peer.read(5), QByteArray("early"));
}

TEST(Dispatch, AcceptedConnectionCopiesBindingsAndReportsOneWritable)
{
    auto listener = ephemeralListener();
    listener->setTag(5);
    listener->setBlockingTimeout(0);
    QStringList listenerLog, connectionLog;
    recordEvents(listener.get(), listenerLog);
    TSock *accepted = nullptr;
    listener->OnAccept = [&](TSock *sender) {
        listenerLog << QStringLiteral("accept");
        EXPECT_TRUE(sender->Accept(accepted));
    };
    // Copied from the listener onto the accepted connection.
    listener->OnWrite = [&](TSock *) { connectionLog << QStringLiteral("write"); };
    RawPeer peer = RawPeer::connectTo(listener->LocalPort());
    ASSERT_TRUE(waitUntil([&] { return connectionLog.contains(QStringLiteral("write")); }));
    spinFor(200);

    EXPECT_EQ(listenerLog, QStringList({QStringLiteral("accept"),
                                        infoLine(TSocketInfo::Accept, QStringLiteral("Created New TSock Structure")),
                                        sendInfo}));
    EXPECT_EQ(connectionLog, QStringList({QStringLiteral("write")}));
    ASSERT_NE(accepted, nullptr);
    EXPECT_EQ(accepted->parent(), listener.get());
    EXPECT_TRUE(accepted->Connected());
    EXPECT_EQ(accepted->Tag(), 0); // the tag is the owner's, not copied
    EXPECT_EQ(accepted->HostName(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(accepted->PortName(), QStringLiteral("0"));
}

TEST(Dispatch, ListenerThatDoesNotAcceptIsToldOnceUntilItAccepts)
{
    auto listener = ephemeralListener();
    int accepts = 0;
    listener->OnAccept = [&](TSock *) { ++accepts; };
    RawPeer first = RawPeer::connectTo(listener->LocalPort());
    ASSERT_TRUE(waitUntil([&] { return accepts == 1; }));
    EXPECT_LT(socketActivationsDuring(200), 10);
    EXPECT_EQ(accepts, 1);

    TSock *out = nullptr;
    EXPECT_TRUE(listener->Accept(out));
    RawPeer second = RawPeer::connectTo(listener->LocalPort());
    EXPECT_TRUE(waitUntil([&] { return accepts == 2; }));
}

TEST(Dispatch, ListenerOutOfDescriptorsRetriesAfterAPauseInsteadOfSpinning)
{
    auto listener = ephemeralListener();
    int failures = 0;
    TSock *accepted = nullptr;
    listener->OnAccept = [&](TSock *sender) {
        if (!sender->Accept(accepted))
            ++failures;
    };
    RawPeer peer = RawPeer::connectTo(listener->LocalPort());

    // No descriptor is left for the process: every accept fails.
    rlimit normal {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &normal), 0);
    const int lowestFree = ::dup(0);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    rlimit exhausted = normal;
    exhausted.rlim_cur = rlim_t(lowestFree);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &exhausted), 0);
    // Nothing here may need a descriptor (the sanitizers' checks of a type
    // seen for the first time do), so the failed accepts are the measure.
    spinFor(300);
    ::setrlimit(RLIMIT_NOFILE, &normal);

    EXPECT_GE(failures, 1);
    EXPECT_LT(failures, 20);
    // With descriptors back, the waiting connection is taken.
    EXPECT_TRUE(waitUntil([&] { return accepted != nullptr; }));
}

TEST(Dispatch, InfoHandlerThatThrowsMakesTheOperationRaiseErrorHere)
{
    RawListener far;
    auto client = connectingClient(far.port());
    ASSERT_TRUE(waitUntil([&] { return client->Connected(); }));
    client->OnInfo = [](TSock *, TSocketInfo, const QString &) { throw 42; };
    try {
        client->Send("x");
        FAIL() << "Send did not raise";
    } catch (const ESockException &e) {
        EXPECT_STREQ(e.what(), "Error here");
    }
}

TEST(Dispatch, HandlerExceptionsNeverLeaveTheEventLoop)
{
    auto listener = ephemeralListener();
    TSock *accepted = nullptr;
    listener->OnAccept = [&](TSock *sender) { sender->Accept(accepted); };
    RawPeer peer = RawPeer::connectTo(listener->LocalPort());
    ASSERT_TRUE(waitUntil([&] { return accepted != nullptr; }));

    QByteArray received;
    int infos = 0;
    accepted->OnInfo = [&](TSock *, TSocketInfo kind, const QString &) {
        if (kind == TSocketInfo::Receive && ++infos == 1)
            throw std::runtime_error("info handler"); // becomes "Error here"
    };
    accepted->OnRead = [&](TSock *sender, int) {
        received += sender->Receive();
        if (received == "ab")
            throw std::runtime_error("read handler");
    };
    peer.send("a");
    ASSERT_TRUE(waitUntil([&] { return infos == 1; }));
    peer.send("b");
    ASSERT_TRUE(waitUntil([&] { return received == "ab"; }));
    peer.send("c");
    // The failed notifications ended early, and the endpoint went on.
    EXPECT_TRUE(waitUntil([&] { return received == "abc"; }));
}

TEST(Dispatch, NotificationsNeverNestInsideAHandlersEventLoop)
{
    auto listener = ephemeralListener();
    QList<TSock *> accepted;
    listener->OnAccept = [&](TSock *sender) {
        TSock *sock = nullptr;
        if (sender->Accept(sock))
            accepted << sock;
    };
    RawPeer first = RawPeer::connectTo(listener->LocalPort());
    RawPeer second = RawPeer::connectTo(listener->LocalPort());
    ASSERT_TRUE(waitUntil([&] { return accepted.size() == 2; }));

    int depth = 0, deepest = 0, reads = 0;
    QByteArray received;
    for (TSock *sock : accepted) {
        sock->OnRead = [&](TSock *sender, int) {
            deepest = std::max(deepest, ++depth);
            ++reads;
            received += sender->Receive();
            // A modal dialog would run a loop like this one.
            spinFor(50);
            --depth;
        };
    }
    first.send("1");
    second.send("2");
    ASSERT_TRUE(waitUntil([&] { return reads >= 2 && received.size() == 2; }));
    first.send("3");
    ASSERT_TRUE(waitUntil([&] { return received.size() == 3; }));
    EXPECT_EQ(deepest, 1);
}

TEST(Dispatch, AnErrorThatComesUpInsideAHandlersEventLoopIsDeliveredAfterIt)
{
    auto listener = ephemeralListener();
    TSock *accepted = nullptr;
    listener->OnAccept = [&](TSock *sender) { sender->Accept(accepted); };
    RawPeer peer = RawPeer::connectTo(listener->LocalPort());
    ASSERT_TRUE(waitUntil([&] { return accepted != nullptr; }));

    // The undefined-behaviour checker needs a descriptor of its own the
    // first time it checks an object of a class; a connection attempt made
    // before they run out lets it meet the ones an attempt makes.
    TSock warmUp;
    warmUp.setHostName(QStringLiteral("127.0.0.1"));
    warmUp.setPortName(QStringLiteral("1"));
    warmUp.Open();

    TSock other;
    other.setHostName(QStringLiteral("127.0.0.1"));
    other.setPortName(QStringLiteral("1"));
    QStringList errors;
    bool inHandler = false;
    int errorsInsideHandler = 0;
    other.OnInfo = [&](TSock *, TSocketInfo kind, const QString &text) {
        if (kind != TSocketInfo::Error)
            return;
        errors << text;
        if (inHandler)
            ++errorsInsideHandler;
    };
    accepted->OnRead = [&](TSock *sender, int) {
        sender->Receive();
        inHandler = true;
        // Without a descriptor left the connection fails at once; its
        // report waits for this handler, which runs a loop of its own.
        rlimit normal {};
        ::getrlimit(RLIMIT_NOFILE, &normal);
        const int lowestFree = ::dup(0);
        ::close(lowestFree);
        rlimit exhausted = normal;
        exhausted.rlim_cur = rlim_t(lowestFree);
        ::setrlimit(RLIMIT_NOFILE, &exhausted);
        other.Open();
        ::setrlimit(RLIMIT_NOFILE, &normal);
        spinFor(100);
        inHandler = false;
    };
    peer.send("x");
    ASSERT_TRUE(waitUntil([&] { return !errors.isEmpty(); }));
    spinFor(100);
    EXPECT_EQ(errorsInsideHandler, 0);
    EXPECT_EQ(errors, QStringList({QStringLiteral("Error #10024 (WSAEMFILE)")}));
    EXPECT_FALSE(other.Connected());
}

