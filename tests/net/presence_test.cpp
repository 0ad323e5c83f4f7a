// The presence connection to the launcher on 127.0.0.1:9001.
#include "loopback.h"
#include "presence.h"

#include <gtest/gtest.h>

namespace {

// Collects warnings while alive: the presence connection must stay silent.
class WarningCatcher
{
public:
    WarningCatcher() { previous = qInstallMessageHandler(&WarningCatcher::handle); count() = 0; }
    ~WarningCatcher() { qInstallMessageHandler(previous); }
    static int &count()
    {
        static int n = 0;
        return n;
    }

private:
    static void handle(QtMsgType, const QMessageLogContext &, const QString &) { ++count(); }
    QtMessageHandler previous = nullptr;
};

} // namespace

TEST(Presence, LauncherSeesTheConnectionUntilTheEndpointGoes)
{
    RawListener launcher(9001, true);
    ASSERT_TRUE(launcher.isListening());
    auto presence = openPresence();
    ASSERT_NE(presence, nullptr);
    EXPECT_EQ(presence->objectName(), QStringLiteral("Sock11"));
    EXPECT_EQ(presence->HostName(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(presence->PortName(), QStringLiteral("9001"));
    EXPECT_FALSE(presence->OnInfo || presence->OnConnect || presence->OnDisconnect || presence->OnWrite
                 || presence->OnAccept);

    RawPeer seen = launcher.accept();
    ASSERT_TRUE(seen.isOpen());
    EXPECT_TRUE(waitUntil([&] { return presence->Connected(); }));
    EXPECT_TRUE(seen.read(1, 200).isEmpty()); // no traffic

    presence.reset();
    EXPECT_TRUE(seen.waitForEnd());
}

TEST(Presence, NothingListeningPlaysOnSilently)
{
    WarningCatcher warnings;
    std::unique_ptr<TSock> presence;
    EXPECT_NO_THROW(presence = openPresence());
    spinFor(200);
    ASSERT_NE(presence, nullptr);
    EXPECT_FALSE(presence->Connected());
    presence.reset();
    EXPECT_EQ(WarningCatcher::count(), 0);
}

TEST(Presence, BytesFromTheLauncherAreDroppedNotKept)
{
    RawListener launcher(9001, true);
    ASSERT_TRUE(launcher.isListening());
    auto presence = openPresence();
    RawPeer seen = launcher.accept();
    ASSERT_TRUE(seen.isOpen());
    ASSERT_TRUE(waitUntil([&] { return presence->Connected(); }));

    seen.send(QByteArray(256 * 1024, 'z'));
    seen = RawPeer(); // the launcher closes after its bytes
    ASSERT_TRUE(waitUntil([&] { return !presence->Connected(); }));
    // Nothing was left buffered: after the close there is nothing to take.
    EXPECT_THROW(presence->Receive(), ESockException);
}
