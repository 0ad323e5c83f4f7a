// Raw clients of the meeting service on loopback addresses: 10,000 hosts
// keep their tables (and ping), 1,000 relayed pairs send a 200-byte line
// each way every second, a timed joiner joins by code five times a second,
// and halfway through one address sends 1,000 wrong codes in 10 s. Prints the
// figures as a table: the service's CPU and resident memory (read from
// /proc of --service-pid), a relayed line's latency, the join's time to the
// first relayed byte, and the refusals of the wrong codes.
//
//   tavlix_benchlobbyd --port 7773 --service-pid PID [--tables 10000] [--pairs 1000] [--seconds 20]
//                      [--forwarder-port PORT]
//   tavlix_benchlobbyd --forward PORT      the bare forwarder that 100 more pairs go through
//
// Everything runs on one Asio loop; the service is the real program.
#include "protocol.h"

#include <asio/connect.hpp>
#include <asio/io_context.hpp>
#include <asio/ip/tcp.hpp>
#include <asio/read_until.hpp>
#include <asio/steady_timer.hpp>
#include <asio/streambuf.hpp>
#include <asio/write.hpp>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <deque>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

using asio::ip::tcp;
using Clock = std::chrono::steady_clock;

namespace {

asio::io_context io;
unsigned short port = 7773;

double sinceMs(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// Loopback address number n of block b: 127.b.x.y.
asio::ip::address_v4 loopback(int block, int n)
{
    return asio::ip::make_address_v4("127." + std::to_string(block) + "." + std::to_string(n / 250) + "." +
                                     std::to_string(n % 250 + 1));
}

// A connection that reads lines and writes queued text.
struct Line : std::enable_shared_from_this<Line>
{
    tcp::socket socket{io};
    asio::streambuf in;
    std::deque<std::string> out;
    bool writing = false;
    bool open = false;
    std::function<void(const std::string &)> onLine;
    std::function<void()> onOpen;
    std::function<void()> onClose;

    void connect(const asio::ip::address_v4 &from, unsigned short to = port)
    {
        std::error_code error;
        socket.open(tcp::v4(), error);
        socket.bind(tcp::endpoint(from, 0), error);
        socket.async_connect(tcp::endpoint(asio::ip::make_address_v4("127.0.0.1"), to),
                             [self = shared_from_this()](const std::error_code &e) {
                                 if (e) {
                                     self->closed();
                                     return;
                                 }
                                 self->open = true;
                                 self->socket.set_option(tcp::no_delay(true));
                                 if (self->onOpen)
                                     self->onOpen();
                                 self->read();
                                 if (!self->out.empty() && !self->writing)
                                     self->writeNext();
                             });
    }
    void read()
    {
        asio::async_read_until(socket, in, '\n', [self = shared_from_this()](const std::error_code &e, std::size_t n) {
            if (e) {
                self->closed();
                return;
            }
            std::string line(asio::buffers_begin(self->in.data()), asio::buffers_begin(self->in.data()) + n - 1);
            self->in.consume(n);
            if (self->onLine)
                self->onLine(line);
            if (self->open)
                self->read();
        });
    }
    void send(std::string text)
    {
        out.push_back(std::move(text));
        if (open && !writing)
            writeNext();
    }
    void writeNext()
    {
        writing = true;
        asio::async_write(socket, asio::buffer(out.front()), [self = shared_from_this()](const std::error_code &e, std::size_t) {
            self->writing = false;
            if (e)
                return;
            self->out.pop_front();
            if (!self->out.empty())
                self->writeNext();
        });
    }
    void closed()
    {
        if (!open && !onClose)
            return;
        open = false;
        std::error_code ignored;
        socket.close(ignored);
        if (auto f = std::move(onClose))
            f();
        onLine = nullptr;
    }
};

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * (v.size() - 1) + 0.5))];
}

struct Host
{
    std::shared_ptr<Line> line;
    std::string code;
    int address = 0;
};

std::vector<Host> hosts;
std::size_t registered = 0;
std::size_t paired = 0;
bool measuring = false;
std::vector<double> relayLatency;
std::vector<double> directLatency; // the same lines over direct loopback connections
std::vector<std::shared_ptr<Line>> directSides;
std::vector<double> forwardLatency; // and through the bare forwarder
std::vector<std::shared_ptr<Line>> forwardSides;
std::vector<std::size_t> timedHosts; // hosts whose joiners are timed, each on an address of its own
std::vector<double> joinBefore, joinDuring;
bool flooding = false;
std::map<std::string, int> floodAnswers;
std::vector<std::shared_ptr<Line>> pairSides; // host side, joiner side, per pair

// A relayed line: "T <ns>" padded to 200 bytes with its LF.
std::string relayLine()
{
    std::string text = "T " + std::to_string(nowNs()) + " ";
    text.resize(199, 'x');
    return text + "\n";
}

void takeTimed(const std::string &line, std::vector<double> &into)
{
    if (!measuring || line.size() < 3 || line[0] != 'T')
        return;
    const std::int64_t sent = std::stoll(line.substr(2, line.find(' ', 2) - 2));
    into.push_back((nowNs() - sent) / 1e6);
}
void takeRelayed(const std::string &line) { takeTimed(line, relayLatency); }

// The least a relay in a process of its own costs on this machine: a bare
// forwarder (tavlix_benchlobbyd --forward PORT) that pairs each two
// connections it accepts and copies bytes both ways, without any protocol.
struct Forward : std::enable_shared_from_this<Forward>
{
    tcp::socket socket;
    std::shared_ptr<Forward> peer;
    std::array<char, 8192> buffer{};
    explicit Forward(tcp::socket s) : socket(std::move(s)) { socket.set_option(tcp::no_delay(true)); }
    void read()
    {
        socket.async_read_some(asio::buffer(buffer), [self = shared_from_this()](const std::error_code &e, std::size_t n) {
            if (e || !self->peer)
                return;
            asio::async_write(self->peer->socket, asio::buffer(self->buffer.data(), n),
                              [self](const std::error_code &e2, std::size_t) {
                                  if (!e2)
                                      self->read();
                              });
        });
    }
};

int forwarder(unsigned short listenPort)
{
    tcp::acceptor acceptor(io, tcp::endpoint(asio::ip::make_address_v4("127.0.0.1"), listenPort));
    std::shared_ptr<Forward> waiting;
    std::function<void()> next = [&] {
        acceptor.async_accept([&](const std::error_code &e, tcp::socket socket) {
            if (e)
                return;
            auto side = std::make_shared<Forward>(std::move(socket));
            if (!waiting) {
                waiting = side;
            } else {
                side->peer = waiting;
                waiting->peer = side;
                side->read();
                waiting->read();
                waiting.reset();
            }
            next();
        });
    };
    next();
    io.run();
    return 0;
}

// Direct loopback pairs within this program, for the latency that the relay
// adds to.
void directPairs(tcp::acceptor &acceptor, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        auto client = std::make_shared<Line>();
        client->onLine = [](const std::string &line) { takeTimed(line, directLatency); };
        client->onOpen = [client] { directSides.push_back(client); };
        client->connect(loopback(5, static_cast<int>(i)), acceptor.local_endpoint().port());
        acceptor.async_accept([](const std::error_code &e, tcp::socket socket) {
            if (e)
                return;
            auto server = std::make_shared<Line>();
            server->socket = std::move(socket);
            server->socket.set_option(tcp::no_delay(true));
            server->open = true;
            server->onLine = [](const std::string &line) { takeTimed(line, directLatency); };
            server->read();
            directSides.push_back(server);
        });
    }
}

// The host's side of a relay: dials with the ticket, sends "F" at once
// (the joiner's first relayed byte), then carries timed lines.
void dialRelay(Host &host, const std::string &ticket, bool forPair)
{
    auto relay = std::make_shared<Line>();
    relay->onLine = [relay, forPair](const std::string &line) {
        if (line.rfind("PAIRED", 0) == 0) {
            relay->send("F\n");
            if (forPair) {
                pairSides.push_back(relay);
                ++paired;
            }
            return;
        }
        takeRelayed(line);
    };
    relay->onClose = [] {};
    relay->send("ACCEPT ticket=" + ticket + "\n");
    relay->connect(loopback(1, host.address));
}

void registerHost(std::size_t i)
{
    Host &host = hosts[i];
    host.address = static_cast<int>(i / 10);
    host.line = std::make_shared<Line>();
    host.line->onLine = [i](const std::string &line) {
        Host &h = hosts[i];
        if (line.rfind("REGISTERED", 0) == 0) {
            h.code = lobbyd::fieldOf(line, "code");
            ++registered;
        } else if (line.rfind("INCOMING", 0) == 0) {
            dialRelay(h, lobbyd::fieldOf(line, "ticket"), std::find(timedHosts.begin(), timedHosts.end(), i) == timedHosts.end());
        }
    };
    host.line->onClose = [i] { std::fprintf(stderr, "host %zu lost its connection\n", i); };
    host.line->send("HOST name=bench" + std::to_string(i) +
                    " game=tavlix version=1.0.0 players=1 watchers=0 free=5 state=waiting round=0 locked=0 "
                    "visibility=" + (i % 2 ? "public" : "invite") + "\n");
    host.line->connect(loopback(1, host.address));
}

void joinPair(std::size_t i)
{
    // Pair i joins host i + 1.
    auto joiner = std::make_shared<Line>();
    joiner->onLine = [joiner](const std::string &line) {
        if (line == "RELAYED") {
            pairSides.push_back(joiner);
            return;
        }
        takeRelayed(line);
    };
    joiner->onClose = [i] { std::fprintf(stderr, "joiner %zu lost its connection\n", i); };
    joiner->send("JOIN code=" + hosts[i + 1].code + "\n");
    joiner->connect(loopback(2, static_cast<int>(i / 4)));
}

// Pairs through the bare forwarder, one pair at a time so that it pairs
// them in order.
void forwardPair(unsigned short forwardPort, std::size_t i, std::size_t count)
{
    if (i >= count)
        return;
    auto a = std::make_shared<Line>();
    auto b = std::make_shared<Line>();
    for (auto &side : {a, b})
        side->onLine = [](const std::string &line) { takeTimed(line, forwardLatency); };
    a->onOpen = [a, b, forwardPort, i, count] {
        forwardSides.push_back(a);
        b->onOpen = [b, forwardPort, i, count] {
            forwardSides.push_back(b);
            forwardPair(forwardPort, i + 1, count);
        };
        b->connect(loopback(6, static_cast<int>(2 * i + 1)), forwardPort);
    };
    a->connect(loopback(6, static_cast<int>(2 * i)), forwardPort);
}

int timedCount = 0;

void timedJoin()
{
    auto joiner = std::make_shared<Line>();
    const auto t0 = Clock::now();
    const bool during = flooding;
    auto state = std::make_shared<int>(0);
    joiner->onLine = [joiner, t0, during, state](const std::string &line) {
        if (line == "RELAYED") {
            *state = 1;
        } else if (*state == 1 && line == "F") {
            (during ? joinDuring : joinBefore).push_back(sinceMs(t0));
            *state = 2;
            joiner->onClose = nullptr;
            joiner->closed();
        } else if (line.rfind("ERR", 0) == 0) {
            std::fprintf(stderr, "timed join refused: %s\n", line.c_str());
        }
    };
    joiner->onClose = [] {};
    joiner->send("JOIN code=" + hosts[timedHosts[timedCount % timedHosts.size()]].code + "\n");
    joiner->connect(loopback(3, timedCount++ % 40));
}

void wrongCode(std::mt19937 &random)
{
    static const std::string alphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
    std::string code = "+";
    for (int i = 0; i < 8; ++i)
        code += alphabet[random() % alphabet.size()];
    auto guess = std::make_shared<Line>();
    guess->onLine = [guess](const std::string &line) {
        ++floodAnswers[line];
        guess->onClose = nullptr;
        guess->closed();
    };
    guess->onClose = [] { ++floodAnswers["(closed without a line)"]; };
    guess->send("JOIN code=" + code + "\n");
    guess->connect(asio::ip::make_address_v4("127.4.0.1"));
}

struct Usage
{
    double cpuSeconds = 0;
    long rssKib = 0;
};

Usage usageOf(int pid)
{
    Usage u;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::istringstream rest(text.substr(text.rfind(')') + 2));
    std::string f;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> f; ++i) {
        if (i == 14)
            utime = std::stol(f);
        if (i == 15)
            stime = std::stol(f);
    }
    u.cpuSeconds = double(utime + stime) / sysconf(_SC_CLK_TCK);
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            u.rssKib = std::stol(line.substr(6));
    return u;
}

// Runs the loop until `done` or `seconds` have passed.
bool runUntil(const std::function<bool()> &done, double seconds)
{
    const auto until = Clock::now() + std::chrono::duration<double>(seconds);
    while (!done() && Clock::now() < until)
        io.run_for(std::chrono::milliseconds(10));
    return done();
}

} // namespace

int main(int argc, char **argv)
{
    std::size_t tables = 10000, pairs = 1000;
    int seconds = 20, servicePid = 0;
    unsigned short forwardPort = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--forward")
            return forwarder(static_cast<unsigned short>(std::stoi(argv[i + 1])));
        if (a == "--forwarder-port")
            forwardPort = static_cast<unsigned short>(std::stoi(argv[i + 1]));
        else if (a == "--port")
            port = static_cast<unsigned short>(std::stoi(argv[i + 1]));
        else if (a == "--service-pid")
            servicePid = std::stoi(argv[i + 1]);
        else if (a == "--tables")
            tables = std::stoul(argv[i + 1]);
        else if (a == "--pairs")
            pairs = std::stoul(argv[i + 1]);
        else if (a == "--seconds")
            seconds = std::stoi(argv[i + 1]);
    }
    pairs = std::min(pairs, tables - 1);
    auto guard = asio::make_work_guard(io);

    // Tables, 200 registrations in flight at most.
    const auto t0 = Clock::now();
    hosts.resize(tables);
    // The last 20 addresses' first hosts take the timed joins, so that no
    // host gets more joiners a minute than the limits allow a real one.
    for (std::size_t k = 1; k <= 20; ++k)
        timedHosts.push_back((tables / 10 - k) * 10);
    std::size_t started = 0;
    while (registered < tables && sinceMs(t0) < 180000) {
        while (started < tables && started < registered + 200)
            registerHost(started++);
        io.run_for(std::chrono::milliseconds(5));
    }
    const double registerSeconds = sinceMs(t0) / 1000;
    std::fprintf(stderr, "%zu tables registered in %.1f s\n", registered, registerSeconds);

    // Pairs, 100 joins in flight at most.
    std::size_t joined = 0;
    while (paired < pairs && sinceMs(t0) < 360000) {
        while (joined < pairs && joined < paired + 100)
            joinPair(joined++);
        io.run_for(std::chrono::milliseconds(5));
    }
    runUntil([&] { return pairSides.size() >= 2 * pairs; }, 10);
    std::fprintf(stderr, "%zu pairs relayed\n", paired);
    tcp::acceptor direct(io, tcp::endpoint(asio::ip::make_address_v4("127.0.0.1"), 0));
    directPairs(direct, 100);
    runUntil([&] { return directSides.size() >= 200; }, 10);
    if (forwardPort) {
        forwardPair(forwardPort, 0, 100);
        runUntil([&] { return forwardSides.size() >= 200; }, 10);
    }

    // Hosts ping every 25 s, spread over 100 ms ticks; each pair sends a
    // line each way every second, spread over 10 ms ticks.
    asio::steady_timer pingTimer(io), lineTimer(io), joinTimer(io), floodTimer(io);
    std::size_t pingNext = 0, lineTick = 0;
    std::function<void()> ping = [&] {
        for (std::size_t k = 0; k < std::max<std::size_t>(1, tables / 250); ++k)
            hosts[pingNext++ % tables].line->send("PING\n");
        pingTimer.expires_after(std::chrono::milliseconds(100));
        pingTimer.async_wait([&](const std::error_code &e) { if (!e) ping(); });
    };
    std::function<void()> lines = [&] {
        for (std::size_t s = lineTick % 100; s < pairSides.size(); s += 100)
            pairSides[s]->send(relayLine());
        for (std::size_t s = lineTick % 100; s < directSides.size(); s += 100)
            directSides[s]->send(relayLine());
        for (std::size_t s = lineTick % 100; s < forwardSides.size(); s += 100)
            forwardSides[s]->send(relayLine());
        ++lineTick;
        lineTimer.expires_after(std::chrono::milliseconds(10));
        lineTimer.async_wait([&](const std::error_code &e) { if (!e) lines(); });
    };
    std::function<void()> join = [&] {
        timedJoin();
        joinTimer.expires_after(std::chrono::milliseconds(200));
        joinTimer.async_wait([&](const std::error_code &e) { if (!e) join(); });
    };
    ping();
    lines();
    join();
    runUntil([] { return false; }, 3); // warm up
    measuring = true;
    joinBefore.clear();
    const Usage start = usageOf(servicePid);
    const auto measureStart = Clock::now();
    long rssMax = start.rssKib;
    std::mt19937 random(7);
    int floodSent = 0;
    const int floodCount = 1000;
    const double floodAt = seconds / 2.0;
    std::function<void()> flood = [&] {
        if (floodSent >= floodCount) {
            flooding = false;
            return;
        }
        flooding = true;
        wrongCode(random);
        ++floodSent;
        floodTimer.expires_after(std::chrono::milliseconds(10));
        floodTimer.async_wait([&](const std::error_code &e) { if (!e) flood(); });
    };
    bool floodStarted = false;
    while (sinceMs(measureStart) < seconds * 1000.0) {
        io.run_for(std::chrono::milliseconds(100));
        rssMax = std::max(rssMax, usageOf(servicePid).rssKib);
        if (!floodStarted && sinceMs(measureStart) >= floodAt * 1000) {
            floodStarted = true;
            flood();
        }
    }
    const Usage end = usageOf(servicePid);
    const double window = sinceMs(measureStart) / 1000;
    measuring = false;
    runUntil([] { return false; }, 2); // the last answers of the flood
    int refused = 0, answered = 0;
    for (const auto &[line, n] : floodAnswers) {
        answered += n;
        if (line.rfind("ERR", 0) == 0)
            refused += n;
    }

    const double cpu = 100.0 * (end.cpuSeconds - start.cpuSeconds) / window;
    std::printf("| figure | goal | measured |\n|---|---|---|\n");
    std::printf("| tables registered, keeping their connections | 10,000 | %zu (in %.1f s) |\n", registered,
                registerSeconds);
    std::printf("| relayed pairs, a 200-byte line each way every second | 1,000 | %zu |\n", paired);
    std::printf("| the service's CPU over %.0f s | at most 10%% of one core | %.1f%% |\n", window, cpu);
    std::printf("| the service's resident memory (highest) | at most 128 MiB | %.1f MiB |\n", rssMax / 1024.0);
    const double relay50 = percentile(relayLatency, 0.5), relay99 = percentile(relayLatency, 0.99);
    const double direct50 = percentile(directLatency, 0.5), direct99 = percentile(directLatency, 0.99);
    std::printf("| a line over a direct loopback connection, for comparison (p50 / p99, %zu lines) | | %.2f / %.2f ms |\n",
                directLatency.size(), direct50, direct99);
    if (forwardPort)
        std::printf("| a line through a bare forwarder process, for comparison (p50 / p99, %zu lines) | | %.2f / %.2f ms |\n",
                    forwardLatency.size(), percentile(forwardLatency, 0.5), percentile(forwardLatency, 0.99));
    std::printf("| a relayed line, through the service (p50 / p99, %zu lines) | | %.2f / %.2f ms |\n",
                relayLatency.size(), relay50, relay99);
    std::printf("| a relayed line, added latency (p50 / p99) | p99 at most 2 ms | %.2f / %.2f ms |\n",
                relay50 - direct50, relay99 - direct99);
    std::printf("| a join by code to the first relayed byte, before the flood (p50 / p99, %zu joins) | p99 at most 50 ms | %.2f / %.2f ms |\n",
                joinBefore.size(), percentile(joinBefore, 0.5), percentile(joinBefore, 0.99));
    std::printf("| the same during the flood of wrong codes (p50 / p99, %zu joins) | unaffected | %.2f / %.2f ms |\n",
                joinDuring.size(), percentile(joinDuring, 0.5), percentile(joinDuring, 0.99));
    std::printf("| 1,000 wrong codes from one address in 10 s | all refused | %d of %d refused |\n", refused, floodSent);
    std::printf("\nAnswers to the wrong codes:");
    for (const auto &[line, n] : floodAnswers)
        std::printf(" %d \"%s\";", n, line.c_str());
    std::printf(" (%d answered)\n", answered);
    std::fflush(stdout);
    std::_Exit(0); // the service sees every connection close at once
}
