#include "smallwindows.h"

// FIXME: the contents of the game start dialog arrive with the game start
// feature; until then it carries its caption and size.

Tgamestart::Tgamestart(QWidget *mainWindow)
    : GameWindow(QStringLiteral("gamestart"), QStringLiteral("Tavlix - Game Start"), QSize(257, 119), mainWindow)
{
}

void Tgamestart::setRounds(int rounds)
{
    m_rounds = qBound(1, rounds, 10);
}
