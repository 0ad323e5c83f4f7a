#pragma once

#include "gamewindow.h"

#include <QStringList>

#include <functional>

class QAction;
class QListWidget;
class QMenu;
class QPoint;

// The list of watchers ("spies"), one item "seat: name" per watcher in order
// of arrival. The player list fills it; on the hosting player's window its
// context menu removes a watcher through the main window's `kicking`.
class Tspylist : public GameWindow
{
    Q_OBJECT
public:
    explicit Tspylist(QWidget *mainWindow = nullptr);

    // The main window's removal request for a seat number.
    std::function<void(int seat)> kicking;

    // Appends an item for a watcher's seat. A seat has one connection at a
    // time, so an item left over for the same seat number goes first: the
    // list never holds more than one item per watcher seat, whatever a host
    // sends.
    void addSpy(int seat, const QString &name);
    // Removes the item "seat: name"; false when there is none.
    bool removeSpy(const QString &item);
    QStringList spies() const;

    // "Remove From Game" works only in the copy that hosts.
    void setHostControls(bool hosting);

    // Handlers.
    void listbox_spysMouseMove(const QPoint &pos);
    void popup_kickhimClick();
    void button_doneClick();

    // The index of the item under the pointer, -1 over no item, 0 before
    // the pointer first moved over the list.
    int tag() const { return m_tag; }
    QMenu *kickMenu() const { return m_kickMenu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openKickMenu(const QPoint &globalPos);

    QListWidget *m_list = nullptr;
    QMenu *m_kickMenu = nullptr;
    QAction *m_kickhim = nullptr;
    int m_tag = 0;
};
