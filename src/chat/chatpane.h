#pragma once

#include "colourtext.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <array>
#include <functional>

class ChatInput;
class ChatView;
class Desktop;
class QAction;
class QMenu;
class QToolButton;
class QWidget;
struct ClientState;

// The chat pane of the main window: the view `mainchat`, the input line
// `mychat` and the picture button `button_smilies`, created as children of
// the panel it is given, together with the chat's menu items and popup menus.
//
// The main window puts textColorAction(), textSizeMenu(),
// scrollChatOffAction() and clearMainChatAction() into its Options menu,
// installs the sender that writes to the game connection, hands received
// chat and action bodies to chatrecieved() and connects settingsChanged() to
// its saveinifile. Every client module writes its notices through
// addlinetochat().
class ChatPane : public QObject
{
    Q_OBJECT

public:
    using Sender = std::function<void(const QByteArray &message)>;

    // The prompt the input line shows until the first key, in the
    // player's language.
    const QString &prompt() const { return m_prompt; }

    ChatPane(QWidget *panel, ClientState &state, Desktop &desktop, QObject *parent = nullptr);

    // Receives each complete message that sendit produces, terminator
    // included. Without a sender nothing is sent.
    void setSender(Sender sender);
    // Hands a complete message to that sender; the chat's other senders
    // (phrase buttons, chatter sounds) go through it too.
    void send(const QByteArray &message) const;

    // Appends "n+body": n is 0 for the client's own notices, else the seat.
    void addlinetochat(const QString &line, ColourValue colour);
    // The body of a received CMD_chat or CMD_action: "n+text|colour text".
    void chatrecieved(const QByteArray &body);
    // Sends the input line as a chat or "/me" action.
    void sendit();

    // Settings: the size applies to all looks and checks the matching
    // "Text Size" item, if any. Neither asks for a save.
    void setTextSize(int points);
    int textSize() const;
    void setChatColour(ColourValue colour);
    ColourValue chatColour() const { return m_chatColour; }

    bool scrollChatOff() const { return m_scrollChatOff; }
    void setScrollChatOff(bool off);

    ChatView *mainchat() const { return m_mainchat; }
    ChatInput *mychat() const { return m_mychat; }
    QToolButton *smiliesButton() const { return m_smilies; }

    // Items for the main window's Options menu.
    QAction *textColorAction() const { return m_textColor; }       // TextColor1
    QMenu *textSizeMenu() const { return m_textSizeMenu; }           // TextSize1
    QAction *scrollChatOffAction() const { return m_scrollOff2; }    // ScrollChatOff2
    QAction *clearMainChatAction() const { return m_clearMainChat1; } // ClearMainChat1

    // Menu and control handlers.
    void TextColor1Click();
    void textSizeClick(int points);
    void ClearMainChat1Click();
    void SelectAll1Click();
    void Copy1Click();
    void Paste1Click();
    void button_smiliesClick();
    void pictureClick(int code);
    void mainchatJump(const QString &target);
    void mychatKeyDown();

signals:
    // A preference changed through a menu; the settings should be saved.
    void settingsChanged();

private:
    void createControls(QWidget *panel);
    void createActions();
    void createMenus(QWidget *panel);
    QAction *newAction(const QString &objectName, const char *text);

    ClientState &m_state;
    Desktop &m_desktop;
    Sender m_send;
    ColourValue m_chatColour = ColourBlack;
    bool m_scrollChatOff = false;

    ChatView *m_mainchat = nullptr;
    ChatInput *m_mychat = nullptr;
    QToolButton *m_smilies = nullptr;

    QAction *m_textColor = nullptr;
    QMenu *m_textSizeMenu = nullptr;
    std::array<QAction *, 4> m_sizeItems{}; // N8, N10, N12, N14
    QAction *m_scrollOff1 = nullptr;
    QAction *m_scrollOff2 = nullptr;
    QAction *m_clearMainChat1 = nullptr;
    QAction *m_clearMainChat2 = nullptr;
    QAction *m_selectAll = nullptr;
    QAction *m_copy = nullptr;
    QAction *m_paste = nullptr;
    QMenu *m_popupMainchat = nullptr;
    QMenu *m_popupMychat = nullptr;
    QMenu *m_popupSmilies = nullptr;
    QString m_prompt;
};
