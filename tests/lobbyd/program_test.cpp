// The orvellobbyd program itself: its command line, its key file, and an
// orderly end on SIGTERM.
#include "lobbyclient.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>


TEST(LobbyProgram, HelpAndAWrongOptionAreAnswered)
{
    Program help({"--help"});
    EXPECT_EQ(help.exitStatus(), 0);
    Program wrong({"--listen", "7773"});
    EXPECT_EQ(wrong.line(), "orvellobbyd: not an ADDRESS:PORT: 7773");
    EXPECT_EQ(wrong.exitStatus(), 2);
}

TEST(LobbyProgram, TheKeyFileKeepsCodesAcrossARestartAndSigtermEndsInOrder)
{
    const auto folder = std::filesystem::temp_directory_path() / ("orvellobbyd-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string keyFile = (folder / "key").string();
    std::string code, secret;
    {
        Program first({"--listen", "127.0.0.1:0", "--key-file", keyFile});
        EXPECT_EQ(first.line(), "made a new key in " + keyFile);
        const auto port = first.port();
        ASSERT_NE(port, 0);
        struct stat info{};
        ASSERT_EQ(stat(keyFile.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        EXPECT_EQ(info.st_size, 32);
        RawClient host("127.0.0.2", port);
        host.send(hostLine());
        const std::string answer = host.line();
        code = lobbyd::fieldOf(answer, "code");
        secret = lobbyd::fieldOf(answer, "secret");
        kill(first.pid, SIGTERM);
        std::string last;
        while ((last = host.line()).rfind("REACHABLE", 0) == 0) {
        }
        EXPECT_EQ(last, "ERR shutting-down");
        EXPECT_TRUE(host.closedWithin());
        EXPECT_EQ(first.line(), "stopping on SIGTERM");
        EXPECT_EQ(first.exitStatus(), 0);
    }
    Program second({"--listen", "127.0.0.1:0", "--key-file", keyFile});
    EXPECT_EQ(second.line(), "key from " + keyFile);
    RawClient host("127.0.0.2", second.port());
    host.send(hostLine(" secret=" + secret));
    EXPECT_EQ(lobbyd::fieldOf(host.line(), "code"), code);
    std::filesystem::remove_all(folder);
}
