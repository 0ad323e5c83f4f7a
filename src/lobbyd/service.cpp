#include "service.h"

#include "keyedcode.h"
#include "protocol.h"

#include <asio/connect.hpp>
#include <asio/ip/v6_only.hpp>
#include <asio/steady_timer.hpp>
#include <asio/write.hpp>

#include <array>
#include <cstring>
#include <deque>
#include <map>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace lobbyd {

namespace {

using asio::ip::tcp;
using Bytes = std::shared_ptr<const std::string>;

constexpr std::size_t kRelayChunk = 8 * 1024;

Bytes bytesOf(std::string text) { return std::make_shared<const std::string>(std::move(text)); }

asio::ip::address plainAddress(const asio::ip::address &address)
{
    if (address.is_v6() && address.to_v6().is_v4_mapped())
        return asio::ip::make_address_v4(asio::ip::v4_mapped, address.to_v6());
    return address;
}

// The key that the limits per address count under: an IPv4 address whole,
// an IPv6 address by its /64.
std::string addressKey(const asio::ip::address &address)
{
    if (address.is_v4()) {
        const auto b = address.to_v4().to_bytes();
        return std::string(reinterpret_cast<const char *>(b.data()), b.size());
    }
    const auto b = address.to_v6().to_bytes();
    return std::string(reinterpret_cast<const char *>(b.data()), 8);
}

std::string addressText(const asio::ip::address &address)
{
    if (address.is_v4())
        return address.to_string();
    auto b = address.to_v6().to_bytes();
    std::fill(b.begin() + 8, b.end(), 0);
    return asio::ip::address_v6(b).to_string() + "/64";
}

// A count that starts again every `window`.
struct Window
{
    Clock::time_point start{};
    unsigned count = 0;

    void roll(Clock::time_point now, Duration window)
    {
        if (now - start >= window) {
            start = now;
            count = 0;
        }
    }
    // Counts one more if that stays within `limit`.
    bool take(Clock::time_point now, Duration window, unsigned limit)
    {
        roll(now, window);
        if (count >= limit)
            return false;
        ++count;
        return true;
    }
};

struct AddressState
{
    unsigned open = 0;
    unsigned tables = 0;
    unsigned waiting = 0;
    Window connections;
    Window registrations;
    Window lookups;
    Window wrongCodes;
    Clock::time_point lastLogged{};
    Clock::time_point lastSeen{};
};

enum class Role { New, Host, Joiner, Lister, Relay };
enum class Reach { Unknown, Yes, No };

struct Connection;

struct Table
{
    std::uint64_t code = 0;
    std::string secret;
    TableRow row;
    Connection *host = nullptr;
    std::uint64_t order = 0;
    Reach reach = Reach::Unknown;
    std::vector<std::string> tickets;
};

// The one outgoing connection of a reachability check.
struct Check
{
    tcp::socket socket;
    asio::steady_timer timer;
    bool done = false;
    explicit Check(asio::io_context &io) : socket(io), timer(io) {}
};

struct Ticket
{
    std::uint64_t code = 0;
    std::weak_ptr<Connection> joiner;
};

} // namespace

struct Service::Impl : std::enable_shared_from_this<Service::Impl>
{
    asio::io_context &io;
    std::string key;
    Limits limits;
    Log log;
    std::vector<std::unique_ptr<tcp::acceptor>> acceptors;
    std::unordered_set<Connection *> live;
    std::unordered_map<std::string, AddressState> addresses;
    std::unordered_map<std::uint64_t, std::unique_ptr<Table>> tables;
    std::map<std::uint64_t, Table *, std::greater<>> publicTables; // newest first
    std::unordered_map<std::string, Ticket> tickets;
    std::unordered_set<std::shared_ptr<Check>> checks; // reachability checks under way
    std::uint64_t nextOrder = 1;
    std::size_t relays = 0;
    Bytes listCache;
    Clock::time_point listBuiltAt{};
    bool listDirty = true;
    bool stopping = false;
    Clock::time_point fullLogged{};
    asio::steady_timer sweepTimer;
    asio::steady_timer acceptPause;

    Impl(asio::io_context &io_, std::string key_, Limits limits_, Log log_)
        : io(io_), key(std::move(key_)), limits(limits_), log(std::move(log_)), sweepTimer(io_), acceptPause(io_)
    {
    }

    void accept(tcp::acceptor &acceptor);
    void admit(tcp::socket socket);
    void sweep();
    // Logs a refusal of an address at most once a minute per address.
    void logAddress(AddressState &state, const asio::ip::address &address, const std::string &what);
    Bytes listText();
    void removeTable(Table *table, const char *joinerReason);
    void checkReachable(Table *table, const std::shared_ptr<Connection> &host);
};

namespace {

struct Connection : std::enable_shared_from_this<Connection>
{
    std::shared_ptr<Service::Impl> svc;
    tcp::socket socket;
    asio::steady_timer timer;
    std::uint64_t timerGeneration = 0;
    bool timerArmed = false;
    Clock::time_point armedAt{};
    tcp::endpoint remote;
    tcp::endpoint local;
    std::string key; // its address's entry in svc->addresses
    Role role = Role::New;
    LineReader reader;
    std::array<char, 512> small{};
    std::unique_ptr<char[]> big; // a relay's read buffer
    std::deque<Bytes> out;
    std::size_t outBytes = 0;
    bool writing = false;
    bool reading = false;
    bool finishing = false; // no more lines; close once written
    bool draining = false;  // sent everything, reading until the other side closes
    bool closed = false;
    Clock::time_point deadline = Clock::time_point::max();
    const char *deadlineReason = "too-slow";
    Clock::time_point resumeAt = Clock::time_point::max();
    Window lines;     // a host's lines
    Window relayed;   // bytes read for the peer, this minute
    std::uint64_t relayedBytes = 0;
    Table *table = nullptr;    // a host's table
    std::string ticket;        // a waiting joiner's ticket
    std::shared_ptr<Connection> peer;
    std::weak_ptr<Connection> pausedReader; // the peer, held back while our queue is full

    Connection(std::shared_ptr<Service::Impl> service, tcp::socket s)
        : svc(std::move(service)), socket(std::move(s)), timer(svc->io)
    {
    }

    AddressState &address() { return svc->addresses[key]; }
    asio::ip::address remoteAddress() const { return plainAddress(remote.address()); }

    void start()
    {
        setDeadline(Clock::now() + svc->limits.firstLine, "too-slow");
        read();
    }

    // ---- timers: one per connection, armed at the earliest thing due ----

    void arm(Clock::time_point when)
    {
        if (closed || (timerArmed && armedAt <= when))
            return;
        timerArmed = true;
        armedAt = when;
        const auto generation = ++timerGeneration;
        timer.expires_at(when);
        timer.async_wait([self = shared_from_this(), generation](const std::error_code &error) {
            if (error || generation != self->timerGeneration)
                return;
            self->timerArmed = false;
            self->onTimer();
        });
    }

    void setDeadline(Clock::time_point when, const char *reason)
    {
        deadline = when;
        deadlineReason = reason;
        arm(when);
    }

    void onTimer()
    {
        if (closed)
            return;
        const auto now = Clock::now();
        if (now >= deadline) {
            deadline = Clock::time_point::max();
            if (draining || role == Role::Relay)
                onClosed();
            else
                expire();
            return;
        }
        if (now >= resumeAt) {
            resumeAt = Clock::time_point::max();
            read();
        }
        const auto next = std::min(deadline, resumeAt);
        if (next != Clock::time_point::max())
            arm(next);
    }

    void expire()
    {
        if (role == Role::Joiner)
            refuse("host-did-not-answer");
        else if (role == Role::Host)
            refuse("silent");
        else if (finishing)
            onClosed();
        else
            refuse("too-slow");
    }

    // ---- reading ----

    void read()
    {
        if (closed || reading || resumeAt != Clock::time_point::max())
            return;
        char *buffer = big ? big.get() : small.data();
        std::size_t size = big ? kRelayChunk : small.size();
        if (role == Role::Relay && !finishing) {
            // A relay reads no more than this minute's share of its direction.
            const auto now = Clock::now();
            if (now - relayed.start >= svc->limits.minute) {
                relayed.start = now;
                relayedBytes = 0;
            }
            const std::size_t share = svc->limits.relayBytesPerMinute - std::min<std::size_t>(relayedBytes, svc->limits.relayBytesPerMinute);
            if (share == 0) {
                // The rest of the minute this direction waits; TCP holds the sender back.
                resumeAt = relayed.start + svc->limits.minute;
                arm(resumeAt);
                return;
            }
            size = std::min(size, share);
        }
        reading = true;
        socket.async_read_some(asio::buffer(buffer, size),
                               [self = shared_from_this(), buffer](const std::error_code &error, std::size_t n) {
                                   self->reading = false;
                                   if (self->closed)
                                       return;
                                   if (error) {
                                       self->onClosed();
                                       return;
                                   }
                                   self->onRead(buffer, n);
                               });
    }

    void onRead(const char *data, std::size_t n)
    {
        if (draining || finishing) {
            read();
            return;
        }
        if (role == Role::Relay) {
            relay(data, n);
            return;
        }
        if (role == Role::Joiner || role == Role::Lister) {
            // Nothing is to be said while waiting for an answer.
            refuse("bad-line");
            return;
        }
        reader.append(std::string_view(data, n));
        while (!closed && !finishing && role != Role::Joiner && role != Role::Relay && role != Role::Lister) {
            auto text = reader.next();
            if (!text)
                break;
            handleLine(*text);
        }
        if (closed || finishing)
            return;
        if (role == Role::Joiner || role == Role::Lister) {
            if (!reader.pending().empty()) {
                refuse("bad-line");
                return;
            }
        } else if (reader.overlong()) {
            refuse("line-too-long");
            return;
        }
        read();
    }

    // ---- writing ----

    void send(Bytes bytes)
    {
        if (closed || bytes->empty())
            return;
        outBytes += bytes->size();
        out.push_back(std::move(bytes));
        if (!writing)
            writeNext();
    }
    void sendLine(std::string_view word, const std::vector<std::pair<std::string, std::string>> &fields = {})
    {
        // A client that never reads its answers (PONG, INCOMING) is let go
        // before they pile up.
        if (outBytes > svc->limits.bufferedBytes) {
            onClosed();
            return;
        }
        send(bytesOf(formatLine(word, fields)));
    }

    void writeNext()
    {
        writing = true;
        Bytes front = out.front();
        asio::async_write(socket, asio::buffer(*front),
                          [self = shared_from_this(), front](const std::error_code &error, std::size_t) {
                              self->writing = false;
                              if (self->closed)
                                  return;
                              self->outBytes -= front->size();
                              self->out.pop_front();
                              if (error) {
                                  self->onClosed();
                                  return;
                              }
                              self->wrote();
                          });
    }

    void wrote()
    {
        if (outBytes < svc->limits.bufferedBytes) {
            if (auto reader_ = pausedReader.lock()) {
                pausedReader.reset();
                reader_->read();
            }
        }
        if (!out.empty())
            writeNext();
        else if (finishing && !draining)
            drain();
    }

    // ---- ending ----

    // One refusal line, then the connection ends.
    void refuse(const char *reason)
    {
        if (closed || finishing)
            return;
        send(bytesOf(std::string("ERR ") + reason + "\n"));
        finish();
    }

    // Ends after what is queued has been written.
    void finish()
    {
        if (closed || finishing)
            return;
        leaveRole();
        finishing = true;
        // What is queued must be taken within this time (a list at most).
        setDeadline(Clock::now() + svc->limits.listTimeout, "too-slow");
        if (!writing && out.empty())
            drain();
    }

    // Half-closes and reads what the other side still sends, so that the
    // last line is not lost to a reset; closes at its end or after a while.
    void drain()
    {
        draining = true;
        std::error_code ignored;
        socket.shutdown(tcp::socket::shutdown_send, ignored);
        // The relay's buffer stays until the connection goes: a read into
        // it may still be out when the partner ends the relay.
        deadline = Clock::time_point::max();
        resumeAt = Clock::time_point::max();
        timerArmed = false;
        ++timerGeneration;
        timer.cancel();
        setDeadline(Clock::now() + svc->limits.drainTimeout, "drain");
        read();
    }

    // Gives up what the role holds: a table, a ticket, a relay partner.
    void leaveRole()
    {
        if (role == Role::Host && table) {
            svc->removeTable(table, "host-gone");
            table = nullptr;
        } else if (role == Role::Joiner && !ticket.empty()) {
            auto it = svc->tickets.find(ticket);
            if (it != svc->tickets.end()) {
                auto t = svc->tables.find(it->second.code);
                if (t != svc->tables.end())
                    std::erase(t->second->tickets, ticket);
                svc->tickets.erase(it);
            }
            auto &state = address();
            if (state.waiting > 0)
                --state.waiting;
            ticket.clear();
        } else if (role == Role::Relay) {
            --svc->relays;
            if (auto other = std::move(peer)) {
                other->peer.reset();
                other->pausedReader.reset();
                other->finish();
            }
            pausedReader.reset();
        }
        role = Role::New;
    }

    void onClosed()
    {
        if (closed)
            return;
        leaveRole();
        closed = true;
        ++timerGeneration;
        timer.cancel();
        std::error_code ignored;
        socket.close(ignored);
        auto &state = address();
        if (state.open > 0)
            --state.open;
        state.lastSeen = Clock::now();
        svc->live.erase(this);
    }

    // ---- the relay ----

    void relay(const char *data, std::size_t n)
    {
        auto other = peer;
        if (!other)
            return;
        relayedBytes += n;
        other->send(bytesOf(std::string(data, n)));
        if (other->outBytes >= svc->limits.bufferedBytes) {
            other->pausedReader = weak_from_this();
            return;
        }
        read();
    }

    void becomeRelay(const std::shared_ptr<Connection> &other)
    {
        role = Role::Relay;
        peer = other;
        ++svc->relays;
        deadline = Clock::time_point::max();
        big = std::make_unique<char[]>(kRelayChunk);
    }

    // ---- the lines ----

    void handleLine(const std::string &text)
    {
        const auto now = Clock::now();
        auto line = parseLine(text);
        if (role == Role::Host) {
            if (!lines.take(now, svc->limits.hostLineWindow, svc->limits.hostLinesPerWindow)) {
                refuse("too-fast");
                return;
            }
            setDeadline(now + svc->limits.hostSilence, "silent");
            if (!line) {
                refuse("bad-line");
            } else if (line->word == "PING") {
                sendLine("PONG");
            } else if (line->word == "BYE") {
                finish();
            } else if (line->word == "UPDATE") {
                update(*line);
            } else {
                refuse("bad-line");
            }
            return;
        }
        if (!line) {
            refuse("bad-line");
            return;
        }
        if (line->word == "HOST")
            host(*line, now);
        else if (line->word == "JOIN")
            join(*line, now);
        else if (line->word == "LIST")
            list(now);
        else if (line->word == "ACCEPT")
            acceptTicket(*line);
        else
            refuse("bad-line");
    }

    bool refuseAddress(const char *reason, const std::string &what)
    {
        svc->logAddress(address(), remoteAddress(), what);
        refuse(reason);
        return false;
    }

    void host(const Line &line, Clock::time_point now)
    {
        auto &limits = svc->limits;
        auto &state = address();
        if (!state.registrations.take(now, limits.minute, limits.registrationsPerMinute)) {
            refuseAddress("too-many-registrations", "too many registrations");
            return;
        }
        if (state.tables >= limits.tablesPerAddress) {
            refuseAddress("too-many-tables", "too many tables");
            return;
        }
        TableRow row;
        const auto check = applyRowFields(line, row, true);
        if (check != RowCheck::Ok) {
            refuse(check == RowCheck::MissingField ? "bad-line" : "bad-field");
            return;
        }
        std::string secret;
        std::uint64_t code = 0;
        if (const std::string *sent = line.find("secret")) {
            auto normal = normalizeToken(*sent);
            if (!normal) {
                refuse("bad-field");
                return;
            }
            secret = *normal;
            code = codeForSecret(svc->key, secret);
            auto existing = svc->tables.find(code);
            if (existing != svc->tables.end()) {
                if (existing->second->secret != secret) {
                    refuse("code-taken");
                    return;
                }
                Connection *old = existing->second->host;
                svc->removeTable(existing->second.get(), "host-gone");
                old->table = nullptr;
                old->refuse("replaced");
            }
        } else {
            do {
                secret = randomToken();
                code = codeForSecret(svc->key, secret);
            } while (svc->tables.count(code));
        }
        auto owned = std::make_unique<Table>();
        table = owned.get();
        table->code = code;
        table->secret = secret;
        table->row = std::move(row);
        table->host = this;
        table->order = svc->nextOrder++;
        svc->tables.emplace(code, std::move(owned));
        if (table->row.isPublic)
            svc->publicTables.emplace(table->order, table);
        svc->listDirty = true;
        ++address().tables;
        role = Role::Host;
        setDeadline(now + limits.hostSilence, "silent");
        sendLine("REGISTERED",
                 {{"code", formatCode(code)}, {"secret", secret}, {"address", remoteAddress().to_string()}});
        svc->checkReachable(table, shared_from_this());
    }

    void update(const Line &line)
    {
        if (line.find("secret")) {
            refuse("bad-line");
            return;
        }
        const bool wasPublic = table->row.isPublic;
        const auto check = applyRowFields(line, table->row, false);
        if (check != RowCheck::Ok) {
            refuse("bad-field");
            return;
        }
        if (wasPublic != table->row.isPublic) {
            if (table->row.isPublic)
                svc->publicTables.emplace(table->order, table);
            else
                svc->publicTables.erase(table->order);
        }
        svc->listDirty = true;
    }

    void join(const Line &line, Clock::time_point now)
    {
        auto &limits = svc->limits;
        auto &state = address();
        if (!state.lookups.take(now, limits.minute, limits.lookupsPerMinute)) {
            refuseAddress("too-many-lookups", "too many lookups");
            return;
        }
        state.wrongCodes.roll(now, limits.minute);
        if (state.wrongCodes.count >= limits.wrongCodesPerMinute) {
            refuseAddress("too-many-wrong-codes", "too many wrong invite codes");
            return;
        }
        const std::string *text = line.find("code");
        if (!text) {
            refuse("bad-line");
            return;
        }
        const auto code = parseCode(*text);
        if (!code) {
            ++state.wrongCodes.count;
            refuse("bad-code");
            return;
        }
        const auto found = svc->tables.find(*code);
        if (found == svc->tables.end()) {
            ++state.wrongCodes.count;
            refuse("unknown-code");
            return;
        }
        Table *target = found->second.get();
        const std::string *relayWish = line.find("relay");
        const bool wantsRelay = relayWish && *relayWish == "1";
        const auto hostAddress = target->host->remoteAddress();
        if (target->reach == Reach::Yes && !wantsRelay && hostAddress.is_v4() == remoteAddress().is_v4()) {
            sendLine("DIRECT", {{"address", hostAddress.to_string()}, {"port", std::to_string(limits.gamePort)}});
            finish();
            return;
        }
        if (state.waiting >= limits.waitingPerAddress) {
            refuseAddress("too-many-waiting", "too many joiners waiting");
            return;
        }
        if (target->tickets.size() >= limits.ticketsPerTable) {
            refuse("host-busy");
            return;
        }
        ticket = randomToken();
        svc->tickets.emplace(ticket, Ticket{*code, weak_from_this()});
        target->tickets.push_back(ticket);
        ++state.waiting;
        role = Role::Joiner;
        setDeadline(now + limits.ticketLife, "host-did-not-answer");
        target->host->sendLine("INCOMING", {{"ticket", ticket},
                                            {"address", remoteAddress().to_string()},
                                            {"port", std::to_string(remote.port())}});
    }

    void list(Clock::time_point now)
    {
        auto &limits = svc->limits;
        if (!address().lookups.take(now, limits.minute, limits.lookupsPerMinute)) {
            refuseAddress("too-many-lookups", "too many lookups");
            return;
        }
        role = Role::Lister;
        send(svc->listText());
        finish();
    }

    void acceptTicket(const Line &line)
    {
        const std::string *text = line.find("ticket");
        if (!text) {
            refuse("bad-line");
            return;
        }
        const auto normal = normalizeToken(*text);
        const auto found = normal ? svc->tickets.find(*normal) : svc->tickets.end();
        if (found == svc->tickets.end()) {
            refuse("unknown-ticket");
            return;
        }
        auto joiner = found->second.joiner.lock();
        if (!joiner || joiner->closed || joiner->role != Role::Joiner) {
            refuse("joiner-gone");
            return;
        }
        joiner->leaveRole(); // gives up the ticket
        const std::string leftover = reader.pending();
        reader.clear();
        becomeRelay(joiner);
        joiner->becomeRelay(shared_from_this());
        sendLine("PAIRED", {{"address", joiner->remoteAddress().to_string()},
                            {"port", std::to_string(joiner->remote.port())}});
        joiner->sendLine("RELAYED");
        if (!leftover.empty())
            relay(leftover.data(), leftover.size());
        // The joiner's read of its small buffer is still out; it carries on
        // as a relay when it completes.
    }
};

void setOptions(tcp::socket &socket)
{
    std::error_code ignored;
    socket.set_option(tcp::no_delay(true), ignored);
    socket.set_option(asio::socket_base::keep_alive(true), ignored);
    const int fd = socket.native_handle();
    const int idle = 60, interval = 10, count = 6;
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &count, sizeof count);
}

// A refusal to a connection that never becomes one of ours: one line, if the
// socket takes it at once, and closed.
void refuseAtOnce(tcp::socket &socket, const char *line)
{
    std::error_code ignored;
    socket.non_blocking(true, ignored);
    socket.write_some(asio::buffer(line, std::strlen(line)), ignored);
    socket.shutdown(tcp::socket::shutdown_both, ignored);
    socket.close(ignored);
}

} // namespace

void Service::Impl::accept(tcp::acceptor &acceptor)
{
    acceptor.async_accept([self = shared_from_this(), &acceptor](const std::error_code &error, tcp::socket socket) {
        if (self->stopping || error == asio::error::operation_aborted)
            return;
        if (error) {
            // Out of descriptors or memory: wait a little instead of spinning.
            const auto now = Clock::now();
            if (now - self->fullLogged >= std::chrono::minutes(1)) {
                self->fullLogged = now;
                self->log("accepting failed: " + error.message());
            }
            self->acceptPause.expires_after(std::chrono::milliseconds(100));
            self->acceptPause.async_wait([self, &acceptor](const std::error_code &e) {
                if (!e && !self->stopping)
                    self->accept(acceptor);
            });
            return;
        }
        self->admit(std::move(socket));
        self->accept(acceptor);
    });
}

void Service::Impl::admit(tcp::socket socket)
{
    std::error_code error;
    const tcp::endpoint remote = socket.remote_endpoint(error);
    const tcp::endpoint local = socket.local_endpoint(error);
    if (error) {
        socket.close(error);
        return;
    }
    const auto now = Clock::now();
    if (live.size() >= limits.maxConnections) {
        if (now - fullLogged >= std::chrono::minutes(1)) {
            fullLogged = now;
            log("connection limit reached (" + std::to_string(limits.maxConnections) + "): refusing new connections");
        }
        refuseAtOnce(socket, "ERR full\n");
        return;
    }
    const auto address = plainAddress(remote.address());
    const std::string key_ = addressKey(address);
    auto &state = addresses[key_];
    state.lastSeen = now;
    if (state.open >= limits.connectionsPerAddress ||
        !state.connections.take(now, limits.minute, limits.newConnectionsPerMinute)) {
        logAddress(state, address, "too many connections");
        refuseAtOnce(socket, "ERR too-many-connections\n");
        return;
    }
    ++state.open;
    setOptions(socket);
    auto connection = std::make_shared<Connection>(shared_from_this(), std::move(socket));
    connection->remote = remote;
    connection->local = local;
    connection->key = key_;
    live.insert(connection.get());
    connection->start();
}

void Service::Impl::logAddress(AddressState &state, const asio::ip::address &address, const std::string &what)
{
    const auto now = Clock::now();
    if (state.lastLogged != Clock::time_point{} && now - state.lastLogged < limits.minute)
        return;
    state.lastLogged = now;
    log("refusing " + addressText(address) + ": " + what);
}

void Service::Impl::sweep()
{
    // Forgets addresses that hold nothing and whose counts have run out, so
    // that the map holds about the addresses of the last minute.
    const auto now = Clock::now();
    for (auto it = addresses.begin(); it != addresses.end();) {
        const auto &s = it->second;
        if (s.open == 0 && s.tables == 0 && s.waiting == 0 && now - s.lastSeen >= limits.minute &&
            now - s.wrongCodes.start >= limits.minute)
            it = addresses.erase(it);
        else
            ++it;
    }
    sweepTimer.expires_after(limits.minute);
    sweepTimer.async_wait([self = shared_from_this()](const std::error_code &error) {
        if (!error && !self->stopping)
            self->sweep();
    });
}

Bytes Service::Impl::listText()
{
    const auto now = Clock::now();
    if (listCache && (!listDirty || now - listBuiltAt < limits.listRefresh))
        return listCache;
    std::string text;
    std::size_t count = 0;
    for (const auto &[order, table] : publicTables) {
        if (count == kMaxListRows)
            break;
        auto fields = rowFields(table->row);
        fields.insert(fields.begin(), {"code", formatCode(table->code)});
        text += formatLine("TABLE", fields);
        ++count;
    }
    text += formatLine("END", {{"count", std::to_string(count)}});
    listCache = bytesOf(std::move(text));
    listBuiltAt = now;
    listDirty = false;
    return listCache;
}

void Service::Impl::removeTable(Table *table, const char *joinerReason)
{
    const auto found = tables.find(table->code);
    if (found == tables.end() || found->second.get() != table)
        return;
    // The joiners waiting for this host are told; their tickets go.
    const auto waiting = table->tickets;
    for (const auto &t : waiting) {
        auto ticket = tickets.find(t);
        if (ticket == tickets.end())
            continue;
        if (auto joiner = ticket->second.joiner.lock())
            joiner->refuse(joinerReason);
    }
    if (table->row.isPublic)
        publicTables.erase(table->order);
    listDirty = true;
    auto &state = addresses[table->host->key];
    if (state.tables > 0)
        --state.tables;
    tables.erase(found);
}

void Service::Impl::checkReachable(Table *table, const std::shared_ptr<Connection> &host)
{
    auto check = std::make_shared<Check>(io);
    checks.insert(check);
    const auto address = host->remoteAddress();
    std::error_code error;
    check->socket.open(address.is_v4() ? tcp::v4() : tcp::v6(), error);
    // From the address the host reached us on, so the host sees the service.
    if (!error)
        check->socket.bind(tcp::endpoint(plainAddress(host->local.address()), 0), error);
    const std::weak_ptr<Connection> weakHost = host;
    const auto order = table->order;
    auto finish = [self = shared_from_this(), check, weakHost, order](bool reachable) {
        if (check->done)
            return;
        check->done = true;
        self->checks.erase(check);
        check->timer.cancel();
        std::error_code ignored;
        check->socket.close(ignored);
        auto hostNow = weakHost.lock();
        if (!hostNow || hostNow->closed || !hostNow->table || hostNow->table->order != order || self->stopping)
            return;
        hostNow->table->reach = reachable ? Reach::Yes : Reach::No;
        hostNow->sendLine(reachable ? "REACHABLE yes" : "REACHABLE no");
    };
    if (error) {
        finish(false);
        return;
    }
    check->timer.expires_after(limits.reachabilityTimeout);
    check->timer.async_wait([finish](const std::error_code &e) {
        if (!e)
            finish(false);
    });
    check->socket.async_connect(tcp::endpoint(address, limits.gamePort),
                                [finish](const std::error_code &e) { finish(!e); });
}

Service::Service(asio::io_context &io, std::string key, Limits limits, Log log)
    : impl_(std::make_shared<Impl>(io, std::move(key), limits, std::move(log)))
{
    impl_->sweepTimer.expires_after(limits.minute);
    impl_->sweepTimer.async_wait([impl = impl_](const std::error_code &error) {
        if (!error && !impl->stopping)
            impl->sweep();
    });
}

Service::~Service()
{
    // The loop may still hold handlers; they keep Impl alive and find it
    // stopped.
    if (!impl_->stopping)
        stop();
}

std::string Service::listen(const asio::ip::tcp::endpoint &endpoint)
{
    auto acceptor = std::make_unique<tcp::acceptor>(impl_->io);
    std::error_code error;
    acceptor->open(endpoint.protocol(), error);
    if (!error && endpoint.address().is_v6())
        acceptor->set_option(asio::ip::v6_only(true), error);
    if (!error)
        acceptor->set_option(tcp::acceptor::reuse_address(true), error);
    if (!error)
        acceptor->bind(endpoint, error);
    if (!error)
        acceptor->listen(4096, error);
    if (error)
        return error.message();
    impl_->accept(*acceptor);
    impl_->acceptors.push_back(std::move(acceptor));
    return {};
}

std::vector<asio::ip::tcp::endpoint> Service::endpoints() const
{
    std::vector<asio::ip::tcp::endpoint> out;
    for (const auto &acceptor : impl_->acceptors) {
        std::error_code error;
        const auto endpoint = acceptor->local_endpoint(error);
        if (!error)
            out.push_back(endpoint);
    }
    return out;
}

void Service::stop()
{
    auto &impl = *impl_;
    if (impl.stopping)
        return;
    impl.stopping = true;
    std::error_code ignored;
    for (auto &acceptor : impl.acceptors)
        acceptor->close(ignored);
    impl.sweepTimer.cancel();
    impl.acceptPause.cancel();
    for (const auto &check : std::exchange(impl.checks, {})) {
        check->done = true;
        check->timer.cancel();
        check->socket.close(ignored);
    }
    const std::vector<Connection *> all(impl.live.begin(), impl.live.end());
    std::vector<std::shared_ptr<Connection>> held;
    for (Connection *c : all)
        held.push_back(c->shared_from_this());
    for (auto &c : held) {
        if (c->closed)
            continue;
        if (c->role == Role::Relay)
            c->onClosed();
        else if (!c->finishing)
            c->refuse("shutting-down");
    }
}

Service::Counts Service::counts() const
{
    Counts c;
    c.connections = impl_->live.size();
    c.tables = impl_->tables.size();
    c.publicTables = impl_->publicTables.size();
    c.tickets = impl_->tickets.size();
    c.relays = impl_->relays;
    c.addresses = impl_->addresses.size();
    return c;
}

bool parseListenEndpoint(const std::string &text, asio::ip::tcp::endpoint &out)
{
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    std::string host = text.substr(0, colon);
    const std::string port = text.substr(colon + 1);
    if (host.front() == '[') {
        if (host.back() != ']')
            return false;
        host = host.substr(1, host.size() - 2);
    } else if (host.find(':') != std::string::npos) {
        return false; // an IPv6 address needs its brackets
    }
    if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const unsigned long number = std::stoul(port);
    if (number > 65535)
        return false;
    std::error_code error;
    const auto address = asio::ip::make_address(host, error);
    if (error)
        return false;
    out = asio::ip::tcp::endpoint(address, static_cast<unsigned short>(number));
    return true;
}

} // namespace lobbyd
