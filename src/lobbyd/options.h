#pragma once

#include <asio/ip/tcp.hpp>

#include <cstddef>
#include <string>
#include <vector>

namespace lobbyd {

// The command line of orvellobbyd.
struct Options
{
    std::vector<asio::ip::tcp::endpoint> listen; // empty: port 7773 on every IPv4 and IPv6 address
    std::string keyFile;
    std::size_t maxConnections = 0; // 0: the default
    bool help = false;
    bool version = false;
    std::string error; // why the command line was not understood
};

Options parseOptions(const std::vector<std::string> &arguments);

extern const char *const kUsage;

// Where the key comes from: --key-file (made with 32 random bytes when
// missing), else the systemd credential "key", else a key of this run only.
struct KeySource
{
    std::string key;
    std::string description; // for the log
    std::string error;       // the key file exists but cannot be used
};
KeySource loadKey(const std::string &keyFile, const char *credentialsDirectory);

} // namespace lobbyd
