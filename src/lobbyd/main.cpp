// orvellobbyd: the meeting service. The work is in the tavlix_lobbyd
// library; this is the command line, the key, the signals and the loop.
#include "options.h"
#include "service.h"

#include <asio/io_context.hpp>
#include <asio/signal_set.hpp>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

void logLine(const std::string &line)
{
    // One line per event to stderr, which the journal takes with its time.
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}

// Every connection is a descriptor: take what the hard limit allows.
void raiseDescriptorLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const auto options = lobbyd::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::cerr << "orvellobbyd: " << options.error << "\n" << lobbyd::kUsage;
        return 2;
    }
    if (options.help) {
        std::cout << lobbyd::kUsage;
        return 0;
    }
    if (options.version) {
        std::cout << "orvellobbyd " TAVLIX_VERSION "\n";
        return 0;
    }
    umask(077);
    raiseDescriptorLimit();
    const auto key = lobbyd::loadKey(options.keyFile, std::getenv("CREDENTIALS_DIRECTORY"));
    if (!key.error.empty()) {
        logLine(key.error);
        return 1;
    }
    logLine(key.description);

    lobbyd::Limits limits;
    if (options.maxConnections)
        limits.maxConnections = options.maxConnections;
    asio::io_context io(1);
    lobbyd::Service service(io, key.key, limits, logLine);
    auto endpoints = options.listen;
    const bool byDefault = endpoints.empty();
    if (byDefault) {
        endpoints.emplace_back(asio::ip::address_v4::any(), 7773);
        endpoints.emplace_back(asio::ip::address_v6::any(), 7773);
    }
    std::size_t listening = 0;
    for (const auto &endpoint : endpoints) {
        const std::string error = service.listen(endpoint);
        std::ostringstream where;
        if (error.empty()) {
            // With the port that the system chose for port 0.
            where << service.endpoints().back();
            ++listening;
            logLine("listening on " + where.str());
        } else {
            where << endpoint;
            logLine("cannot listen on " + where.str() + ": " + error);
            // A machine without IPv6 still serves on IPv4 by default; an
            // address the operator named must work.
            if (!byDefault) {
                return 1;
            }
        }
    }
    if (listening == 0)
        return 1;

    asio::signal_set signals(io, SIGTERM, SIGINT);
    signals.async_wait([&](const std::error_code &error, int number) {
        if (error)
            return;
        logLine(std::string("stopping on ") + (number == SIGTERM ? "SIGTERM" : "SIGINT"));
        service.stop();
    });
    io.run();
    logLine("stopped");
    return 0;
}
