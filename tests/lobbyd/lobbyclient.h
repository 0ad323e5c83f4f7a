#pragma once

#include "protocol.h"
#include "service.h"

#include <asio/io_context.hpp>

#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <sys/types.h>

// A service on 127.0.0.1 and an ephemeral port, on a thread of its own, and
// blocking raw clients from other loopback addresses (127.0.0.2, ...), so the
// limits per address see different addresses.
class RunningService
{
public:
    explicit RunningService(lobbyd::Limits limits = {}, std::string key = std::string(32, 'k'));
    ~RunningService();

    unsigned short port() const { return port_; }
    lobbyd::Service::Counts counts();
    void stop();

private:
    asio::io_context io_;
    std::unique_ptr<lobbyd::Service> service_;
    std::thread thread_;
    unsigned short port_ = 0;
};

// Short limits: a "minute" of 400 ms and deadlines to match; the counts as
// in production.
lobbyd::Limits quickLimits();

class RawClient
{
public:
    // Connects from `source` (a loopback address) to 127.0.0.1:port.
    RawClient(const char *source, unsigned short port);
    // Takes a connected descriptor.
    explicit RawClient(int fd) : fd_(fd) {}
    ~RawClient();
    RawClient(const RawClient &) = delete;

    bool connected() const { return fd_ >= 0; }
    unsigned short localPort() const;
    void send(const std::string &bytes);
    // The next line without its LF; "<closed>" at the end of the stream,
    // "<timeout>" when nothing came within `ms`.
    std::string line(int ms = 3000);
    // Exactly n bytes, or fewer at the end or after `ms`.
    std::string bytes(std::size_t n, int ms = 3000);
    // True when the service closed the connection (after any lines).
    bool closedWithin(int ms = 3000);
    int fd() const { return fd_; }
    void close();

private:
    int fd_ = -1;
    std::string buffer_;
    bool fill(int ms);
};


// A HOST line with the usual fields and the given extra ones.
std::string hostLine(const std::string &extra = "", const std::string &visibility = "invite");

// A program (orvellobbyd by default) with `arguments`, its stderr read line
// by line; killed at the end if it still runs.
struct Program
{
    pid_t pid = -1;
    int err = -1;
    std::string buffer;

    explicit Program(std::vector<std::string> arguments, bool prependService = true);
    ~Program();
    Program(const Program &) = delete;
    // The next stderr line, or "" after 5 s or at its end.
    std::string line();
    // The port of the first "listening on ADDRESS:PORT" line for `address`.
    unsigned short port(const std::string &address = "127.0.0.1");
    int exitStatus();
};
