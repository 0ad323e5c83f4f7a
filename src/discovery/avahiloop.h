#pragma once

// Private to the discovery library: the Avahi client library, loaded at its
// first use, and the worker thread that talks to the daemon.

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-client/publish.h>
#include <avahi-common/address.h>
#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>
#include <avahi-common/simple-watch.h>
#include <avahi-common/strlst.h>

#include <QByteArray>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>

// The functions of libavahi-client and libavahi-common that the game uses.
struct AvahiApi
{
    decltype(&::avahi_simple_poll_new) simple_poll_new = nullptr;
    decltype(&::avahi_simple_poll_get) simple_poll_get = nullptr;
    decltype(&::avahi_simple_poll_iterate) simple_poll_iterate = nullptr;
    decltype(&::avahi_simple_poll_quit) simple_poll_quit = nullptr;
    decltype(&::avahi_simple_poll_free) simple_poll_free = nullptr;
    decltype(&::avahi_string_list_add_arbitrary) string_list_add_arbitrary = nullptr;
    decltype(&::avahi_string_list_free) string_list_free = nullptr;
    decltype(&::avahi_alternative_service_name) alternative_service_name = nullptr;
    decltype(&::avahi_free) free = nullptr;
    decltype(&::avahi_address_snprint) address_snprint = nullptr;
    decltype(&::avahi_client_new) client_new = nullptr;
    decltype(&::avahi_client_free) client_free = nullptr;
    decltype(&::avahi_client_errno) client_errno = nullptr;
    decltype(&::avahi_entry_group_new) entry_group_new = nullptr;
    decltype(&::avahi_entry_group_free) entry_group_free = nullptr;
    decltype(&::avahi_entry_group_reset) entry_group_reset = nullptr;
    decltype(&::avahi_entry_group_commit) entry_group_commit = nullptr;
    decltype(&::avahi_entry_group_add_service_strlst) entry_group_add_service_strlst = nullptr;
    decltype(&::avahi_entry_group_update_service_txt_strlst) entry_group_update_service_txt_strlst = nullptr;
    decltype(&::avahi_service_browser_new) service_browser_new = nullptr;
    decltype(&::avahi_service_browser_free) service_browser_free = nullptr;
    decltype(&::avahi_service_resolver_new) service_resolver_new = nullptr;
    decltype(&::avahi_service_resolver_free) service_resolver_free = nullptr;

    // TXT strings as Avahi's list, in their order; string_list_free() it.
    AvahiStringList *stringList(const QList<QByteArray> &strings) const;
    // And back.
    static QList<QByteArray> strings(const AvahiStringList *list);
};

// The two libraries, or null when either (or a function) is missing.
const AvahiApi *loadAvahi();

// One client of the Avahi daemon, on a worker thread of its own.
//
// Why a thread and not Avahi's calls on the window's event loop:
// libavahi-client answers most calls (making an entry group, committing it,
// making a browser or resolver) with a D-Bus call that blocks until the
// daemon replies, up to D-Bus's timeout of 25 s when the daemon hangs. So
// every Avahi call runs here, in a plain simple-poll loop that sleeps in
// poll() while nothing happens (no periodic wake-up), and the window's
// thread only queues work and reads results that come back as queued calls.
//
// The client is made with AVAHI_CLIENT_NO_FAIL: a daemon that is not running
// yet, or restarts, is waited for, and the owner is told when it serves.
class AvahiLoop
{
public:
    // Runs on the worker with the client's state: S_RUNNING (make groups
    // and browsers now), S_REGISTERING or S_COLLISION (the daemon renames
    // its host: withdraw and wait for S_RUNNING), CONNECTING (no daemon),
    // FAILURE (the client and all made with it go right after the call,
    // also when the loop ends).
    using StateHook = std::function<void(AvahiClient *client, AvahiClientState state)>;

    // Runs work on the owner's thread, unless finish() has been called by
    // then; callable from the worker.
    using Deliver = std::function<void(std::function<void()> work)>;

    // `owner` lives on the thread that makes the loop; delivered work runs
    // there, and `availability` is told whether the daemon serves, on each
    // change.
    AvahiLoop(QObject *owner, StateHook hook, std::function<void(bool available)> availability);
    // finish(0).
    ~AvahiLoop();
    AvahiLoop(const AvahiLoop &) = delete;
    AvahiLoop &operator=(const AvahiLoop &) = delete;

    // Starts the thread, which loads the libraries and connects.
    void start();
    // For the hook's side, before start().
    Deliver deliverer() const;
    // From the owner's thread: `work` runs on the worker, in order, with the
    // libraries (never when they are missing).
    void post(std::function<void(const AvahiApi &)> work);
    // Ends the client (which withdraws what it published) and the thread,
    // waiting at most `waitMs`; a thread held up longer by a hung daemon is
    // left to end with the process. Nothing is delivered afterwards.
    void finish(int waitMs);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};

// Makes `worker`, the worker's side of `owner` (which hears the client's
// states through its changed() and delivers through its deliver), and
// starts a loop for it; `owner` tells availabilityChanged.
template <typename Owner, typename Worker>
std::unique_ptr<AvahiLoop> startAvahiLoop(Owner *owner, std::shared_ptr<Worker> &worker)
{
    worker = std::make_shared<Worker>();
    worker->owner = owner;
    auto loop = std::make_unique<AvahiLoop>(
        owner, [worker](AvahiClient *client, AvahiClientState state) { worker->changed(client, state); },
        [owner](bool available) { emit owner->availabilityChanged(available); });
    worker->deliver = loop->deliverer();
    loop->start();
    return loop;
}
