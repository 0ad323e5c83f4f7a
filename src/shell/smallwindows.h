#pragma once

#include "gamewindow.h"

// The about window: logo, the maker's address and the version text.
class Tabout : public GameWindow
{
    Q_OBJECT
public:
    explicit Tabout(QWidget *mainWindow = nullptr);
};

// The help window with a page per topic.
class Thelp : public GameWindow
{
    Q_OBJECT
public:
    explicit Thelp(QWidget *mainWindow = nullptr);
};

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
