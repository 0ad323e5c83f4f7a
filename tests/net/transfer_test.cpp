// Bytes pass through the transport unchanged, in order, whenever they are sent.
#include "loopback.h"

#include <gtest/gtest.h>

namespace {

const QByteArray loginInfo = QByteArray("CMD_sendlogininfo+3") + char(0xFF);

// A listener whose OnAccept accepts into `accepted`.
struct AcceptingListener
{
    std::unique_ptr<TSock> listener = ephemeralListener();
    TSock *accepted = nullptr;

    AcceptingListener()
    {
        listener->OnAccept = [this](TSock *sender) { sender->Accept(accepted); };
    }
    quint16 port() const { return listener->LocalPort(); }
    bool waitForAccepted() { return waitUntil([this] { return accepted != nullptr; }); }
};

} // namespace

TEST(Transfer, LoginRequestGoesOnTheWireAsExactlyItsTwentyBytes)
{
    RawListener far;
    auto client = connectingClient(far.port());
    ASSERT_TRUE(waitUntil([&] { return client->Connected(); }));
    RawPeer peer = far.accept();
    ASSERT_TRUE(peer.isOpen());

    client->Send(loginInfo);
    const QByteArray wire = peer.read(100, 300);
    const QByteArray expected = QByteArray::fromHex("434D445F73656E646C6F67696E696E666F2B33FF");
    EXPECT_EQ(wire.size(), 20);
    EXPECT_EQ(wire, expected);
}

TEST(Transfer, BytesSentBeforeTheConnectionCompletesArriveInOrder)
{
    RawListener far;
    auto client = connectingClient(far.port());
    ASSERT_FALSE(client->Connected());
    client->Send("first+");
    client->Send("second+");
    client->Send(loginInfo);

    RawPeer peer = far.accept();
    ASSERT_TRUE(peer.isOpen());
    const QByteArray expected = QByteArray("first+second+") + loginInfo;
    EXPECT_EQ(peer.read(expected.size()), expected);
}

TEST(Transfer, AcceptedConnectionHandsEveryByteToOnReadInOrder)
{
    AcceptingListener host;
    RawPeer peer = RawPeer::connectTo(host.port());
    ASSERT_TRUE(host.waitForAccepted());

    QByteArray received;
    QList<int> counts;
    host.accepted->OnRead = [&](TSock *sender, int count) {
        counts << count;
        received += sender->Receive();
    };
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += char(i); // every byte value, 0x00 and 0xFF included
    peer.send(all.left(100));
    ASSERT_TRUE(waitUntil([&] { return received.size() == 100; }));
    peer.send(all.mid(100));
    ASSERT_TRUE(waitUntil([&] { return received.size() == 256; }));
    EXPECT_EQ(received, all);
    ASSERT_FALSE(counts.isEmpty());
    EXPECT_GT(counts.first(), 0); // the count is the buffered length
}

TEST(Transfer, BurstLargerThanTheSystemTakesWaitsForRoomAndArrivesWhole)
{
    AcceptingListener host;
    int writes = 0;
    host.listener->OnWrite = [&](TSock *) { ++writes; }; // copied on Accept
    RawPeer peer = RawPeer::connectTo(host.port());
    ASSERT_TRUE(host.waitForAccepted());
    ASSERT_TRUE(waitUntil([&] { return writes == 1; }));

    QByteArray burst(8 * 1024 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < burst.size(); ++i)
        burst[i] = char(i * 7 + i / 4096);
    host.accepted->Send(burst);
    // The peer reads while the event loop runs, so the rest goes out with the
    // writable notifications that follow.
    EXPECT_EQ(peer.read(burst.size(), 20000), burst);
    EXPECT_GT(writes, 1);
}

TEST(Transfer, SendFollowedAtOnceByCloseStillReachesThePeer)
{
    AcceptingListener host;
    RawPeer peer = RawPeer::connectTo(host.port());
    ASSERT_TRUE(host.waitForAccepted());

    const QByteArray full = QByteArray("CMD_full+") + char(0xFF);
    host.accepted->Send(full);
    host.accepted->Close();
    EXPECT_EQ(peer.read(full.size()), full);
    EXPECT_TRUE(peer.waitForEnd());
}
