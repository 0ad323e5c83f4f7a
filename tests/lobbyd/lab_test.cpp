// One real orvellobbyd on the lab's public server, a host in home A (behind
// carrier-grade NAT) and a joiner in home B (a router that opens nothing):
// they meet through the relay, and a line goes each way. Needs root to build
// the lab; skips with a message elsewhere.
#include "lobbyclient.h"
#include "netnamespace.h"

#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <signal.h>
#include <unistd.h>

namespace {

const std::string kLab = TAVLIX_LABS "/closed-homes.sh";

class ClosedHomes : public ::testing::Test
{
protected:
    std::string prefix = "lbd" + std::to_string(getpid() % 1000);

    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "needs root to build the closed-homes lab";
        if (!std::filesystem::exists(kLab))
            GTEST_SKIP() << "no lab script at " << kLab;
        Program up({kLab, "up", prefix}, false);
        const int status = up.exitStatus();
        if (status != 0)
            GTEST_SKIP() << "the closed-homes lab could not be built (status " << status << "): " << up.line();
        built = true;
    }
    void TearDown() override
    {
        if (built) {
            Program down({kLab, "down", prefix}, false);
            down.exitStatus();
        }
    }
    QString machine(const char *suffix) const { return QString::fromStdString(prefix + suffix); }
    bool built = false;
};

std::unique_ptr<RawClient> dial(const QString &machine)
{
    return std::make_unique<RawClient>(connectFrom(machine, "203.0.113.10", 7773));
}

} // namespace

TEST_F(ClosedHomes, AHostBehindCarrierNatAndAJoinerBehindAClosedRouterMeetThroughTheRelay)
{
    Program service({"ip", "netns", "exec", prefix + "-s", TAVLIX_LOBBYD_EXECUTABLE, "--listen", "203.0.113.10:7773"},
                    false);
    ASSERT_EQ(service.port("203.0.113.10"), 7773);

    auto host = dial(machine("-a"));
    host->send(hostLine());
    const std::string registered = host->line();
    EXPECT_EQ(lobbyd::fieldOf(registered, "address"), "198.51.100.1") << registered;
    // Nothing reaches A from outside.
    EXPECT_EQ(host->line(7000), "REACHABLE no");

    auto joiner = dial(machine("-b"));
    joiner->send("JOIN code=" + lobbyd::fieldOf(registered, "code") + "\n");
    const std::string incoming = host->line();
    EXPECT_EQ(lobbyd::fieldOf(incoming, "address"), "198.51.100.6") << incoming;

    auto relay = dial(machine("-a"));
    relay->send("ACCEPT ticket=" + lobbyd::fieldOf(incoming, "ticket") + "\n");
    const std::string paired = relay->line();
    EXPECT_EQ(lobbyd::fieldOf(paired, "address"), "198.51.100.6") << paired;
    EXPECT_EQ(lobbyd::fieldOf(paired, "port"), lobbyd::fieldOf(incoming, "port"));
    EXPECT_EQ(joiner->line(), "RELAYED");
    relay->send("hello from A\n");
    EXPECT_EQ(joiner->line(), "hello from A");
    joiner->send("hello from B\n");
    EXPECT_EQ(relay->line(), "hello from B");

    // A stranger's guess is refused, and the pair plays on.
    auto stranger = dial(machine("-x"));
    stranger->send("JOIN code=+2222-2222\n");
    EXPECT_EQ(stranger->line(), "ERR unknown-code");
    joiner->send("still here\n");
    EXPECT_EQ(relay->line(), "still here");
    kill(service.pid, SIGTERM);
    EXPECT_EQ(service.exitStatus(), 0);
}
