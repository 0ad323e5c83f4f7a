#include "avahiloop.h"

#include "loadedlibrary.h"

#include <QMetaObject>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/time.h>
#include <unistd.h>

const AvahiApi *loadAvahi()
{
    // Loaded when a hosting copy first announces its table or a launcher
    // first looks for tables: a solo game never maps them.
    static const AvahiApi *const loaded = []() -> const AvahiApi * {
        static const LoadedLibrary common("libavahi-common.so.3");
        static const LoadedLibrary client("libavahi-client.so.3");
        static AvahiApi api;
        const bool complete = common.bind(api.simple_poll_new, "avahi_simple_poll_new")
            && common.bind(api.simple_poll_get, "avahi_simple_poll_get")
            && common.bind(api.simple_poll_iterate, "avahi_simple_poll_iterate")
            && common.bind(api.simple_poll_quit, "avahi_simple_poll_quit")
            && common.bind(api.simple_poll_free, "avahi_simple_poll_free")
            && common.bind(api.string_list_add_arbitrary, "avahi_string_list_add_arbitrary")
            && common.bind(api.string_list_free, "avahi_string_list_free")
            && common.bind(api.alternative_service_name, "avahi_alternative_service_name")
            && common.bind(api.free, "avahi_free")
            && common.bind(api.address_snprint, "avahi_address_snprint")
            && client.bind(api.client_new, "avahi_client_new")
            && client.bind(api.client_free, "avahi_client_free")
            && client.bind(api.client_errno, "avahi_client_errno")
            && client.bind(api.entry_group_new, "avahi_entry_group_new")
            && client.bind(api.entry_group_free, "avahi_entry_group_free")
            && client.bind(api.entry_group_reset, "avahi_entry_group_reset")
            && client.bind(api.entry_group_commit, "avahi_entry_group_commit")
            && client.bind(api.entry_group_add_service_strlst, "avahi_entry_group_add_service_strlst")
            && client.bind(api.entry_group_update_service_txt_strlst, "avahi_entry_group_update_service_txt_strlst")
            && client.bind(api.service_browser_new, "avahi_service_browser_new")
            && client.bind(api.service_browser_free, "avahi_service_browser_free")
            && client.bind(api.service_resolver_new, "avahi_service_resolver_new")
            && client.bind(api.service_resolver_free, "avahi_service_resolver_free");
        return complete ? &api : nullptr;
    }();
    return loaded;
}

AvahiStringList *AvahiApi::stringList(const QList<QByteArray> &strings) const
{
    // Adding puts a string in front: from the last to the first.
    AvahiStringList *list = nullptr;
    for (auto it = strings.crbegin(); it != strings.crend(); ++it)
        list = string_list_add_arbitrary(list, reinterpret_cast<const uint8_t *>(it->constData()), it->size());
    return list;
}

QList<QByteArray> AvahiApi::strings(const AvahiStringList *list)
{
    QList<QByteArray> strings;
    for (; list; list = list->next)
        strings.append(QByteArray(reinterpret_cast<const char *>(list->text), static_cast<qsizetype>(list->size)));
    return strings;
}

namespace {

// A daemon that dropped the client is asked again after this pause, so a
// daemon that keeps failing costs a wake-up a second at most.
constexpr int ReconnectMs = 1000;

} // namespace

struct AvahiLoop::Shared
{
    // Between the threads.
    std::mutex mutex;
    std::condition_variable endedChanged;
    bool started = false;
    bool ended = false;
    bool finishing = false;
    std::deque<std::function<void(const AvahiApi &)>> work;
    QObject *owner = nullptr;
    int wake = -1;

    // Set before the thread starts, then only read.
    StateHook hook;
    std::function<void(bool)> availability;

    // The worker's own.
    const AvahiApi *api = nullptr;
    AvahiSimplePoll *poll = nullptr;
    AvahiClient *client = nullptr;
    AvahiTimeout *reconnect = nullptr;
    std::optional<bool> available;

    ~Shared()
    {
        if (wake >= 0)
            ::close(wake);
    }

    void run()
    {
        ::pthread_setname_np(::pthread_self(), "avahi");
        api = loadAvahi();
        if (api) {
            poll = api->simple_poll_new();
            const AvahiPoll *loop = api->simple_poll_get(poll);
            AvahiWatch *watch = loop->watch_new(loop, wake, AVAHI_WATCH_IN, &Shared::woken, this);
            connect();
            while (api->simple_poll_iterate(poll, -1) == 0) {
            }
            dropClient();
            loop->watch_free(watch);
            // Frees the reconnect timeout with the loop.
            api->simple_poll_free(poll);
        } else {
            report(false);
        }
        const std::lock_guard lock(mutex);
        ended = true;
        endedChanged.notify_all();
    }

    void connect()
    {
        int error = 0;
        client = api->client_new(api->simple_poll_get(poll), AVAHI_CLIENT_NO_FAIL, &Shared::clientChanged, this, &error);
        // Without even a system bus nothing will change: the owner hears
        // it once, and nothing is tried again.
        if (!client) {
            if (reconnect)
                api->simple_poll_get(poll)->timeout_free(reconnect);
            reconnect = nullptr;
            report(false);
        }
    }

    void dropClient()
    {
        if (!client)
            return;
        hook(client, AVAHI_CLIENT_FAILURE);
        api->client_free(client);
        client = nullptr;
    }

    void report(bool now)
    {
        if (available == now)
            return;
        available = now;
        deliver([tell = availability, now] { tell(now); });
    }

    void deliver(std::function<void()> work)
    {
        const std::lock_guard lock(mutex);
        if (owner)
            QMetaObject::invokeMethod(owner, std::move(work), Qt::QueuedConnection);
    }

    // The wake-up from post() or finish(): runs what waits, in order.
    static void woken(AvahiWatch *, int fd, AvahiWatchEvent, void *userdata)
    {
        auto *self = static_cast<Shared *>(userdata);
        uint64_t count = 0;
        (void)!::read(fd, &count, sizeof count);
        for (;;) {
            std::function<void(const AvahiApi &)> job;
            bool end = false;
            {
                const std::lock_guard lock(self->mutex);
                if (self->work.empty()) {
                    end = self->finishing;
                    if (!end)
                        return;
                } else {
                    job = std::move(self->work.front());
                    self->work.pop_front();
                }
            }
            // Outside the lock, like the work: the hook may deliver, and
            // deliver() takes the lock. Nothing is queued once finishing.
            if (end) {
                self->dropClient();
                self->api->simple_poll_quit(self->poll);
                return;
            }
            job(*self->api);
        }
    }

    static void clientChanged(AvahiClient *client, AvahiClientState state, void *userdata)
    {
        auto *self = static_cast<Shared *>(userdata);
        switch (state) {
        case AVAHI_CLIENT_S_RUNNING:
            self->report(true);
            break;
        case AVAHI_CLIENT_CONNECTING:
        case AVAHI_CLIENT_FAILURE:
            self->report(false);
            break;
        default:
            break;
        }
        self->hook(client, state);
        // The daemon went away. The client cannot be freed inside its own
        // callback: a little later a new one waits for the daemon to return.
        if (state == AVAHI_CLIENT_FAILURE && !self->reconnect) {
            const AvahiPoll *loop = self->api->simple_poll_get(self->poll);
            timeval when = {};
            ::gettimeofday(&when, nullptr);
            when.tv_sec += ReconnectMs / 1000;
            self->reconnect = loop->timeout_new(loop, &when, &Shared::reconnectNow, self);
        }
    }

    static void reconnectNow(AvahiTimeout *timeout, void *userdata)
    {
        auto *self = static_cast<Shared *>(userdata);
        self->api->simple_poll_get(self->poll)->timeout_free(timeout);
        self->reconnect = nullptr;
        if (self->client) {
            self->api->client_free(self->client);
            self->client = nullptr;
        }
        self->connect();
    }
};

AvahiLoop::AvahiLoop(QObject *owner, StateHook hook, std::function<void(bool)> availability)
    : m_shared(std::make_shared<Shared>())
{
    m_shared->owner = owner;
    m_shared->hook = std::move(hook);
    m_shared->availability = std::move(availability);
    m_shared->wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

void AvahiLoop::start()
{
    // The thread keeps the shared part alive, also past finish() when it
    // is left to the end of the process.
    m_shared->started = true;
    std::thread([shared = m_shared] { shared->run(); }).detach();
}

AvahiLoop::~AvahiLoop()
{
    finish(0);
}

void AvahiLoop::post(std::function<void(const AvahiApi &)> work)
{
    {
        const std::lock_guard lock(m_shared->mutex);
        if (m_shared->finishing)
            return;
        m_shared->work.push_back(std::move(work));
    }
    const uint64_t one = 1;
    (void)!::write(m_shared->wake, &one, sizeof one);
}

AvahiLoop::Deliver AvahiLoop::deliverer() const
{
    // Weak: the hook that holds it is held by the shared part itself.
    return [weak = std::weak_ptr<Shared>(m_shared)](std::function<void()> work) {
        if (const auto shared = weak.lock())
            shared->deliver(std::move(work));
    };
}

void AvahiLoop::finish(int waitMs)
{
    std::unique_lock lock(m_shared->mutex);
    if (!m_shared->finishing) {
        m_shared->finishing = true;
        m_shared->owner = nullptr;
        const uint64_t one = 1;
        (void)!::write(m_shared->wake, &one, sizeof one);
    }
    if (m_shared->started)
        m_shared->endedChanged.wait_for(lock, std::chrono::milliseconds(waitMs), [this] { return m_shared->ended; });
}
