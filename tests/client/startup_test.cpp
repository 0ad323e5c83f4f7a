#include "clientfixture.h"

#include "protocol.h"

// These start-ups open the presence connection to 127.0.0.1:9001.

class StartupTest : public ClientTest
{
protected:
    bool launcherSawPresence()
    {
        return waitUntil([this] { return launcher.hasPendingConnections(); }, 3000);
    }

    QTcpServer launcher;
};

TEST_F(StartupTest, TrueAsThirdParameterHostsLocallyWhateverTheAddress)
{
    ASSERT_TRUE(launcher.listen(QHostAddress::LocalHost, 9001));
    connection->processparams({"Ann", "10.0.0.5", "true"});
    EXPECT_EQ(hostStarts, 1);
    EXPECT_EQ(connection->sock()->HostName(), "127.0.0.1");
    EXPECT_EQ(state.playername, "Ann");
    EXPECT_EQ(state.hostaddress, "10.0.0.5");
    EXPECT_TRUE(state.ishost);
    EXPECT_EQ(hostControls, true);
    EXPECT_EQ(downloadShown, 0);
    EXPECT_TRUE(launcherSawPresence());
    EXPECT_TRUE(waitUntil([this] { return host.hasPendingConnections(); }));
}

TEST_F(StartupTest, AnyOtherThirdParameterJoinsTheGivenHost)
{
    ASSERT_TRUE(launcher.listen(QHostAddress::LocalHost, 9001));
    for (const char *third : {"TRUE", "yes", "false"}) {
        connection->processparams({"Ann", "127.0.0.2", third});
        EXPECT_EQ(hostStarts, 0) << third;
        EXPECT_EQ(connection->sock()->HostName(), "127.0.0.2") << third;
        EXPECT_FALSE(state.ishost);
        EXPECT_EQ(hostControls, false);
        EXPECT_TRUE(launcherSawPresence()) << third;
        delete launcher.nextPendingConnection();
    }
}

TEST_F(StartupTest, NoLauncherListeningIsSilent)
{
    connection->processparams({"Ann", "127.0.0.1", "false"});
    spinFor(100);
    EXPECT_EQ(lines, QStringList{"Loading Multi-player Game.. Please Wait."});
    EXPECT_EQ(messages, QStringList{});
    EXPECT_NE(connection->presence(), nullptr);
}

TEST_F(StartupTest, LoginNameNeverCarriesTheTerminatorByte)
{
    connection->processparams({QStringLiteral("Zoÿ"), "127.0.0.1", "false"});
    ASSERT_TRUE(waitUntil([this] { return host.hasPendingConnections(); }));
    peer.reset(host.nextPendingConnection());
    hostSends(wire::host::sendlogininfo(2), 1);
    connection->Timer1Timer();
    EXPECT_EQ(hostReceives(26), QByteArray("CMD_logininfo+2+1.0.0+Zoy\xFF"));
}
