#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class ChatPane;
class QToolButton;
class QWidget;
struct ClientState;

// The phrase row above the chat view: `b_phrase1` to `b_phrase9`, each
// posting its phrase (shown as the button's tool-tip) to the chat as an
// action with one click, and `b_phrase10`, the chatter-sound button, whose
// menu belongs to ChatterSounds.
//
// A short lock, kept by the client connection, stops a player from flooding
// the chat with phrases: the main window installs it with setPhraseLock().
class PhraseButtons : public QObject
{
    Q_OBJECT
public:
    static constexpr int Count = 9;
    // The phrases the buttons carry until the settings are read.
    static const std::array<const char *, Count> BuiltIn; // source texts, shown translated

    PhraseButtons(QWidget *panel, ClientState &state, ChatPane &chat, QObject *parent = nullptr);

    // `locked` tells whether a phrase was sent a moment ago; `lock` starts
    // the lock after a phrase has gone out.
    void setPhraseLock(std::function<bool()> locked, std::function<void()> lock);

    // Phrase n, 1 to 9.
    QString phrase(int n) const;
    void setPhrase(int n, const QString &text);
    std::array<QString, Count> phrases() const;

    QToolButton *button(int n) const { return m_buttons.at(n - 1); }
    QToolButton *soundButton() const { return m_soundButton; }

    // A click on b_phrase1 to b_phrase9.
    void b_phraseClick(int n);

private:
    ClientState &m_state;
    ChatPane &m_chat;
    std::array<QToolButton *, Count> m_buttons{};
    QToolButton *m_soundButton = nullptr;
    std::function<bool()> m_locked;
    std::function<void()> m_lock;
};
