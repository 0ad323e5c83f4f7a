#include "lobbyclient.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

RunningService::RunningService(lobbyd::Limits limits, std::string key)
{
    service_ = std::make_unique<lobbyd::Service>(io_, std::move(key), limits, [](const std::string &) {});
    service_->listen(asio::ip::tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0));
    port_ = service_->endpoints().at(0).port();
    thread_ = std::thread([this] { io_.run(); });
}

RunningService::~RunningService() { stop(); }

void RunningService::stop()
{
    if (!thread_.joinable())
        return;
    asio::post(io_, [this] { service_->stop(); });
    thread_.join();
}

lobbyd::Service::Counts RunningService::counts()
{
    std::promise<lobbyd::Service::Counts> result;
    asio::post(io_, [&] { result.set_value(service_->counts()); });
    return result.get_future().get();
}

lobbyd::Limits quickLimits()
{
    using namespace std::chrono_literals;
    lobbyd::Limits limits;
    limits.minute = 400ms;
    limits.firstLine = 300ms;
    limits.ticketLife = 300ms;
    limits.hostSilence = 300ms;
    limits.reachabilityTimeout = 300ms;
    limits.listRefresh = 0ms;
    limits.drainTimeout = 200ms;
    limits.gamePort = 1; // nothing listens there: hosts are unreachable
    return limits;
}

RawClient::RawClient(const char *source, unsigned short port)
{
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in from{};
    from.sin_family = AF_INET;
    inet_pton(AF_INET, source, &from.sin_addr);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    inet_pton(AF_INET, "127.0.0.1", &to.sin_addr);
    if (::bind(fd_, reinterpret_cast<sockaddr *>(&from), sizeof from) != 0 ||
        ::connect(fd_, reinterpret_cast<sockaddr *>(&to), sizeof to) != 0)
        close();
}

RawClient::~RawClient() { close(); }

void RawClient::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

unsigned short RawClient::localPort() const
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    getsockname(fd_, reinterpret_cast<sockaddr *>(&address), &length);
    return ntohs(address.sin_port);
}

void RawClient::send(const std::string &bytes)
{
    if (fd_ >= 0)
        (void)!::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

bool RawClient::fill(int ms)
{
    pollfd p{fd_, POLLIN, 0};
    if (fd_ < 0 || ::poll(&p, 1, ms) <= 0)
        return false;
    char chunk[4096];
    const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
    if (n <= 0) {
        close();
        return false;
    }
    buffer_.append(chunk, static_cast<std::size_t>(n));
    return true;
}

namespace {

// Milliseconds from now until `until`.
int msLeft(std::chrono::steady_clock::time_point until)
{
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now()).count());
}

} // namespace

std::string RawClient::line(int ms)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        const auto end = buffer_.find('\n');
        if (end != std::string::npos) {
            std::string out = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            return out;
        }
        if (fd_ < 0 || msLeft(until) <= 0 || !fill(msLeft(until)))
            return fd_ < 0 ? "<closed>" : "<timeout>";
    }
}

std::string RawClient::bytes(std::size_t n, int ms)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (buffer_.size() < n && fd_ >= 0 && msLeft(until) > 0 && fill(msLeft(until))) {
    }
    std::string out = buffer_.substr(0, std::min(n, buffer_.size()));
    buffer_.erase(0, out.size());
    return out;
}

bool RawClient::closedWithin(int ms)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (fd_ >= 0 && msLeft(until) > 0)
        fill(msLeft(until));
    return fd_ < 0;
}

std::string hostLine(const std::string &extra, const std::string &visibility)
{
    return "HOST name=Ann game=tavlix version=1.0.0 players=1 watchers=0 free=5 state=waiting round=0 locked=0 "
           "visibility=" + visibility + extra + "\n";
}

Program::Program(std::vector<std::string> arguments, bool prependService)
{
    if (prependService)
        arguments.insert(arguments.begin(), TAVLIX_LOBBYD_EXECUTABLE);
    std::vector<char *> argv;
    for (auto &a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    err = pipeFds[0];
}

Program::~Program()
{
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    ::close(err);
}

std::string Program::line()
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

unsigned short Program::port(const std::string &address)
{
    const std::string prefix = "listening on " + address + ":";
    for (std::string l = line(); !l.empty(); l = line())
        if (l.rfind(prefix, 0) == 0)
            return static_cast<unsigned short>(std::stoi(l.substr(prefix.size())));
    return 0;
}

int Program::exitStatus()
{
    int status = -1;
    waitpid(pid, &status, 0);
    pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
