#pragma once

#include "colourtext.h"

#include <QString>

// The client's state, one instance per process, owned by the main window and
// shared by reference with every client part (connection, board, rounds,
// players, chat). Names follow the game's own vocabulary.
struct ClientState
{
    QString playername;       // command-line parameter 1, or "You" solo
    QString hostaddress;      // parameter 2, or "127.0.0.1" solo
    QString loginname;        // the name sent at login
    bool ishost = false;      // this process also runs the host; never cleared
    bool loggedin = false;    // the host's login request arrived; never cleared
    int mynumber = 0;         // seat number from the host, 1..9
    int whoseturn = 0;        // 0: no placement may be made from this client
    int numseats = 6;         // player seats shown in the main window
    ColourValue systemcolor = ColourBlue; // colour of the client's own notices

    bool isPlayerSeat(int seat) const { return seat >= 1 && seat <= numseats; }
};
