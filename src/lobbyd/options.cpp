#include "options.h"

#include "digits.h"
#include "keyedcode.h"
#include "plainfile.h"
#include "service.h"

#include <cerrno>
#include <cstring>

namespace lobbyd {

const char *const kUsage =
    "Usage: orvellobbyd [OPTION]...\n"
    "The meeting service of Tavlix: invite codes, joins by code, the relay for hosts\n"
    "that nobody can reach, and the list of public tables.\n"
    "\n"
    "  --listen ADDRESS:PORT   listen there (repeatable; an IPv6 address in brackets);\n"
    "                          default: port 7773 on every IPv4 and IPv6 address\n"
    "  --key-file FILE         the key of the invite codes (made when missing);\n"
    "                          default: the systemd credential \"key\", else a key\n"
    "                          of this run only (codes change when it restarts)\n"
    "  --max-connections N     connections held at once (default 30000)\n"
    "  --help                  show this help and exit\n"
    "  --version               show the version and exit\n";

Options parseOptions(const std::vector<std::string> &arguments)
{
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &a = arguments[i];
        auto value = [&](std::string &out) {
            if (i + 1 >= arguments.size()) {
                options.error = a + " needs a value";
                return false;
            }
            out = arguments[++i];
            return true;
        };
        std::string text;
        if (a == "--help" || a == "-h") {
            options.help = true;
        } else if (a == "--version") {
            options.version = true;
        } else if (a == "--listen") {
            if (!value(text))
                break;
            asio::ip::tcp::endpoint endpoint;
            if (!parseListenEndpoint(text, endpoint)) {
                options.error = "not an ADDRESS:PORT: " + text;
                break;
            }
            options.listen.push_back(endpoint);
        } else if (a == "--key-file") {
            if (!value(options.keyFile))
                break;
        } else if (a == "--max-connections") {
            if (!value(text))
                break;
            const auto n = parseDigits(text, 10, 1000000);
            if (!n || *n == 0) {
                options.error = "not a number of connections from 1 to 1000000: " + text;
                break;
            }
            options.maxConnections = static_cast<std::size_t>(*n);
        } else {
            options.error = "unknown option: " + a;
            break;
        }
    }
    return options;
}

KeySource loadKey(const std::string &keyFile, const char *credentialsDirectory)
{
    KeySource source;
    constexpr std::size_t kLeast = 16;
    if (!keyFile.empty()) {
        PlainFile file = readPlainFile(keyFile);
        if (file.status == FileRead::Missing) {
            // The file is made once; umask 077 of the service keeps it private.
            const std::string fresh = randomBytes(32);
            const int error = replaceFileAtomically(keyFile, fresh);
            if (error != 0) {
                source.error = "cannot write the key file " + keyFile + ": " + std::strerror(error);
                return source;
            }
            source.key = fresh;
            source.description = "made a new key in " + keyFile;
            return source;
        }
        if (!file.ok() || file.bytes.size() < kLeast) {
            source.error = "the key file " + keyFile + " cannot be read or holds fewer than 16 bytes";
            return source;
        }
        source.key = file.bytes;
        source.description = "key from " + keyFile;
        return source;
    }
    if (credentialsDirectory && *credentialsDirectory) {
        const std::string path = std::string(credentialsDirectory) + "/key";
        PlainFile file = readPlainFile(path);
        if (file.ok() && file.bytes.size() >= kLeast) {
            source.key = file.bytes;
            source.description = "key from the credential " + path;
            return source;
        }
    }
    source.key = randomBytes(32);
    source.description = "no key file: invite codes last until this service restarts (see --key-file)";
    return source;
}

} // namespace lobbyd
