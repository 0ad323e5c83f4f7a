#pragma once

#include "gamewindow.h"
#include "tabout.h"
#include "thelp.h"

// The game start dialog: the number of rounds and the start button.
class Tgamestart : public GameWindow
{
    Q_OBJECT
public:
    explicit Tgamestart(QWidget *mainWindow = nullptr);

    // The number of rounds offered, 1 to 10 (3 at start).
    int rounds() const { return m_rounds; }
    void setRounds(int rounds);

private:
    int m_rounds = 3;
};
