// Failed and reset connections report one Error info and nothing else, and
// then stay quiet until their owner closes them.
#include "loopback.h"

#include <QThread>

#include <gtest/gtest.h>

TEST(Errors, ResetByThePeerGivesOneErrorAndNoDisconnect)
{
    RecordingListener host;
    TSock *&accepted = host.accepted;
    QStringList &log = host.log;
    RawPeer peer = RawPeer::connectTo(host.port());
    ASSERT_TRUE(waitUntil([&] { return log.contains(QStringLiteral("write")); }));
    log.clear();

    peer.reset();
    ASSERT_TRUE(waitUntil([&] { return !log.isEmpty(); }));
    // The failed socket stays ready in the system's eyes; it must neither
    // reach the owner again nor keep waking the event loop.
    EXPECT_LT(socketActivationsDuring(200), 10);
    EXPECT_EQ(log, QStringList({infoLine(TSocketInfo::Error, QStringLiteral("Error #10054 (WSAECONNRESET)"))}));
    EXPECT_TRUE(accepted->Connected());

    // Sends after the failure queue silently.
    EXPECT_NO_THROW(accepted->Send("CMD_nextplayer+1+\xFF"));
    spinFor(100);
    EXPECT_EQ(log.filter(QStringLiteral("info Error")).size(), 1);
    EXPECT_FALSE(log.contains(QStringLiteral("disconnect")));

    accepted->Close();
    EXPECT_EQ(log.last(), infoLine(TSocketInfo::Close, QStringLiteral("Socket Closed")));
}

TEST(Errors, ResetFoundByASendIsStillReportedAsAReset)
{
    RecordingListener host;
    TSock *&accepted = host.accepted;
    QStringList &log = host.log;
    RawPeer peer = RawPeer::connectTo(host.port());
    ASSERT_TRUE(waitUntil([&] { return log.contains(QStringLiteral("write")); }));
    log.clear();

    peer.reset();
    // Give the reset time to arrive, without running the event loop, so the
    // send meets it before the read side does.
    QThread::msleep(50);
    accepted->Send("CMD_roundend+\xFF");
    ASSERT_TRUE(waitUntil([&] { return log.filter(QStringLiteral("info Error")).size() == 1; }));
    spinFor(100);
    EXPECT_TRUE(log.contains(infoLine(TSocketInfo::Error, QStringLiteral("Error #10054 (WSAECONNRESET)"))));
    EXPECT_FALSE(log.contains(QStringLiteral("disconnect")));
}

TEST(Errors, ConnectingWhereNothingListensGivesRefusedAndSendsQueueSilently)
{
    quint16 closedPort = 0;
    {
        RawListener probe; // a port that was free a moment ago
        closedPort = probe.port();
    }
    auto client = std::make_unique<TSock>();
    QStringList log;
    recordEvents(client.get(), log);
    client->setHostName(QStringLiteral("127.0.0.1"));
    client->setPortName(QString::number(closedPort));
    EXPECT_FALSE(client->Open());
    // On loopback the refusal is already there; a send now must not take it
    // for a completed connection.
    EXPECT_TRUE(client->Send("CMD_logininfo+1+1.0.0+Ann\xFF"));
    ASSERT_TRUE(waitUntil([&] { return log.filter(QStringLiteral("info Error")).size() == 1; }));
    EXPECT_LT(socketActivationsDuring(200), 10);

    const QStringList errors = log.filter(QStringLiteral("info Error"));
    EXPECT_EQ(errors, QStringList({infoLine(TSocketInfo::Error, QStringLiteral("Error #10061 (WSAECONNREFUSED)"))}));
    EXPECT_FALSE(client->Connected());
    EXPECT_FALSE(log.contains(QStringLiteral("connect")));
    EXPECT_FALSE(log.contains(QStringLiteral("write")));

    EXPECT_TRUE(client->Send("CMD_chat+1+hello|clBlack\xFF"));
    spinFor(100);
    EXPECT_EQ(log.filter(QStringLiteral("info Error")).size(), 1);
    // Open on an endpoint that holds its failed socket changes nothing.
    EXPECT_FALSE(client->Open());
}

TEST(Errors, ListeningOnAPortAnotherListenerHoldsRaisesErrorBinding)
{
    RawListener other; // without SO_REUSEADDR
    ASSERT_TRUE(other.isListening());
    TSock sock;
    sock.setPortName(QString::number(other.port()));
    try {
        sock.setListen(true);
        FAIL() << "listening on a taken port succeeded";
    } catch (const ESockException &e) {
        EXPECT_STREQ(e.what(), "Listen - Error Binding Socket");
    }
    EXPECT_FALSE(sock.Listen());

    // Another endpoint that listens with the same option as this one.
    auto first = ephemeralListener();
    TSock second;
    second.setPortName(QString::number(first->LocalPort()));
    EXPECT_THROW(second.setListen(true), ESockException);
    EXPECT_FALSE(second.Listen());
    EXPECT_EQ(second.LocalPort(), 0);
}
