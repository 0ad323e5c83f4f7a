#pragma once

#include "gamewindow.h"
#include "tabout.h"
#include "thelp.h"

#include <functional>

class QLineEdit;
class QToolButton;
class StartGameButton;

// The game start dialog: the number of rounds and the start button. The
// rounds box is read-only; only its up-down arrows (or the Up and Down keys
// while it has the focus) change it, from 1 to 10 without wrapping, and Enter
// there starts the game. It keeps its value between openings.
class Tgamestart : public GameWindow
{
    Q_OBJECT
public:
    explicit Tgamestart(QWidget *mainWindow = nullptr);

    // The number of rounds offered, 1 to 10 (3 at start).
    static constexpr int DefaultRounds = 3;
    static int boundedRounds(int rounds);
    int rounds() const { return m_rounds; }
    void setRounds(int rounds);

    // One step of UpDown1: +1 for the up arrow, -1 for the down arrow.
    void UpDown1Click(int step);
    // Asks the host to start (onStart), hides the dialog, then saves the
    // settings (which store the rounds).
    void button_startClick();

    // Sends CMD_startgame with the player's name and this number of rounds.
    std::function<void(int rounds)> onStart;
    std::function<void()> saveinifile;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_rounds = DefaultRounds;
    QLineEdit *m_box = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    StartGameButton *m_start = nullptr;
};
