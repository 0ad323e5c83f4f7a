#pragma once

#include "lantable.h"

#include <QObject>
#include <QString>

#include <memory>

namespace lan {
// What the launcher shows, and `orvellobby --list` prints, where no Avahi
// daemon serves or its library is missing.
// Shown translated (context "LanGamesList").
inline constexpr const char *AvahiMissing = QT_TRANSLATE_NOOP(
    "LanGamesList", "Finding games on your network needs the Avahi service (avahi-daemon), which is not running here.");
} // namespace lan

// Follows the tables hosted on the local network while it lives. The
// launcher's seam: tests drive a fake through the signals.
//
// A game is known by its key `service`: its service name together with the
// interface and protocol it was seen on, as Avahi keys services (so another
// machine that claims the same name shows as a row of its own, with its own
// address); a game found again under the same key is an update of it.
class GameBrowser : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts looking; the signals follow on this object's thread.
    virtual void start() = 0;

signals:
    // A game appeared, or what it tells changed.
    void gameFound(const QString &service, const lan::LanGame &game);
    void gameLost(const QString &service);
    // Whether the Avahi daemon serves, on each change; while it does not,
    // no game is known (those found before are not lost one by one).
    void availabilityChanged(bool available);
    // The games the network knew when looking started are all reported.
    void settled();
};

// Browses through the Avahi daemon; libavahi-client is loaded at start().
std::unique_ptr<GameBrowser> makeAvahiGameBrowser();
