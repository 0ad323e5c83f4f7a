// What a player types as an invite code, and the lines of the meeting
// service's protocol, read whole and with what a broken or hostile service
// may send.

#include "invitecode.h"
#include "lobbyline.h"

#include <gtest/gtest.h>

TEST(InviteCode, CaseAndTheDashDoNotMatterButThePlusAndTheAlphabetDo)
{
    for (const char *typed : {"+K7QX-M2PA", "+k7qxm2pa", " +K7-QXM2PA ", "+K7QXM2PA-"})
        EXPECT_EQ(InviteCode::parse(typed), "+K7QX-M2PA") << typed;
    for (const char *typed : {"K7QXM2PA", "+K7QX-M2P", "+K7QX-M2PAB", "+K7QX-M2P0", "+K7QX-M2PI", "+K7QX M2PA",
                              "+K7QX-M2PÄ", "+", "", "host.example"})
        EXPECT_FALSE(InviteCode::parse(QString::fromUtf8(typed))) << typed;
}

TEST(LobbyLine, FieldsArePercentCodedBothWaysAndMalformedLinesRefused)
{
    LobbyLine host{"HOST", {}};
    host.add("name", QStringLiteral("Ann Lee 100% ü")).add("players", 2);
    const QByteArray wire = host.encoded();
    EXPECT_EQ(wire, "HOST name=Ann%20Lee%20100%25%20%C3%BC players=2\n");
    const auto back = LobbyLine::parse(wire.chopped(1) + '\r');
    ASSERT_TRUE(back);
    EXPECT_EQ(back->word, "HOST");
    EXPECT_EQ(back->text("name"), QStringLiteral("Ann Lee 100% ü"));
    EXPECT_EQ(back->number("players"), 2);
    EXPECT_FALSE(back->number("name"));

    const auto reachable = LobbyLine::parse("ERR unknown-code");
    ASSERT_TRUE(reachable);
    EXPECT_EQ(reachable->fields.at(""), "unknown-code");
    EXPECT_EQ(LobbyLine::parse("PAIRED address=198.51.100.6 port=40123 later=unknown")->number("port"), 40123);
    EXPECT_FALSE(LobbyLine::parse("PAIRED port=123456")->number("port"));
    for (const char *bad : {"", "host x=1", "HOST x=1 x=2", "HOST x=%4", "HOST x=%zz", "HOST Name=1",
                            "HOST =1", "HOST x=\x01"})
        EXPECT_FALSE(LobbyLine::parse(bad)) << bad;
}

TEST(ServiceAddress, HostAndPortWithIpv6InBracketsAndTheDefaultPort)
{
    const auto named = ServiceAddress::parse("lobby.orvelsoftware.com:7773");
    ASSERT_TRUE(named);
    EXPECT_EQ(named->host, "lobby.orvelsoftware.com");
    EXPECT_EQ(named->port, 7773);
    EXPECT_EQ(ServiceAddress::parse("[2001:db8::7]:8000")->host, "2001:db8::7");
    EXPECT_EQ(ServiceAddress::parse("[2001:db8::7]:8000")->port, 8000);
    EXPECT_EQ(ServiceAddress::parse("2001:db8::7")->port, 7773);
    EXPECT_EQ(ServiceAddress::parse(" lobby.test ")->port, 7773);
    for (const char *bad : {"", ":7773", "lobby.test:", "lobby.test:0", "lobby.test:65536", "[2001:db8::7", "[::1]x",
                            "lobby test:7773", "lobby.test:77x"})
        EXPECT_FALSE(ServiceAddress::parse(bad)) << bad;
}
