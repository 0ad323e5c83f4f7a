// Browsing for `_tavlix._tcp` through the Avahi daemon.

#include "avahiloop.h"
#include "gamebrowser.h"

#include <utility>
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

// The browsing on the worker. A service is seen once per interface and
// protocol it is announced on, and each sighting is a game of its own, as
// Avahi keys them: a machine that announces a table under another's name
// adds a row with its own address instead of taking over the other's. Each
// sighting keeps a resolver open, which reports every later change of the
// TXT record; one whose resolver fails, or that is removed, frees its slot.
struct AvahiGameBrowser::Worker
{
    struct Sighting
    {
        AvahiIfIndex interface;
        AvahiProtocol protocol;
        QByteArray name;
        QByteArray domain;
        AvahiServiceResolver *resolver = nullptr;
        bool answered = false;
        bool listed = false; // a game was reported for it

        QString key() const
        {
            return QString::fromUtf8(name) + QChar(0) + QString::fromUtf8(domain) + QChar(0)
                   + QString::number(interface) + QLatin1Char('/') + QString::number(protocol);
        }
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

    Sighting *find(AvahiIfIndex interface, AvahiProtocol protocol, const char *name, const char *domain)
    {
        for (Sighting &sighting : sightings) {
            if (sighting.interface == interface && sighting.protocol == protocol && sighting.name == name
                && sighting.domain == domain)
                return &sighting;
        }
        return nullptr;
    }

    // Stops following a sighting; its row goes if it had one.
    void forget(Sighting *gone)
    {
        if (gone->resolver)
            api().service_resolver_free(gone->resolver);
        if (gone->listed)
            deliver([owner = owner, service = gone->key()] { emit owner->gameLost(service); });
        sightings.erase(sightings.begin() + (gone - sightings.data()));
    }

    // Room for one more sighting: past the cap the oldest that shows no
    // game gives way, so services that never resolve cannot crowd out the
    // tables; false when every one shows a game.
    bool makeRoom()
    {
        if (sightings.size() < MaxSightings)
            return true;
        for (Sighting &sighting : sightings) {
            if (!sighting.listed) {
                forget(&sighting);
                return true;
            }
        }
        return false;
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
            if (self->find(interface, protocol, name, domain) || !self->makeRoom())
                return;
            self->sightings.push_back({interface, protocol, name, domain});
            self->sightings.back().resolver = api().service_resolver_new(
                self->client, interface, protocol, name, type, domain, AVAHI_PROTO_INET, {}, &Worker::resolved, self);
            self->sightings.back().answered = self->sightings.back().resolver == nullptr;
            if (!self->sightings.back().resolver)
                self->sightings.pop_back();
        } else if (event == AVAHI_BROWSER_REMOVE) {
            if (Sighting *gone = self->find(interface, protocol, name, domain))
                self->forget(gone);
        } else if (event == AVAHI_BROWSER_ALL_FOR_NOW) {
            self->allForNow = true;
        }
        self->checkSettled();
    }

    static void resolved(AvahiServiceResolver *resolver, AvahiIfIndex interface, AvahiProtocol protocol,
                         AvahiResolverEvent event, const char *name, const char *, const char *domain, const char *,
                         const AvahiAddress *address, uint16_t port, AvahiStringList *txt, AvahiLookupResultFlags,
                         void *userdata)
    {
        auto *self = static_cast<Worker *>(userdata);
        Sighting *sighting = nullptr;
        for (Sighting &s : self->sightings) {
            if (s.resolver == resolver)
                sighting = &s;
        }
        if (!sighting)
            return;
        Q_UNUSED(interface);
        Q_UNUSED(protocol);
        Q_UNUSED(name);
        Q_UNUSED(domain);
        sighting->answered = true;
        if (event == AVAHI_RESOLVER_FOUND && address) {
            char text[AVAHI_ADDRESS_STR_MAX] = {};
            api().address_snprint(text, sizeof text, address);
            const QString service = sighting->key();
            // Whatever another machine announces is read as a stranger's.
            if (auto game = lan::readLanGame(name, QString::fromLatin1(text), port, AvahiApi::strings(txt))) {
                sighting->listed = true;
                self->deliver([owner = self->owner, service, game = *game] { emit owner->gameFound(service, game); });
            } else if (std::exchange(sighting->listed, false)) {
                self->deliver([owner = self->owner, service] { emit owner->gameLost(service); });
            }
        } else if (event == AVAHI_RESOLVER_FAILURE) {
            // A service whose host does not answer is not followed: its
            // slot is free for another.
            self->forget(sighting);
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
