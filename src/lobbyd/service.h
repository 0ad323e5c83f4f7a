#pragma once

#include "servicelimits.h"

#include <asio/io_context.hpp>
#include <asio/ip/tcp.hpp>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lobbyd {

// The meeting service on one event loop (Asio over epoll): tables and their
// invite codes, the reachability check, joins by code, relays, the public
// list, and every limit. All of it runs on the thread that runs the
// io_context; nothing here blocks.
class Service
{
public:
    using Log = std::function<void(const std::string &line)>;

    // `key` is the secret from which invite codes are derived (at least 32
    // bytes for production use).
    Service(asio::io_context &io, std::string key, Limits limits, Log log);
    ~Service();
    Service(const Service &) = delete;
    Service &operator=(const Service &) = delete;

    // Listens on `endpoint` (an IPv6 endpoint takes IPv6 only). Returns an
    // empty text, or why it failed.
    std::string listen(const asio::ip::tcp::endpoint &endpoint);
    // Where it listens (with the ports the system chose for port 0).
    std::vector<asio::ip::tcp::endpoint> endpoints() const;

    // Orderly end: stops listening, tells every connection that is not a
    // relay "ERR shutting-down", closes relays, and lets the loop run dry.
    void stop();

    // What the service holds now; call on the loop's thread.
    struct Counts
    {
        std::size_t connections = 0;
        std::size_t tables = 0;
        std::size_t publicTables = 0;
        std::size_t tickets = 0;
        std::size_t relays = 0; // connections in a relay (two a pair)
        std::size_t addresses = 0;
    };
    Counts counts() const;

    struct Impl;

private:
    std::shared_ptr<Impl> impl_;
};

// "ADDRESS:PORT" or "[ADDRESS]:PORT" as --listen takes it.
bool parseListenEndpoint(const std::string &text, asio::ip::tcp::endpoint &out);

} // namespace lobbyd
