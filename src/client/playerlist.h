#pragma once

#include "clientstate.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <array>
#include <functional>

class ClientConnection;
class ElidedLabel;
class QAction;
class QLabel;
class QMenu;
class QWidget;
class Tspylist;

// Who is at the table as this client sees it: arrivals and departures in
// the chat, the names on the seat labels, the watchers in the spy list, and
// the hosting player's seat menu `popup_kick` (remove a player, set a seat
// to just watch or to play again).
//
// The seat labels, score labels and watching eyes belong to the round
// view; this class finds them on the board panel by name stem and seat
// number. A seat number from a message indexes a control only when it is a
// seat (1 to 9): anything else a host sends is ignored.
class PlayerList : public QObject
{
    Q_OBJECT
public:
    struct Hooks
    {
        std::function<void(const QString &text)> addSystemLine; // text without the "0+"
        std::function<void(const QString &name)> playsounds;
        std::function<void(const QByteArray &message)> send;    // a complete message
        // This client's own arrival was announced: the settings are read now.
        std::function<void()> ownArrival;
    };

    // `panelBoard` must already hold the round view's seat controls.
    PlayerList(ClientState &state, QWidget *panelBoard, Tspylist &spylist, Hooks hooks, QObject *parent = nullptr);

    void installHandlers(ClientConnection &connection);

    // Handlers of the host's messages.
    void newplayerinfo(const QByteArray &body);
    void playerdisconnected(const QByteArray &body);

    // The seat menu: prepared just before it opens over a seat label, and
    // its items.
    void label_playername1ContextPopup(QWidget *sender);
    void RemoveFromGame1Click();
    void SettoJustWatch1Click();
    void UnsetJustWatch1Click();
    // Asks the host to remove seat n (only the hosting player may).
    void kicking(int n);

    QMenu *seatMenu() const { return m_popupKick; }

private:
    struct Seat
    {
        ElidedLabel *name = nullptr;
        QLabel *score = nullptr;
        QWidget *eyes = nullptr;
    };
    struct Record
    {
        int seat = 0;
        QString name;
        bool watching = false;
    };

    void createSeatMenu(QWidget *panelBoard);
    void arrive(const Record &record);
    void sendJustWatch(int mode);
    Seat &seat(int n) { return m_seats[n - 1]; }

    ClientState &m_state;
    Tspylist &m_spylist;
    Hooks m_hooks;
    std::array<Seat, 6> m_seats;
    QMenu *m_popupKick = nullptr;
    QAction *m_remove = nullptr;
    QAction *m_setWatch = nullptr;
    QAction *m_unsetWatch = nullptr;
};
