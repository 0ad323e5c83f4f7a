// How connections and listeners end, and what their owners hear about it.
#include "loopback.h"

#include <QPointer>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString socketClosed = infoLine(TSocketInfo::Close, QStringLiteral("Socket Closed"));

// A connection accepted from a raw peer, with its events logged.
struct AcceptedPair
{
    QStringList log;
    std::unique_ptr<TSock> listener = ephemeralListener();
    TSock *accepted = nullptr;
    RawPeer peer;

    AcceptedPair()
    {
        listener->OnAccept = [this](TSock *sender) {
            sender->Accept(accepted);
            recordEvents(accepted, log);
        };
        peer = RawPeer::connectTo(listener->LocalPort());
        waitUntil([this] { return accepted != nullptr && log.contains(QStringLiteral("write")); });
        log.clear();
    }
};

} // namespace

TEST(Closing, OrderlyPeerCloseGivesDisconnectThenOneSocketClosed)
{
    AcceptedPair pair;
    ASSERT_NE(pair.accepted, nullptr);
    pair.peer.close();
    ASSERT_TRUE(waitUntil([&] { return pair.log.contains(socketClosed); }));
    spinFor(100);
    EXPECT_EQ(pair.log, QStringList({QStringLiteral("disconnect"), socketClosed}));
    EXPECT_FALSE(pair.accepted->Connected());
}

TEST(Closing, CloseInsideOnDisconnectGivesSocketClosedTwice)
{
    AcceptedPair pair;
    ASSERT_NE(pair.accepted, nullptr);
    pair.accepted->OnDisconnect = [&](TSock *sender) {
        pair.log << QStringLiteral("disconnect");
        sender->Close();
    };
    pair.peer.close();
    ASSERT_TRUE(waitUntil([&] { return pair.log.count(socketClosed) == 2; }));
    spinFor(100);
    EXPECT_EQ(pair.log, QStringList({QStringLiteral("disconnect"), socketClosed, socketClosed}));
}

TEST(Closing, BytesSentJustBeforeThePeerClosedAreReadFirst)
{
    AcceptedPair pair;
    ASSERT_NE(pair.accepted, nullptr);
    pair.peer.send("CMD_logininfo+1+1.0.0+Ann\xFF");
    pair.peer.close();
    ASSERT_TRUE(waitUntil([&] { return pair.log.contains(socketClosed); }));
    EXPECT_EQ(pair.log.indexOf(QStringLiteral("read 26")) + 1, pair.log.indexOf(QStringLiteral("disconnect")));
    EXPECT_EQ(pair.accepted->Receive(), QByteArray("CMD_logininfo+1+1.0.0+Ann\xFF"));
}

TEST(Closing, CloseOfAClosedEndpointStillReportsSocketClosed)
{
    TSock sock;
    QStringList log;
    recordEvents(&sock, log);
    EXPECT_FALSE(sock.Close());
    EXPECT_FALSE(sock.Close());
    EXPECT_EQ(log, QStringList({socketClosed, socketClosed}));
}

TEST(Closing, CloseSwallowsAnErrorOfTheInfoHandler)
{
    AcceptedPair pair;
    ASSERT_NE(pair.accepted, nullptr);
    pair.accepted->OnInfo = [](TSock *, TSocketInfo, const QString &) { throw std::runtime_error("handler"); };
    EXPECT_NO_THROW(EXPECT_TRUE(pair.accepted->Close()));
    EXPECT_TRUE(pair.peer.waitForEnd());
}

TEST(Closing, DestroyingAListenerGivesNoSocketClosedAndEndsItsConnections)
{
    AcceptedPair pair;
    ASSERT_NE(pair.accepted, nullptr);
    QStringList listenerLog;
    recordEvents(pair.listener.get(), listenerLog);
    QPointer<TSock> accepted = pair.accepted;
    pair.listener.reset();

    EXPECT_TRUE(accepted.isNull()); // owned by its listener
    EXPECT_FALSE(listenerLog.contains(socketClosed));
    EXPECT_TRUE(pair.peer.waitForEnd());
}

TEST(Closing, DestroyingAConnectedEndpointClosesItWithoutCallingItsHandlers)
{
    AcceptedPair pair;
    ASSERT_NE(pair.accepted, nullptr);
    delete pair.accepted;
    EXPECT_TRUE(pair.log.isEmpty());
    EXPECT_TRUE(pair.peer.waitForEnd());
}

TEST(Closing, StoppingAListenerReportsClosedThenStopped)
{
    auto listener = ephemeralListener();
    QStringList log;
    recordEvents(listener.get(), log);
    const quint16 port = listener->LocalPort();
    listener->setListen(false);
    EXPECT_FALSE(listener->Listen());
    EXPECT_EQ(log, QStringList({socketClosed, infoLine(TSocketInfo::Listen, QStringLiteral("Listening Stopped"))}));
    EXPECT_FALSE(RawPeer::connectTo(port).isOpen());
}

TEST(Closing, ClosingAListenerStopsItWithoutSocketClosed)
{
    auto listener = ephemeralListener();
    QStringList log;
    recordEvents(listener.get(), log);
    const quint16 port = listener->LocalPort();
    EXPECT_TRUE(listener->Close());
    EXPECT_FALSE(listener->Listen());
    EXPECT_TRUE(log.isEmpty());
    EXPECT_FALSE(RawPeer::connectTo(port).isOpen());
}

TEST(Closing, AHandlerMayDestroyAnotherEndpoint)
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

    int secondEvents = 0;
    accepted[1]->OnRead = [&](TSock *, int) { ++secondEvents; };
    accepted[1]->OnDisconnect = [&](TSock *) { ++secondEvents; };
    accepted[0]->OnDisconnect = [&](TSock *) { delete accepted[1]; };
    // Both become ready together; the first one's handler removes the second.
    second.send("late");
    second.close();
    first.close();
    spinFor(300);
    EXPECT_LE(secondEvents, 2);
    EXPECT_FALSE(accepted[0]->Connected());
}

TEST(Closing, AHandlerMayDestroyItsOwnSender)
{
    AcceptedPair pair;
    ASSERT_NE(pair.accepted, nullptr);
    QPointer<TSock> accepted = pair.accepted;
    pair.accepted->OnRead = [](TSock *sender, int) { delete sender; };
    pair.peer.send("bye");
    pair.peer.close();
    EXPECT_TRUE(waitUntil([&] { return accepted.isNull(); }));
    spinFor(50);
}

TEST(Closing, AHostThatRestartsCanListenOnItsPortAgainAtOnce)
{
    auto listener = ephemeralListener();
    const quint16 port = listener->LocalPort();
    TSock *accepted = nullptr;
    listener->OnAccept = [&](TSock *sender) { sender->Accept(accepted); };
    RawPeer peer = RawPeer::connectTo(port);
    ASSERT_TRUE(waitUntil([&] { return accepted != nullptr; }));
    // The host side closes first, so its end of the connection lingers in
    // TIME_WAIT on the listening port.
    accepted->Close();
    ASSERT_TRUE(peer.waitForEnd());
    peer.close();
    listener.reset();

    TSock again;
    again.setPortName(QString::number(port));
    EXPECT_NO_THROW(again.setListen(true));
    EXPECT_TRUE(again.Listen());
    EXPECT_TRUE(RawPeer::connectTo(port).isOpen());
}

// A client that quits while the host's last messages still wait, unread, in
// its system's buffers: the host must hear an orderly end all the same, or it
// would see only a reset and keep the seat of a connection that is gone.
TEST(Closing, BytesLeftUnreadDoNotTurnACloseIntoAReset)
{
    for (const bool destroy : {false, true}) {
        SCOPED_TRACE(destroy ? "destroyed" : "closed");
        RecordingListener host;
        TSock *&accepted = host.accepted;
        QStringList &hostLog = host.log;
        auto client = connectingClient(host.port());
        ASSERT_TRUE(waitUntil([&] { return client->Connected() && hostLog.contains(QStringLiteral("write")); }));

        accepted->Send("CMD_nextplayer+2+\xFF");
        QThread::msleep(50); // arrives without the event loop running: unread
        if (destroy)
            client.reset();
        else
            client->Close();

        ASSERT_TRUE(waitUntil([&] { return hostLog.contains(socketClosed) || !hostLog.filter(QStringLiteral("info Error")).isEmpty(); }));
        EXPECT_TRUE(hostLog.contains(QStringLiteral("disconnect")));
        EXPECT_TRUE(hostLog.filter(QStringLiteral("info Error")).isEmpty()) << hostLog.join(QStringLiteral("; ")).toStdString();
    }
}
