#pragma once

#include "clientstate.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>

class ClientConnection;
class ElidedLabel;
class QLabel;
class QWidget;
class StartGameButton;

// The course of a game as this client sees it: the seat names, scores and
// bonus points, the turn arrow, the status line, the round count, the score
// popup over an own placement, the winner panel and the start button, and
// the watching eyes with Options > Just Watch.
//
// Every change follows a message from the host; this class computes no
// score and no turn. Its handlers read the whole message before they change
// anything, and a seat number that is not a player seat (1 to 6) never
// indexes a control: such a message, or such a part of it, is ignored.
//
// The controls are children of the main window's `panel_board` and of the
// board's `panel_back`; Qt owns them through those parents.
class RoundView : public QObject
{
    Q_OBJECT
public:
    struct Hooks
    {
        std::function<void()> clearBoard;    // every cell empty and zero
        std::function<void()> clearHand;     // hand cleared and lowered, selectedtile 0
        std::function<void(const QString &name)> playsounds;
        std::function<void(const QString &text)> addSystemLine; // text without the "0+"
        std::function<void(const QByteArray &message)> send;    // a complete message
        std::function<void()> showGameStart;                    // the game start dialog
        std::function<void(const QString &text)> message;       // a modal message box
        std::function<bool()> turnSoundNew;                     // Turn Sound is "New"
        std::function<void(bool checked)> setJustWatchChecked;  // Options > Just Watch
        // The turn alert: whether the main window is the active window, and
        // asking the desktop to draw attention to it.
        std::function<bool()> windowActive;
        std::function<void()> alert;
        // The end of a game on a player's window (never a spectator's):
        // whether this player won, and the winner's name as the host sent
        // it. Unset: nothing recorded.
        std::function<void(bool thisPlayerWon, const QString &winner)> recordTally;
    };

    RoundView(ClientState &state, QWidget *panelBoard, QWidget *backPanel, Hooks hooks, QObject *parent = nullptr);

    // Registers the handlers of this view in the connection's dispatch table.
    void installHandlers(ClientConnection &connection);

    // The status line: a text already in the player's language, or the
    // source text of one that follows every change of language.
    void setStatus(const QString &text);
    void setStatusText(const char *source, const QStringList &arguments = {});
    // A placement was accepted (heplace): the bonus labels, the seat's total
    // and, for points on this player's own placement, the score popup over
    // the cell.
    void showPlacement(int seat, const QString &total, const QString &gain, int column, int row);
    // Scores "0", bonus labels empty, the board empty.
    void clearall();
    // Shows the start button on the hosting player's window, hides it on a
    // joining one.
    void setHostControls(bool hosting);

    // The seat names as received (the labels may show them shortened).
    QString seatName(int seat) const;
    void setSeatName(int seat, const QString &name);

    // Handlers of the host's messages.
    void startthegame(const QByteArray &body);
    void roundstarting(const QByteArray &body);
    void getnextplayer(const QByteArray &body);
    void nomoves(const QByteArray &body);
    void roundend(const QByteArray &body);
    void loadstats(const QByteArray &body);
    void winner(const QByteArray &body);
    void justwatching(const QByteArray &body);

    // Tick of timer_score, and the player's own commands.
    void timer_scoreTimer();
    void button_startClick();
    void JustWatch1Click();

    // Read-only views for tests.
    const QTimer &scoreTimer() const { return m_timerScore; }
    int scoreTimerTag() const { return m_scoreTag; }
    bool justWatching() const { return m_justWatching; }

    //: An empty seat, in place of a player's name
    static constexpr const char *Waiting = QT_TRANSLATE_NOOP("RoundView", "<Waiting>");

private:
    struct Seat
    {
        ElidedLabel *name = nullptr;
        QLabel *score = nullptr;
        QLabel *bonus = nullptr;
        QWidget *eyes = nullptr;
    };

    void createSeatControls(QWidget *panelBoard);
    // A seat's score and last points; their accessible names carry them.
    void setSeatValues(int n, const QString &score, const QString &bonus);
    void nameSeatValues(int n);
    // Shows a source text on an elided label, translated now and after
    // every change of language.
    static void showText(ElidedLabel *label, const char *source, const QStringList &arguments = {});
    void createBoardOverlays(QWidget *backPanel);
    void hidePopup();
    void setWatching(int seat, bool watching);
    Seat &seat(int n) { return m_seats[n - 1]; }
    const Seat &seat(int n) const { return m_seats[n - 1]; }

    ClientState &m_state;
    Hooks m_hooks;
    std::array<Seat, 6> m_seats;
    QWidget *m_turn = nullptr;
    ElidedLabel *m_status = nullptr;
    ElidedLabel *m_numrounds = nullptr;
    QWidget *m_scoreImage = nullptr;
    QLabel *m_scoreLabel = nullptr;
    QWidget *m_winnerPanel = nullptr;
    ElidedLabel *m_winnerLabel = nullptr;
    StartGameButton *m_start = nullptr;
    QTimer m_timerScore;
    int m_scoreTag = 0;
    bool m_justWatching = false;
};
