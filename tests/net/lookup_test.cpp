// Host and port names, and the error names of the Error info.
#include "addresslookup.h"
#include "loopback.h"
#include "wsaerrors.h"

#include <cerrno>

#include <gtest/gtest.h>

namespace {

// The one address of a name that needs no resolving, as the host writes it.
QString literal(const char *name)
{
    const std::optional<QList<SocketAddress>> addresses = AddressLookup::host(QString::fromLatin1(name));
    return addresses && addresses->size() == 1 ? addresses->first().text() : QStringLiteral("?");
}

} // namespace

TEST(Lookup, DottedAddressIsNeverResolvedNorCached)
{
    RawListener far;
    auto client = connectingClient(far.port());
    EXPECT_TRUE(waitUntil([&] { return client->Connected(); }));
    EXPECT_FALSE(TSock::hostCacheContains(QStringLiteral("127.0.0.1")));
    EXPECT_EQ(literal("10.0.0.5"), "10.0.0.5");
    EXPECT_FALSE(TSock::hostCacheContains(QStringLiteral("10.0.0.5")));
}

// What a player types, and how the host writes such a peer's address.
TEST(Lookup, AddressLiteralsOfBothFamiliesAreTakenAsTyped)
{
    EXPECT_EQ(literal("::1"), "::1");
    EXPECT_EQ(literal("[::1]"), "::1");
    EXPECT_EQ(literal("[2001:DB8:0:0:1:0:0:5]"), "2001:db8::1:0:0:5");
    EXPECT_EQ(literal("::ffff:192.0.2.7"), "192.0.2.7");
    EXPECT_EQ(literal("fe80::1%lo"), "fe80::1%lo");
    EXPECT_EQ(literal("10.1"), "10.0.0.1");
    // A name may begin with a digit; it is no literal and is resolved.
    EXPECT_EQ(AddressLookup::host(QStringLiteral("4friends.example.org")), std::nullopt);
}

// Malformed literals are refused at once: the resolver never sees them.
TEST(Lookup, MalformedLiteralsRaiseInsteadOfConnectingSomewhere)
{
    for (const char *bad : {"10.0.0.999", "300.1.1.1", "1.2.3.4.", "2001:db8::5::1", "[::1", "::1]", "[10.0.0.1]",
                            "[2001:db8::5]:7772", "fe80::1%nosuchif0"})
        EXPECT_THROW(AddressLookup::host(QString::fromLatin1(bad)), ESockException) << bad;
}

// The first Open of a name returns before the name is resolved; bytes sent
// meanwhile go out once connected. Later the cache answers at once.
TEST(Lookup, HostNameIsResolvedInTheBackgroundOnceAndThenServedFromTheCache)
{
    RawListener far;
    const QString port = QString::number(far.port());
    TSock client;
    QStringList log;
    recordEvents(&client, log);
    client.setHostName(QStringLiteral("localhost"));
    client.setPortName(port);
    EXPECT_FALSE(client.Open());
    EXPECT_EQ(client.LocalPort(), 0);
    client.Send("early");
    EXPECT_EQ(log.mid(0, 2), QStringList({infoLine(TSocketInfo::Lookup, "Lookup Of Port " + port),
                                          infoLine(TSocketInfo::Lookup, "Lookup Of Host localhost")}));
    EXPECT_TRUE(waitUntil([&] { return client.Connected(); }));
    EXPECT_TRUE(TSock::hostCacheContains(QStringLiteral("localhost")));
    EXPECT_EQ(far.accept().read(5), "early");
    EXPECT_TRUE(AddressLookup::host(QStringLiteral("localhost")).has_value());

    // Not for ever, though: a host on a dynamic address may have moved.
    AddressLookup::setCacheLifetimeForTests(std::chrono::milliseconds(0));
    EXPECT_FALSE(TSock::hostCacheContains(QStringLiteral("localhost")));
    EXPECT_EQ(AddressLookup::host(QStringLiteral("localhost")), std::nullopt);
    AddressLookup::setCacheLifetimeForTests(AddressLookup::CacheLifetime);
}

TEST(Lookup, EmptyHostNameIsAnyAddress)
{
    EXPECT_EQ(literal(""), "0.0.0.0");
}

TEST(Lookup, UnknownHostIsAnErrorInfoAndIsNotCached)
{
    TSock client;
    QStringList log;
    recordEvents(&client, log);
    client.setHostName(QStringLiteral("no-such-host.invalid"));
    client.setPortName(QStringLiteral("7772"));
    EXPECT_FALSE(client.Open());
    const QString notFound = infoLine(TSocketInfo::Error, "Host Lookup - Could Not Find Host Entry");
    EXPECT_TRUE(waitUntil([&] { return log.contains(notFound); }));
    EXPECT_FALSE(TSock::hostCacheContains(QStringLiteral("no-such-host.invalid")));
    EXPECT_FALSE(client.Connected());
}

// An endpoint closed or destroyed while its name is looked up never hears the answer.
TEST(Lookup, AnAnswerForAClosedOrDestroyedEndpointIsDropped)
{
    RawListener far;
    QStringList log, witness;
    TSock reopened;
    recordEvents(&reopened, log);
    auto doomed = std::make_unique<TSock>();
    TSock later;
    recordEvents(&later, witness);
    for (TSock *sock : {&reopened, doomed.get(), &later}) {
        sock->setHostName(QStringLiteral("stale.invalid"));
        sock->setPortName(QString::number(far.port()));
        sock->Open();
    }
    doomed.reset();
    reopened.Close();
    reopened.setHostName(QStringLiteral("127.0.0.1"));
    reopened.Open();
    EXPECT_TRUE(waitUntil([&] { return reopened.Connected() && witness.last().startsWith("info Error"); }));
    EXPECT_FALSE(log.join('\n').contains("Host Lookup"));
}

// A name server slower than the endpoint's patience: the answer that comes
// after the endpoint gave up still serves its next try from the cache.
TEST(Lookup, AnAnswerThatComesAfterTheEndpointGaveUpStillFillsTheCache)
{
    const QString name = QStringLiteral("LocalHost"); // a key of this test's own
    TSock sock;
    sock.setHostName(name);
    sock.setPortName(QStringLiteral("7772"));
    sock.Open();
    sock.Close();
    EXPECT_TRUE(waitUntil([&] { return TSock::hostCacheContains(name); }));
}

TEST(Lookup, PortIsANumberOrAServiceName)
{
    EXPECT_EQ(AddressLookup::port(QStringLiteral("7772")), 7772);
    EXPECT_EQ(AddressLookup::port(QStringLiteral("0")), 0);
    for (const char *bad : {"no-such-service", "", "77x2", "70000"}) {
        try {
            AddressLookup::port(QString::fromLatin1(bad));
            ADD_FAILURE() << "port name accepted: " << bad;
        } catch (const ESockException &e) {
            EXPECT_STREQ(e.what(), "Port Lookup - Could Not Find Service Entry");
        }
    }
}

TEST(Lookup, UnknownServiceNameMakesListenRaise)
{
    TSock sock;
    sock.setPortName(QStringLiteral("no-such-service"));
    EXPECT_THROW(sock.setListen(true), ESockException);
    EXPECT_FALSE(sock.Listen());
}

TEST(WsaErrors, NamesFollowTheWindowsSocketsTable)
{
    EXPECT_EQ(WsaErrors::name(10004), QStringLiteral("WSAEINTR"));
    EXPECT_EQ(WsaErrors::name(10035), QStringLiteral("WSAEWOULDBLOCK"));
    EXPECT_EQ(WsaErrors::name(10053), QStringLiteral("WSAECONNABORTED"));
    EXPECT_EQ(WsaErrors::name(10067), QStringLiteral("WSAEPROCLIM"));
    EXPECT_EQ(WsaErrors::name(10071), QStringLiteral("WSAEREMOTE"));
    EXPECT_EQ(WsaErrors::name(10093), QStringLiteral("WSANOTINITIALISED"));
    EXPECT_EQ(WsaErrors::name(10101), QStringLiteral("WSAEDISCON"));
    EXPECT_EQ(WsaErrors::name(11004), QStringLiteral("WSANO_DATA"));
    for (int unknown : {0, 10000, 10005, 10034, 10072, 10090, 10100, 11000, 11005})
        EXPECT_EQ(WsaErrors::name(unknown), QStringLiteral("UNKNOWN ERROR")) << unknown;
}

TEST(WsaErrors, PlatformErrorsMapOntoWindowsSocketsCodes)
{
    EXPECT_EQ(WsaErrors::fromErrno(ECONNREFUSED), 10061);
    EXPECT_EQ(WsaErrors::fromErrno(ECONNRESET), 10054);
    EXPECT_EQ(WsaErrors::fromErrno(ECONNABORTED), 10053);
    EXPECT_EQ(WsaErrors::fromErrno(ETIMEDOUT), 10060);
    EXPECT_EQ(WsaErrors::fromErrno(ENETUNREACH), 10051);
    EXPECT_EQ(WsaErrors::fromErrno(EHOSTUNREACH), 10065);
    EXPECT_EQ(WsaErrors::fromErrno(EAGAIN), 10035);
    const int other = WsaErrors::fromErrno(EIO);
    EXPECT_GT(other, 10000);
    EXPECT_EQ(WsaErrors::name(other), QStringLiteral("UNKNOWN ERROR"));
    EXPECT_EQ(WsaErrors::errorText(10061), QStringLiteral("Error #10061 (WSAECONNREFUSED)"));
}
