#include "playerlist.h"

#include "botnames.h"
#include "clientconnection.h"
#include "protocol.h"
#include "roundart.h"
#include "roundview.h"
#include "tspylist.h"
#include "uitext.h"

#include <QAction>
#include <QLabel>
#include <QList>
#include <QMenu>
#include <QWidget>

namespace {

// Seat numbers the host hands out: 1 to 6 play, 7 to 9 watch.
constexpr int MaxSeat = 9;
constexpr int SeatLabels = 6;

bool isSeat(int n)
{
    return n >= 1 && n <= MaxSeat;
}

QString waiting()
{
    return QString::fromLatin1(RoundView::Waiting);
}

} // namespace

PlayerList::PlayerList(ClientState &state, QWidget *panelBoard, Tspylist &spylist, Hooks hooks, QObject *parent)
    : QObject(parent), m_state(state), m_spylist(spylist), m_hooks(std::move(hooks))
{
    for (int n = 1; n <= SeatLabels; ++n) {
        const QString number = QString::number(n);
        Seat &s = seat(n);
        s.name = dynamic_cast<ElidedLabel *>(panelBoard->findChild<QLabel *>("label_playername" + number));
        s.score = panelBoard->findChild<QLabel *>("label_score" + number);
        s.eyes = panelBoard->findChild<QWidget *>("image_eyes" + number);
        Q_ASSERT(s.name && s.score && s.eyes);
    }
    createSeatMenu(panelBoard);
    m_spylist.kicking = [this](int n) { kicking(n); };
}

void PlayerList::createSeatMenu(QWidget *panelBoard)
{
    m_popupKick = new QMenu(panelBoard);
    m_popupKick->setObjectName(QStringLiteral("popup_kick"));
    m_popupKick->setProperty("tag", 0);
    m_remove = m_popupKick->addAction(QString());
    UiText::set(m_remove, staticMetaObject, QT_TR_NOOP("&Remove From Game"));
    m_remove->setObjectName(QStringLiteral("RemoveFromGame1"));
    m_setWatch = m_popupKick->addAction(QString());
    UiText::set(m_setWatch, staticMetaObject, QT_TR_NOOP("&Set to Just Watch"));
    m_setWatch->setObjectName(QStringLiteral("SettoJustWatch1"));
    m_unsetWatch = m_popupKick->addAction(QString());
    UiText::set(m_unsetWatch, staticMetaObject, QT_TR_NOOP("&Unset Just Watch"));
    m_unsetWatch->setObjectName(QStringLiteral("UnsetJustWatch1"));
    connect(m_remove, &QAction::triggered, this, &PlayerList::RemoveFromGame1Click);
    connect(m_setWatch, &QAction::triggered, this, &PlayerList::SettoJustWatch1Click);
    connect(m_unsetWatch, &QAction::triggered, this, &PlayerList::UnsetJustWatch1Click);

    for (Seat &s : m_seats) {
        ElidedLabel *label = s.name;
        // The labels take focus from Tab so the menu key opens the seat
        // menu as a right click does.
        label->setFocusPolicy(Qt::TabFocus);
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, this, [this, label](const QPoint &pos) {
            label_playername1ContextPopup(label);
            m_popupKick->popup(label->mapToGlobal(pos));
        });
    }
}

void PlayerList::installHandlers(ClientConnection &connection)
{
    for (const char *name : {"CMD_newplayerinfo", "CMD_existingplayers"})
        connection.setHandler(name, [this](const QByteArray &body, int) { newplayerinfo(body); });
    connection.setHandler("CMD_playerdisconnected", [this](const QByteArray &body, int) { playerdisconnected(body); });
}

void PlayerList::newplayerinfo(const QByteArray &body)
{
    // The whole list is read first: a field that is not a number ends the
    // message before anything is shown.
    QList<Record> records;
    wire::FieldReader reader(body);
    while (!reader.atEnd()) {
        Record r;
        r.seat = reader.num();
        r.name = wire::decodeText(reader.field());
        r.watching = reader.fieldOrRest() == "1";
        records << r;
    }
    for (const Record &r : records) {
        if (isSeat(r.seat))
            arrive(r);
    }
    // Once per message, however many players it lists.
    m_hooks.playsounds(QStringLiteral("entered"));
}

void PlayerList::arrive(const Record &r)
{
    const bool me = r.seat == m_state.mynumber;
    if (me) {
        m_hooks.addSystemLine(tr("You are Connected."));
        m_hooks.addSystemLine(tr("Press Ctrl-I to view Quick Instructions."));
        if (m_hooks.ownArrival)
            m_hooks.ownArrival();
    } else {
        m_hooks.addSystemLine(tr("%1 is Connected.").arg(r.name));
    }

    if (m_state.isPlayerSeat(r.seat)) {
        Seat &s = seat(r.seat);
        s.name->setFullText(r.name);
        s.name->show();
        s.score->show();
        if (r.watching)
            s.eyes->show();
    } else {
        m_spylist.addSpy(r.seat, r.name);
        m_hooks.addSystemLine(me ? tr("You are spying.") : tr("%1 is spying.").arg(r.name));
    }
}

void PlayerList::playerdisconnected(const QByteArray &body)
{
    wire::FieldReader reader(body);
    const int n = reader.num();
    const QString name = wire::decodeText(reader.rest());
    if (!isSeat(n))
        return;

    if (m_state.isPlayerSeat(n)) {
        Seat &s = seat(n);
        const QString shown = s.name->fullText();
        const QString computer = QString::fromLatin1(botname(n));
        if (shown != waiting() && shown != computer)
            m_hooks.addSystemLine(tr("%1 disconnected.").arg(shown));
        // The host always plays seat 2, by the computer when nobody sits
        // there.
        s.name->setFullText(n == 2 ? computer : waiting());
        s.eyes->hide();
        return;
    }
    if (m_spylist.removeSpy(QString::number(n) + ": " + name))
        m_hooks.addSystemLine(tr("%1 has left.").arg(name));
}

void PlayerList::label_playername1ContextPopup(QWidget *sender)
{
    const int n = sender->property("tag").toInt();
    for (QAction *item : {m_remove, m_setWatch, m_unsetWatch})
        item->setEnabled(m_state.ishost);
    if (n >= 1 && n <= SeatLabels && seat(n).name->fullText() == waiting())
        m_remove->setEnabled(false);
    m_popupKick->setProperty("tag", n);
}

void PlayerList::RemoveFromGame1Click()
{
    kicking(m_popupKick->property("tag").toInt());
}

void PlayerList::SettoJustWatch1Click()
{
    sendJustWatch(1);
}

void PlayerList::UnsetJustWatch1Click()
{
    sendJustWatch(2);
}

void PlayerList::sendJustWatch(int mode)
{
    const int n = m_popupKick->property("tag").toInt();
    if (m_state.loggedin && m_state.isPlayerSeat(n))
        m_hooks.send(wire::client::justwatch(n, mode));
}

void PlayerList::kicking(int n)
{
    // A number that names no seat would only make the host look outside
    // its table.
    if (m_state.ishost && m_state.loggedin && isSeat(n))
        m_hooks.send(wire::client::kickhim(m_state.mynumber, n));
}
