// The orvellobbyd program itself: its command line, its key file, and an
// orderly end on SIGTERM.
#include "lobbyclient.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

// orvellobbyd with `arguments`, its stderr read line by line.
struct Program
{
    pid_t pid = -1;
    int err = -1;
    std::string buffer;

    explicit Program(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), TAVLIX_LOBBYD_EXECUTABLE);
        std::vector<char *> argv;
        for (auto &a : arguments)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        int pipeFds[2];
        EXPECT_EQ(pipe2(pipeFds, O_CLOEXEC), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeFds[1]);
        err = pipeFds[0];
    }
    ~Program()
    {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        ::close(err);
    }
    // The next stderr line, or "" after 5 s or at its end.
    std::string line()
    {
        for (;;) {
            const auto end = buffer.find('\n');
            if (end != std::string::npos) {
                std::string out = buffer.substr(0, end);
                buffer.erase(0, end + 1);
                return out;
            }
            pollfd p{err, POLLIN, 0};
            char chunk[512];
            if (poll(&p, 1, 5000) <= 0)
                return {};
            const ssize_t n = read(err, chunk, sizeof chunk);
            if (n <= 0)
                return {};
            buffer.append(chunk, static_cast<std::size_t>(n));
        }
    }
    // The port of "listening on 127.0.0.1:PORT".
    unsigned short port()
    {
        for (std::string l = line(); !l.empty(); l = line())
            if (l.rfind("listening on 127.0.0.1:", 0) == 0)
                return static_cast<unsigned short>(std::stoi(l.substr(l.rfind(':') + 1)));
        return 0;
    }
    int exitStatus()
    {
        int status = -1;
        waitpid(pid, &status, 0);
        pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

} // namespace

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
        code = fieldOf(answer, "code");
        secret = fieldOf(answer, "secret");
        kill(first.pid, SIGTERM);
        std::string last;
        while ((last = host.line()).rfind("REACHABLE", 0) == 0) {
        }
        EXPECT_EQ(last, "ERR shutting-down");
        EXPECT_TRUE(host.closedWithin());
        EXPECT_EQ(first.line(), "stopping on SIGTERM");
        EXPECT_EQ(first.line(), "stopped");
        EXPECT_EQ(first.exitStatus(), 0);
    }
    Program second({"--listen", "127.0.0.1:0", "--key-file", keyFile});
    EXPECT_EQ(second.line(), "key from " + keyFile);
    RawClient host("127.0.0.2", second.port());
    host.send(hostLine(" secret=" + secret));
    EXPECT_EQ(fieldOf(host.line(), "code"), code);
    std::filesystem::remove_all(folder);
}
