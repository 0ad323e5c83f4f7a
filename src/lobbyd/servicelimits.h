#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace lobbyd {

using Clock = std::chrono::steady_clock;
using Duration = Clock::duration;

// Every limit of the service, with the numbers the README states. The tests
// shorten the times (a "minute" of 300 ms) to see each limit act.
struct Limits
{
    std::size_t maxConnections = 30000;
    unsigned connectionsPerAddress = 64;    // open at once; IPv6 per /64
    unsigned newConnectionsPerMinute = 120; // per address
    unsigned registrationsPerMinute = 10;   // HOST lines per address
    unsigned tablesPerAddress = 16;
    unsigned lookupsPerMinute = 60;   // JOIN and LIST per address
    unsigned wrongCodesPerMinute = 10; // per address
    unsigned waitingPerAddress = 8;   // joiners waiting for a relay
    unsigned ticketsPerTable = 8;
    unsigned hostLinesPerWindow = 20;
    Duration hostLineWindow = std::chrono::seconds(10);
    Duration minute = std::chrono::minutes(1); // the window of every count "a minute"
    Duration firstLine = std::chrono::seconds(10);
    Duration ticketLife = std::chrono::seconds(30);
    Duration hostSilence = std::chrono::seconds(60);
    Duration reachabilityTimeout = std::chrono::seconds(5);
    Duration listTimeout = std::chrono::seconds(30);
    Duration listRefresh = std::chrono::seconds(1);
    Duration drainTimeout = std::chrono::seconds(2); // reading what a refused client still sends
    std::size_t bufferedBytes = 64 * 1024;          // waiting to be written to one side
    std::size_t relayBytesPerMinute = 1024 * 1024;  // per pair and direction
    // The port of the reachability check: the game's port. Only tests change
    // it, so that they need not own 7772 on the machine.
    std::uint16_t gamePort = 7772;
};

} // namespace lobbyd
