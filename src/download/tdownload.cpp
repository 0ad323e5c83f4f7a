#include "tdownload.h"

// FIXME: the download itself arrives with the lobby download feature; until
// then the window carries its caption and size.
Tdownload::Tdownload(QWidget *mainWindow)
    : GameWindow(QStringLiteral("download"), QStringLiteral("Download The Orvel Lobby"), QSize(489, 353), mainWindow)
{
}
