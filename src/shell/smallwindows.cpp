#include "smallwindows.h"

// FIXME: the contents of these windows arrive with the help, about and game
// start features; until then they carry their caption and size.

Tabout::Tabout(QWidget *mainWindow)
    : GameWindow(QStringLiteral("about"), QStringLiteral("Tavlix - About"), QSize(304, 174), mainWindow)
{
}

Thelp::Thelp(QWidget *mainWindow)
    : GameWindow(QStringLiteral("help"), QStringLiteral("Tavlix - Help File"), QSize(556, 422), mainWindow)
{
}

Tgamestart::Tgamestart(QWidget *mainWindow)
    : GameWindow(QStringLiteral("gamestart"), QStringLiteral("Tavlix - Game Start"), QSize(257, 119), mainWindow)
{
}

void Tgamestart::setRounds(int rounds)
{
    m_rounds = qBound(1, rounds, 10);
}
