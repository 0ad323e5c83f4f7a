// Browsing for `_tavlix._tcp` through the Avahi daemon.

#include "avahiloop.h"
#include "gamebrowser.h"

#include <vector>

namespace {

// Services followed at most, each with its resolver.
constexpr std::size_t MaxSightings = 64;

class AvahiGameBrowser final : public GameBrowser
{
public:
    ~AvahiGameBrowser() override
    {
        if (m_loop)
            m_loop->finish(1000);
    }

    void start() override;

private:
    struct Worker;
    std::unique_ptr<AvahiLoop> m_loop;
    std::shared_ptr<Worker> m_worker;
};

// The browsing on the worker. A service is seen once per interface it is
// announced on; each sighting keeps a resolver open, which reports every
// later change of the TXT record. The game is lost when its last sighting
// goes.
struct AvahiGameBrowser::Worker
{
    struct Sighting
    {
        AvahiIfIndex interface;
        QByteArray name;
        QByteArray domain;
        AvahiServiceResolver *resolver = nullptr;
        bool answered = false;
    };

    AvahiLoop::Deliver deliver;
    AvahiGameBrowser *owner = nullptr; // only touched in delivered work
    AvahiClient *client = nullptr;
    AvahiServiceBrowser *browser = nullptr;
    std::vector<Sighting> sightings;
    bool allForNow = false;
    bool settled = false;

    static const AvahiApi &api() { return *loadAvahi(); }

    void changed(AvahiClient *running, AvahiClientState state)
    {
        if (state == AVAHI_CLIENT_S_RUNNING) {
            if (browser)
                return;
            client = running;
            // Over IPv4 for IPv4 addresses: that is what a player joins at
            // (a resolver asked for IPv4 addresses over IPv6 finds none).
            browser = api().service_browser_new(client, AVAHI_IF_UNSPEC, AVAHI_PROTO_INET, lan::ServiceType, nullptr,
                                                {}, &Worker::browsed, this);
        } else if (state == AVAHI_CLIENT_CONNECTING || state == AVAHI_CLIENT_FAILURE) {
            // The browser and resolvers go with the client; the owner,
            // told that the daemon does not serve, forgets the games.
            client = nullptr;
            browser = nullptr;
            sightings.clear();
            allForNow = settled = false;
        }
    }

    Sighting *find(AvahiIfIndex interface, const char *name, const char *domain)
    {
        for (Sighting &sighting : sightings) {
            if (sighting.interface == interface && sighting.name == name && sighting.domain == domain)
                return &sighting;
        }
        return nullptr;
    }

    void checkSettled()
    {
        if (settled || !allForNow)
            return;
        for (const Sighting &sighting : sightings) {
            if (!sighting.answered)
                return;
        }
        settled = true;
        deliver([owner = owner] { emit owner->settled(); });
    }

    static void browsed(AvahiServiceBrowser *, AvahiIfIndex interface, AvahiProtocol protocol, AvahiBrowserEvent event,
                        const char *name, const char *type, const char *domain, AvahiLookupResultFlags, void *userdata)
    {
        auto *self = static_cast<Worker *>(userdata);
        if (event == AVAHI_BROWSER_NEW) {
            // A machine that announces services by the thousand must not
            // make the launcher resolve them all; a home has a few tables.
            if (self->find(interface, name, domain) || self->sightings.size() >= MaxSightings)
                return;
            self->sightings.push_back({interface, name, domain});
            self->sightings.back().resolver = api().service_resolver_new(
                self->client, interface, protocol, name, type, domain, AVAHI_PROTO_INET, {}, &Worker::resolved, self);
            self->sightings.back().answered = self->sightings.back().resolver == nullptr;
        } else if (event == AVAHI_BROWSER_REMOVE) {
            const Sighting *gone = self->find(interface, name, domain);
            if (!gone)
                return;
            if (gone->resolver)
                api().service_resolver_free(gone->resolver);
            const QByteArray service = gone->name;
            self->sightings.erase(self->sightings.begin() + (gone - self->sightings.data()));
            for (const Sighting &other : self->sightings) {
                if (other.name == service)
                    return;
            }
            self->deliver([owner = self->owner, service] { emit owner->gameLost(QString::fromUtf8(service)); });
        } else if (event == AVAHI_BROWSER_ALL_FOR_NOW) {
            self->allForNow = true;
        }
        self->checkSettled();
    }

    static void resolved(AvahiServiceResolver *resolver, AvahiIfIndex interface, AvahiProtocol, AvahiResolverEvent event,
                         const char *name, const char *, const char *domain, const char *, const AvahiAddress *address,
                         uint16_t port, AvahiStringList *txt, AvahiLookupResultFlags, void *userdata)
    {
        auto *self = static_cast<Worker *>(userdata);
        Sighting *sighting = self->find(interface, name, domain);
        if (!sighting)
            return;
        sighting->answered = true;
        if (event == AVAHI_RESOLVER_FOUND && address) {
            char text[AVAHI_ADDRESS_STR_MAX] = {};
            api().address_snprint(text, sizeof text, address);
            const QString service = QString::fromUtf8(name);
            // Whatever another machine announces is read as a stranger's.
            if (auto game = lan::readLanGame(name, QString::fromLatin1(text), port, AvahiApi::strings(txt))) {
                self->deliver([owner = self->owner, service, game = *game] { emit owner->gameFound(service, game); });
            } else {
                self->deliver([owner = self->owner, service] { emit owner->gameLost(service); });
            }
        } else if (event == AVAHI_RESOLVER_FAILURE) {
            // A service whose host does not answer stays unlisted.
            api().service_resolver_free(resolver);
            sighting->resolver = nullptr;
        }
        self->checkSettled();
    }
};

void AvahiGameBrowser::start()
{
    if (!m_loop)
        m_loop = startAvahiLoop(this, m_worker);
}

} // namespace

std::unique_ptr<GameBrowser> makeAvahiGameBrowser()
{
    return std::make_unique<AvahiGameBrowser>();
}
