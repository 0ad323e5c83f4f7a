#include "tphrases.h"

// FIXME: the editor's rows arrive with the phrase buttons; until then the
// window carries its caption and size.
Tphrases::Tphrases(QWidget *mainWindow)
    : GameWindow(QStringLiteral("phrases"), QStringLiteral("Tavlix - Phrase Buttons "), QSize(368, 265), mainWindow)
{
}
