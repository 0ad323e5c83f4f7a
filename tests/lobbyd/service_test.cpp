// The service over real sockets on loopback addresses: codes, direct and
// relayed joins, tickets, deadlines and every limit. Times are shortened
// (quickLimits: a "minute" of 400 ms), counts are as in production.
#include "lobbyclient.h"
#include "protocol.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <thread>

using namespace std::chrono_literals;

namespace {

struct Registered
{
    std::unique_ptr<RawClient> host;
    std::string code;
    std::string secret;
};

Registered registerTable(RunningService &service, const char *from, const std::string &extra = "",
                         const std::string &visibility = "invite")
{
    Registered r;
    r.host = std::make_unique<RawClient>(from, service.port());
    r.host->send(hostLine(extra, visibility));
    const std::string answer = r.host->line();
    EXPECT_EQ(answer.rfind("REGISTERED ", 0), 0u) << answer;
    r.code = lobbyd::fieldOf(answer, "code");
    r.secret = lobbyd::fieldOf(answer, "secret");
    return r;
}

// A relayed pair: the host's relay connection and the joiner, after
// PAIRED and RELAYED.
struct Pair
{
    std::unique_ptr<RawClient> relay;
    std::unique_ptr<RawClient> joiner;
    std::string paired;
};

Pair relayedPair(RunningService &service, Registered &table, const char *joinerFrom)
{
    Pair p;
    p.joiner = std::make_unique<RawClient>(joinerFrom, service.port());
    p.joiner->send("JOIN code=" + table.code + "\n");
    std::string incoming = table.host->line();
    while (incoming.rfind("REACHABLE", 0) == 0)
        incoming = table.host->line();
    EXPECT_EQ(incoming.rfind("INCOMING ", 0), 0u) << incoming;
    p.relay = std::make_unique<RawClient>("127.0.0.2", service.port());
    p.relay->send("ACCEPT ticket=" + lobbyd::fieldOf(incoming, "ticket") + "\n");
    p.paired = p.relay->line();
    EXPECT_EQ(p.joiner->line(), "RELAYED");
    return p;
}

// A listener on `address`, standing for a host's game port.
struct GamePort
{
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    unsigned short port = 0;
    explicit GamePort(const char *address)
    {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        inet_pton(AF_INET, address, &a.sin_addr);
        ::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a);
        ::listen(fd, 4);
        socklen_t length = sizeof a;
        getsockname(fd, reinterpret_cast<sockaddr *>(&a), &length);
        port = ntohs(a.sin_port);
    }
    ~GamePort() { ::close(fd); }
};

} // namespace

TEST(LobbyService, TheSameSecretGetsTheSameCodeAfterARestartOfTheService)
{
    std::string code, secret;
    {
        RunningService service(quickLimits(), "the operator's key of 32 bytes..");
        auto table = registerTable(service, "127.0.0.2");
        code = table.code;
        secret = table.secret;
    }
    RunningService again(quickLimits(), "the operator's key of 32 bytes..");
    auto back = registerTable(again, "127.0.0.3", " secret=" + lobbyd::percentEncode(secret));
    EXPECT_EQ(back.code, code);
    // Another key gives other codes; a secret not of the form is refused.
    RunningService other(quickLimits(), "another key of thirty-two bytes.");
    EXPECT_NE(registerTable(other, "127.0.0.2", " secret=" + secret).code, code);
    RawClient forged("127.0.0.4", other.port());
    forged.send(hostLine(" secret=short"));
    EXPECT_EQ(forged.line(), "ERR bad-field");
}

TEST(LobbyService, ARestartedHostTakesItsTableBackAndOnlyWithTheSecret)
{
    RunningService service(quickLimits());
    auto first = registerTable(service, "127.0.0.2");
    auto second = registerTable(service, "127.0.0.5", " secret=" + first.secret);
    EXPECT_EQ(second.code, first.code);
    EXPECT_EQ(first.host->line(), "REACHABLE no");
    EXPECT_EQ(first.host->line(), "ERR replaced");
    EXPECT_TRUE(first.host->closedWithin());
    EXPECT_EQ(service.counts().tables, 1u);
}

TEST(LobbyService, AReachableHostIsJoinedDirectlyAndOthersThroughTheRelay)
{
    GamePort game("127.0.0.2");
    auto limits = quickLimits();
    limits.gamePort = game.port;
    RunningService service(limits);
    auto table = registerTable(service, "127.0.0.2");
    EXPECT_EQ(table.host->line(), "REACHABLE yes");
    RawClient joiner("127.0.0.3", service.port());
    joiner.send("JOIN code=" + table.code + "\n");
    EXPECT_EQ(joiner.line(), "DIRECT address=127.0.0.2 port=" + std::to_string(game.port));
    EXPECT_TRUE(joiner.closedWithin());

    // relay=1 asks for the relay anyway; the host learns who the joiner is.
    RawClient relayed("127.0.0.4", service.port());
    relayed.send("JOIN code=" + table.code + " relay=1\n");
    const std::string incoming = table.host->line();
    EXPECT_EQ(lobbyd::fieldOf(incoming, "address"), "127.0.0.4");
    EXPECT_EQ(lobbyd::fieldOf(incoming, "port"), std::to_string(relayed.localPort()));
}

TEST(LobbyService, TheRelayCarriesBytesBothWaysAndEndsWithEitherSide)
{
    RunningService service(quickLimits());
    auto table = registerTable(service, "127.0.0.2");
    EXPECT_EQ(table.host->line(), "REACHABLE no");
    auto pair = relayedPair(service, table, "127.0.0.3");
    EXPECT_EQ(pair.paired, "PAIRED address=127.0.0.3 port=" + std::to_string(pair.joiner->localPort()));
    pair.relay->send("CMD_sendlogininfo\xff");
    EXPECT_EQ(pair.joiner->bytes(18), "CMD_sendlogininfo\xff");
    const std::string big(200000, 'x');
    pair.joiner->send(big);
    EXPECT_EQ(pair.relay->bytes(big.size()), big);
    EXPECT_EQ(service.counts().relays, 2u);
    pair.joiner->close();
    EXPECT_TRUE(pair.relay->closedWithin());
    // The table stays; only the relay ended.
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(service.counts().relays, 0u);
    EXPECT_EQ(service.counts().tables, 1u);

    // A joiner that resets the moment it is paired, while the host's side
    // still sends: the ending relay's read must not land in a freed buffer
    // (the sanitizer build catches it), and the service serves on.
    auto reset = relayedPair(service, table, "127.0.0.4");
    const linger abort = {1, 0};
    ::setsockopt(reset.joiner->fd(), SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    reset.joiner->close();
    reset.relay->send(std::string(1000, 'y'));
    EXPECT_TRUE(reset.relay->closedWithin());
    EXPECT_EQ(registerTable(service, "127.0.0.5").host->line(), "REACHABLE no");
}

TEST(LobbyService, TicketsAreGoodOnceAndExpireWithTheirWaitingJoiner)
{
    auto limits = quickLimits();
    limits.hostSilence = 5s;
    RunningService service(limits);
    auto table = registerTable(service, "127.0.0.2");
    RawClient joiner("127.0.0.3", service.port());
    joiner.send("JOIN code=" + table.code + "\n");
    EXPECT_EQ(table.host->line(), "REACHABLE no");
    const std::string ticket = lobbyd::fieldOf(table.host->line(), "ticket");
    EXPECT_EQ(joiner.line(), "ERR host-did-not-answer");
    RawClient late("127.0.0.2", service.port());
    late.send("ACCEPT ticket=" + ticket + "\n");
    EXPECT_EQ(late.line(), "ERR unknown-ticket");

    auto pair = relayedPair(service, table, "127.0.0.3");
    EXPECT_EQ(lobbyd::fieldOf(pair.paired, "address"), "127.0.0.3");
    RawClient again("127.0.0.2", service.port());
    EXPECT_EQ(service.counts().tickets, 0u);

    // A joiner who leaves takes the ticket along; a waiting joiner may not talk.
    RawClient gone("127.0.0.4", service.port());
    gone.send("JOIN code=" + table.code + "\n");
    const std::string goneTicket = lobbyd::fieldOf(table.host->line(), "ticket");
    gone.close();
    std::this_thread::sleep_for(50ms);
    again.send("ACCEPT ticket=" + goneTicket + "\n");
    EXPECT_EQ(again.line(), "ERR unknown-ticket");
    RawClient chatty("127.0.0.4", service.port());
    chatty.send("JOIN code=" + table.code + "\nhello\n");
    EXPECT_EQ(chatty.line(), "ERR bad-line");
}

TEST(LobbyService, SilentConnectionsAndSilentHostsAreDropped)
{
    RunningService service(quickLimits());
    RawClient mute("127.0.0.2", service.port());
    EXPECT_EQ(mute.line(), "ERR too-slow");

    auto kept = registerTable(service, "127.0.0.3");
    auto silent = registerTable(service, "127.0.0.4");
    for (int i = 0; i < 6; ++i) {
        std::this_thread::sleep_for(100ms);
        kept.host->send("PING\n");
    }
    EXPECT_EQ(silent.host->line(), "REACHABLE no");
    EXPECT_EQ(silent.host->line(), "ERR silent");
    RawClient joiner("127.0.0.5", service.port());
    joiner.send("JOIN code=" + silent.code + "\n");
    EXPECT_EQ(joiner.line(), "ERR unknown-code");
    EXPECT_EQ(service.counts().tables, 1u);
    // A closed host goes at once, and its waiting joiner is told.
    RawClient waiting("127.0.0.6", service.port());
    waiting.send("JOIN code=" + kept.code + "\n");
    std::this_thread::sleep_for(50ms);
    kept.host->close();
    EXPECT_EQ(waiting.line(), "ERR host-gone");
    EXPECT_EQ(service.counts().tables, 0u);
}

TEST(LobbyService, WrongCodesFromOneAddressAreCutOffAndOthersJoinOn)
{
    RunningService service(quickLimits());
    auto table = registerTable(service, "127.0.0.2");
    for (int i = 0; i < 10; ++i) {
        RawClient guess("127.0.0.9", service.port());
        guess.send(i % 2 ? "JOIN code=+2222-2222\n" : "JOIN code=+0000-0000\n");
        EXPECT_EQ(guess.line(), i % 2 ? "ERR unknown-code" : "ERR bad-code");
    }
    // Even the right code is refused, without a look, for the rest of the minute.
    RawClient cut("127.0.0.9", service.port());
    cut.send("JOIN code=" + table.code + "\n");
    EXPECT_EQ(cut.line(), "ERR too-many-wrong-codes");
    RawClient friendly("127.0.0.3", service.port());
    friendly.send("JOIN code=" + table.code + "\n");
    EXPECT_NE(table.host->line(), "<timeout>");
    std::this_thread::sleep_for(450ms);
    RawClient later("127.0.0.9", service.port());
    later.send("JOIN code=+2222-2222\n");
    EXPECT_EQ(later.line(), "ERR unknown-code");
}

TEST(LobbyService, ConnectionsAreCappedPerAddressAndInTotal)
{
    auto limits = quickLimits();
    limits.connectionsPerAddress = 3;
    limits.maxConnections = 5;
    RunningService service(limits);
    std::vector<std::unique_ptr<RawClient>> held;
    for (int i = 0; i < 3; ++i)
        held.push_back(std::make_unique<RawClient>("127.0.0.2", service.port()));
    RawClient fourth("127.0.0.2", service.port());
    EXPECT_EQ(fourth.line(), "ERR too-many-connections");
    held.push_back(std::make_unique<RawClient>("127.0.0.3", service.port()));
    held.push_back(std::make_unique<RawClient>("127.0.0.3", service.port()));
    RawClient sixth("127.0.0.4", service.port());
    EXPECT_EQ(sixth.line(), "ERR full");
    EXPECT_EQ(service.counts().connections, 5u);
}

TEST(LobbyService, RegistrationsLookupsAndHostLinesAreLimitedPerAddress)
{
    auto limits = quickLimits();
    limits.hostSilence = 5s;
    limits.tablesPerAddress = 2;
    RunningService service(limits);
    auto a = registerTable(service, "127.0.0.2");
    auto b = registerTable(service, "127.0.0.2");
    RawClient third("127.0.0.2", service.port());
    third.send(hostLine());
    EXPECT_EQ(third.line(), "ERR too-many-tables");
    for (int i = 0; i < 60; ++i) {
        RawClient list("127.0.0.3", service.port());
        list.send("LIST\n");
        ASSERT_EQ(list.line(), "END count=0") << i;
    }
    RawClient tooMany("127.0.0.3", service.port());
    tooMany.send("LIST\n");
    EXPECT_EQ(tooMany.line(), "ERR too-many-lookups");
    std::string burst;
    for (int i = 0; i < 21; ++i)
        burst += "PING\n";
    a.host->send(burst);
    std::string last;
    while ((last = a.host->line()) == "PONG" || last.rfind("REACHABLE", 0) == 0) {
    }
    EXPECT_EQ(last, "ERR too-fast");
    b.host->send("UPDATE players=abc\n");
    EXPECT_EQ(b.host->line(), "REACHABLE no");
    EXPECT_EQ(b.host->line(), "ERR bad-field");
    RawClient chatter("127.0.0.4", service.port());
    chatter.send(std::string(600, 'A'));
    EXPECT_EQ(chatter.line(), "ERR line-too-long");
}

TEST(LobbyService, ThePublicListIsNewestFirstAndFollowsUpdates)
{
    auto limits = quickLimits();
    limits.hostSilence = 5s;
    RunningService service(limits);
    auto older = registerTable(service, "127.0.0.2", "", "public");
    auto hidden = registerTable(service, "127.0.0.3");
    auto newer = registerTable(service, "127.0.0.4", "", "public");
    auto listed = [&] {
        RawClient list("127.0.0.5", service.port());
        list.send("LIST\n");
        std::vector<std::string> rows;
        for (std::string row = list.line(); row.rfind("TABLE", 0) == 0; row = list.line())
            rows.push_back(row);
        return rows;
    };
    auto rows = listed();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(lobbyd::fieldOf(rows[0], "code"), newer.code);
    EXPECT_EQ(lobbyd::fieldOf(rows[1], "code"), older.code);
    newer.host->send("UPDATE visibility=invite\n");
    hidden.host->send("UPDATE visibility=public players=3 name=Bo%20B\n");
    std::this_thread::sleep_for(50ms);
    rows = listed();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(lobbyd::fieldOf(rows[0], "code"), hidden.code);
    EXPECT_EQ(lobbyd::fieldOf(rows[0], "players"), "3");
    EXPECT_EQ(lobbyd::fieldOf(rows[0], "name"), "Bo B");
}

TEST(LobbyService, TheListStopsAtFiveHundredRows)
{
    auto limits = quickLimits();
    limits.hostSilence = 10s;
    RunningService service(limits);
    std::vector<Registered> tables;
    for (int i = 0; i < 501; ++i) {
        const std::string from = "127.0.1." + std::to_string(i / 10 + 1);
        tables.push_back(registerTable(service, from.c_str(), "", "public"));
    }
    RawClient list("127.0.0.5", service.port());
    list.send("LIST\n");
    std::size_t rows = 0;
    std::string row;
    while ((row = list.line()).rfind("TABLE", 0) == 0)
        ++rows;
    EXPECT_EQ(rows, 500u);
    EXPECT_EQ(row, "END count=500");
}

TEST(LobbyService, ARelayIsHeldToItsBytesAMinuteAndToItsBuffer)
{
    auto limits = quickLimits();
    limits.hostSilence = 5s;
    auto slowLimits = limits;
    slowLimits.bufferedBytes = 4096;
    limits.relayBytesPerMinute = 1000;
    RunningService service(limits);
    auto table = registerTable(service, "127.0.0.2");
    auto pair = relayedPair(service, table, "127.0.0.3");
    pair.relay->send(std::string(3000, 'r'));
    // One minute's share passes at once, the rest a minute later each.
    const std::string first = pair.joiner->bytes(3000, 150);
    EXPECT_GE(first.size(), 1000u);
    EXPECT_LT(first.size(), 3000u);
    EXPECT_EQ(first.size() + pair.joiner->bytes(3000 - first.size(), 3000).size(), 3000u);

    // A joiner that reads nothing: the service stops taking the host's bytes.
    RunningService slow(slowLimits);
    auto table2 = registerTable(slow, "127.0.0.2");
    auto stuck = relayedPair(slow, table2, "127.0.0.3");
    const int small = 4096;
    setsockopt(stuck.relay->fd(), SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
    timeval wait{0, 300000};
    setsockopt(stuck.relay->fd(), SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    std::size_t sent = 0;
    const std::string chunk(65536, 'z');
    for (int i = 0; i < 200; ++i) {
        const ssize_t n = ::send(stuck.relay->fd(), chunk.data(), chunk.size(), MSG_NOSIGNAL);
        if (n <= 0)
            break;
        sent += static_cast<std::size_t>(n);
    }
    EXPECT_LT(sent, 200u * chunk.size());
    EXPECT_EQ(stuck.joiner->bytes(sent, 5000).size(), sent);
}
