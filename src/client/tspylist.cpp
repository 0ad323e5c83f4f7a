#include "tspylist.h"

// FIXME: the list arrives with the player list feature; until then the
// window carries its caption, size and stays on top.
Tspylist::Tspylist(QWidget *mainWindow)
    : GameWindow(QStringLiteral("spylist"), QStringLiteral("Tavlix - Spys"), QSize(162, 168), mainWindow)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
}
