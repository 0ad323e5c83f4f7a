// Operations used in the wrong state raise the transport's fixed texts.
#include "loopback.h"

#include <gtest/gtest.h>

namespace {

template<typename Operation>
std::string raised(Operation operation)
{
    try {
        operation();
    } catch (const ESockException &e) {
        return e.what();
    }
    return "(nothing raised)";
}

} // namespace

TEST(Misuse, OperationsInTheWrongStateRaiseTheirFixedTexts)
{
    TSock idle;
    TSock *out = nullptr;
    EXPECT_EQ(raised([&] { idle.Send("x"); }), "Send - Socket Not Connected");
    EXPECT_EQ(raised([&] { idle.Receive(); }), "Receive - Socket Not Connected");
    EXPECT_EQ(raised([&] { idle.Receive(4); }), "Receive - Socket Not Connected");
    EXPECT_EQ(raised([&] { idle.Accept(out); }), "Accept - Socket Not In Listening Mode");
    EXPECT_EQ(out, nullptr);

    auto listener = ephemeralListener();
    EXPECT_EQ(raised([&] { listener->Send("x"); }), "Send - Cannot Send On A Listener Socket");
    EXPECT_EQ(raised([&] { listener->Receive(); }), "Receive - Cannot Receive On A Listener Socket");
    EXPECT_EQ(raised([&] { listener->Receive(1); }), "Receive - Cannot Receive On A Listener Socket");

    RawListener far;
    auto client = connectingClient(far.port());
    EXPECT_EQ(raised([&] { client->setListen(true); }), "Listen - Socket Already In Use");
    EXPECT_FALSE(client->Listen());
}

TEST(Misuse, AcceptWithNothingPendingReportsAndLeavesTheArgument)
{
    auto listener = ephemeralListener();
    QStringList log;
    recordEvents(listener.get(), log);
    TSock *out = nullptr;
    EXPECT_FALSE(listener->Accept(out));
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(log, QStringList({infoLine(TSocketInfo::Accept, QStringLiteral("Could Not Accept Connection"))}));
}

TEST(Misuse, ListeningAgainOnlyReportsAlreadyRunning)
{
    TSock sock;
    QStringList log;
    recordEvents(&sock, log);
    sock.setPortName(QStringLiteral("0"));
    sock.setListen(true);
    const quint16 port = sock.LocalPort();
    EXPECT_NE(port, 0);
    sock.setListen(true);
    EXPECT_EQ(log, QStringList({infoLine(TSocketInfo::Lookup, QStringLiteral("Lookup Of Port 0")),
                                infoLine(TSocketInfo::Listen, QStringLiteral("Listening Started")),
                                infoLine(TSocketInfo::Listen, QStringLiteral("Listening Already Running"))}));
    EXPECT_EQ(sock.LocalPort(), port);
}

TEST(Misuse, RenamingAConnectedEndpointStoresTheNameButHasNoEffect)
{
    QStringList log;
    auto listener = ephemeralListener();
    TSock *accepted = nullptr;
    listener->OnAccept = [&](TSock *sender) { sender->Accept(accepted); };
    RawPeer peer = RawPeer::connectTo(listener->LocalPort());
    ASSERT_TRUE(waitUntil([&] { return accepted != nullptr; }));
    recordEvents(accepted, log);

    accepted->setHostName(QStringLiteral("elsewhere"));
    accepted->setPortName(QStringLiteral("7772"));
    EXPECT_EQ(log, QStringList({infoLine(TSocketInfo::Lookup, QStringLiteral("Setting HostName While Connected Has No Effect")),
                                infoLine(TSocketInfo::Lookup, QStringLiteral("Setting PortName While Connected Has No Effect"))}));
    EXPECT_EQ(accepted->HostName(), QStringLiteral("elsewhere"));
    EXPECT_EQ(accepted->PortName(), QStringLiteral("7772"));
    EXPECT_TRUE(accepted->Connected());

    TSock idle;
    QStringList idleLog;
    recordEvents(&idle, idleLog);
    idle.setHostName(QStringLiteral("localhost"));
    EXPECT_TRUE(idleLog.isEmpty());
}

TEST(Misuse, BufferedBytesCanBeTakenInPartsAndEvenAfterClose)
{
    auto listener = ephemeralListener();
    TSock *accepted = nullptr;
    listener->OnAccept = [&](TSock *sender) { sender->Accept(accepted); };
    RawPeer peer = RawPeer::connectTo(listener->LocalPort());
    ASSERT_TRUE(waitUntil([&] { return accepted != nullptr; }));
    int lastCount = 0;
    accepted->OnRead = [&](TSock *, int count) { lastCount = count; };
    peer.send("abcdef");
    ASSERT_TRUE(waitUntil([&] { return lastCount == 6; }));

    EXPECT_EQ(accepted->Receive(2), QByteArray("ab"));
    EXPECT_EQ(accepted->Receive(0), QByteArray());
    accepted->Close();
    EXPECT_EQ(accepted->Receive(), QByteArray("cdef"));
    EXPECT_EQ(raised([&] { accepted->Receive(); }), "Receive - Socket Not Connected");
}
