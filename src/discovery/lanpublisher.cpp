#include "lanpublisher.h"

#include "avahiloop.h"

#include <algorithm>

// The publishing on the worker: one entry group with the one service.
struct LanPublisher::Worker
{
    AvahiLoop::Deliver deliver;
    LanPublisher *owner = nullptr; // only touched in delivered work

    AvahiClient *client = nullptr; // null while the daemon does not serve
    AvahiEntryGroup *group = nullptr;
    std::optional<lan::LanTable> table;
    quint16 port = lan::GamePort;
    QByteArray name;               // the name in use, after any renames
    bool added = false;

    static const AvahiApi &api() { return *loadAvahi(); }

    void changed(AvahiClient *running, AvahiClientState state)
    {
        switch (state) {
        case AVAHI_CLIENT_S_RUNNING:
            client = running;
            apply();
            break;
        case AVAHI_CLIENT_S_REGISTERING:
        case AVAHI_CLIENT_S_COLLISION:
            // The daemon is renaming its host: the service is registered
            // again once it runs.
            if (group)
                api().entry_group_reset(group);
            added = false;
            break;
        default:
            // The group goes with the client.
            client = nullptr;
            group = nullptr;
            added = false;
            break;
        }
    }

    void apply()
    {
        if (!client)
            return;
        if (!table) {
            if (group)
                api().entry_group_free(group);
            group = nullptr;
            added = false;
            return;
        }
        AvahiStringList *txt = api().stringList(table->txt());
        // A change of the table only changes the TXT record; the service
        // itself stays, so browsers see an update rather than a new game.
        int result = -1;
        if (added)
            result = api().entry_group_update_service_txt_strlst(group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, {},
                                                                 name.constData(), lan::ServiceType, nullptr, txt);
        if (result != 0)
            add(txt);
        api().string_list_free(txt);
    }

    void add(AvahiStringList *txt)
    {
        added = false;
        if (group)
            api().entry_group_reset(group);
        else
            group = api().entry_group_new(client, &Worker::groupChanged, this);
        if (!group)
            return;
        if (name.isEmpty())
            name = table->serviceName();
        int result = AVAHI_ERR_COLLISION;
        // A name this daemon itself holds already is refused at once; the
        // network's clashes come later, through groupChanged.
        for (int attempt = 0; attempt < 20 && result == AVAHI_ERR_COLLISION; ++attempt) {
            result = api().entry_group_add_service_strlst(group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, {},
                                                          name.constData(), lan::ServiceType, nullptr, nullptr, port,
                                                          txt);
            if (result == AVAHI_ERR_COLLISION)
                rename();
        }
        if (result == 0)
            result = api().entry_group_commit(group);
        added = result == 0;
    }

    void rename()
    {
        // "Ann" becomes "Ann #2", then "Ann #3".
        char *other = api().alternative_service_name(name.constData());
        name = other;
        api().free(other);
    }

    static void groupChanged(AvahiEntryGroup *changed, AvahiEntryGroupState state, void *userdata)
    {
        auto *self = static_cast<Worker *>(userdata);
        if (state == AVAHI_ENTRY_GROUP_COLLISION) {
            self->group = changed;
            self->rename();
            self->added = false;
            self->apply();
        } else if (state == AVAHI_ENTRY_GROUP_ESTABLISHED) {
            self->deliver([owner = self->owner, name = QString::fromUtf8(self->name)] { emit owner->established(name); });
        } else if (state == AVAHI_ENTRY_GROUP_FAILURE) {
            self->added = false;
        }
    }
};

LanPublisher::LanPublisher(QObject *parent) : QObject(parent)
{
    m_updateTimer.setSingleShot(true);
    connect(&m_updateTimer, &QTimer::timeout, this, &LanPublisher::updateTimerTimeout);
}

LanPublisher::~LanPublisher()
{
    finish();
}

void LanPublisher::publish(const lan::LanTable &table, quint16 port)
{
    if (m_finished)
        return;
    m_wanted = table;
    m_port = port;
    if (m_updateTimer.isActive())
        return;
    const qint64 since = m_sinceUpdate.isValid() ? m_sinceUpdate.elapsed() : MinIntervalMs;
    m_updateTimer.start(int(std::clamp<qint64>(MinIntervalMs - since, 0, MinIntervalMs)));
}

void LanPublisher::updateTimerTimeout()
{
    m_updateTimer.stop();
    if (m_wanted && m_wanted != m_sent)
        send(m_wanted);
}

void LanPublisher::withdraw()
{
    m_updateTimer.stop();
    m_wanted.reset();
    if (m_sent)
        send(std::nullopt);
}

void LanPublisher::send(std::optional<lan::LanTable> table)
{
    if (m_finished)
        return;
    if (!m_loop)
        m_loop = startAvahiLoop(this, m_worker);
    m_sent = table;
    m_sinceUpdate.start();
    m_loop->post([worker = m_worker, table = std::move(table), port = m_port](const AvahiApi &) {
        if (worker->port != port)
            worker->added = false;
        worker->table = table;
        worker->port = port;
        worker->apply();
    });
}

void LanPublisher::finish(int waitMs)
{
    if (m_finished)
        return;
    m_finished = true;
    m_updateTimer.stop();
    // Ending the client frees its group: the daemon sends its goodbye, and
    // the other machines drop the game within a second or so.
    if (m_loop)
        m_loop->finish(waitMs);
}
