#include "chattersounds.h"

#include "chatpane.h"
#include "clientstate.h"
#include "desktop.h"
#include "protocol.h"
#include "uitext.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

namespace {

// Caption and hint of menu item wave<k>, k = 1..20.
//: The chatter sounds menu: each item names a short recorded sound
const char *const SoundCaptions[ChatterSounds::Count] = {
    QT_TRANSLATE_NOOP("ChatterSounds", "Doh"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Cough"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Hello"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Thank You"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Where have you been?"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Snoring"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Sneezing"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Sorry"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Welcome"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Yeehaa"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Yippee"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Oh No"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Applause"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Honk"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Oooh"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Razzberry"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Cheer"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Woman Laughing"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Man Laughing"),
    QT_TRANSLATE_NOOP("ChatterSounds", "Crying"),
};

} // namespace

ChatterSounds::ChatterSounds(QToolButton *button, ClientState &state, Desktop &desktop, ChatPane &chat,
                             QObject *parent)
    : QObject(parent), m_button(button), m_state(state), m_desktop(desktop), m_chat(chat)
{
    m_popup = new QMenu(button);
    m_popup->setObjectName(QStringLiteral("popup_sounds"));
    QAction *cancel = m_popup->addAction(QString());
    UiText::set(cancel, staticMetaObject, QT_TR_NOOP("<Cancel>"));
    cancel->setObjectName(QStringLiteral("Cancel1"));
    for (int k = 1; k <= Count; ++k) {
        QAction *item = m_popup->addAction(QString());
        item->setObjectName(QStringLiteral("wave%1").arg(k));
        const char *caption = SoundCaptions[k - 1];
        UiText::bind(item, 0, [item](const QString &text) {
            item->setText(text);
            item->setToolTip(text);
            item->setStatusTip(text);
        }, "ChatterSounds", caption);
        connect(item, &QAction::triggered, this, [this, k] { waveClick(k); });
    }
    // QToolButton reports a click when the left button is released over it,
    // and for the space key, so the menu is reachable without a mouse too;
    // the other mouse buttons open it on release through eventFilter.
    connect(button, &QToolButton::clicked, this, &ChatterSounds::b_phrase10MouseUp);
    button->installEventFilter(this);
}

bool ChatterSounds::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_button && event->type() == QEvent::MouseButtonRelease) {
        const auto *release = static_cast<QMouseEvent *>(event);
        if (release->button() != Qt::LeftButton && m_button->rect().contains(release->position().toPoint()))
            b_phrase10MouseUp();
    }
    return QObject::eventFilter(watched, event);
}

void ChatterSounds::b_phrase10MouseUp()
{
    m_popup->popup(m_button->mapToGlobal(QPoint(m_button->width(), m_button->height())));
}

void ChatterSounds::waveClick(int k)
{
    if (!m_state.loggedin)
        return;
    m_chat.send(wire::client::playasound(m_state.mynumber, k));
}

void ChatterSounds::playasound(const QByteArray &body)
{
    wire::FieldReader reader(body);
    const std::optional<int> seat = reader.number();
    if (!seat)
        return;
    const QString name = wire::decodeText(reader.fieldOrRest());

    if (!m_playerPhraseSounds || m_playerPhraseSounds()) {
        m_desktop.playSound(name.toLower());
        return;
    }
    const std::optional<QString> sender = seatName(*seat);
    const std::optional<QString> hint = soundHint(name);
    if (sender && hint)
        //: A line in the chat: %1 a player's name, %2 the name of the sound they played
        m_chat.addlinetochat("0+" + tr("%1: <Chatter Sound> %2").arg(*sender, *hint), m_state.systemcolor);
}

std::optional<QString> ChatterSounds::seatName(int seat) const
{
    // Only player seats have an entry in the player list; watchers do not.
    if (!m_state.isPlayerSeat(seat))
        return std::nullopt;
    const QLabel *label = m_button->window()->findChild<QLabel *>(QStringLiteral("label_playername%1").arg(seat));
    if (!label)
        return std::nullopt;
    return label->text();
}

std::optional<QString> ChatterSounds::soundHint(const QString &name) const
{
    // "<Cancel>" has no hint, so it names no sound.
    for (const QAction *item : m_popup->actions()) {
        if (!item->statusTip().isEmpty() && item->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return item->statusTip();
    }
    return std::nullopt;
}
