#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class ChatPane;
class Desktop;
class QMenu;
class QToolButton;
struct ClientState;

// Chatter sounds: the menu `popup_sounds` ("<Cancel>", then `wave1` to
// `wave20`) under the chatter-sound button, sending the chosen sound to the
// host, and playing the ones the host relays, the player's own included.
//
// Whether relayed sounds play is the "Player Phrase Sounds" switch of the
// main window, read through setPlayerPhraseSounds(); with it off, a system
// line names the sender and the sound instead.
class ChatterSounds : public QObject
{
    Q_OBJECT
public:
    static constexpr int Count = 20;

    ChatterSounds(QToolButton *button, ClientState &state, Desktop &desktop, ChatPane &chat,
                  QObject *parent = nullptr);

    void setPlayerPhraseSounds(std::function<bool()> on) { m_playerPhraseSounds = std::move(on); }

    QMenu *popup() const { return m_popup; }

    // Opens popup_sounds with its top-left corner at the button's
    // bottom-right corner (on release of the button).
    void b_phrase10MouseUp();
    // Menu item wave<k>: sends chatter sound k once logged in.
    void waveClick(int k);
    // The body of a received CMD_playasound: "n+wave<k>+".
    void playasound(const QByteArray &body);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::optional<QString> seatName(int seat) const;
    std::optional<QString> soundHint(const QString &name) const;

    QToolButton *m_button;
    ClientState &m_state;
    Desktop &m_desktop;
    ChatPane &m_chat;
    QMenu *m_popup = nullptr;
    std::function<bool()> m_playerPhraseSounds;
};
