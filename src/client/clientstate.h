#pragma once

#include "board.h"
#include "colourtext.h"
#include "hand.h"

#include <QString>

// The client's state, one instance per process, owned by the main window and
// shared by reference with every client module (connection, board, rounds,
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

    // The client's copy of the game, filled only from the host's messages.
    ::board board;            // cells drawn on the board view
    ::hand hand;              // this player's seven tiles
    int selectedtile = 0;     // raised hand slot 1..7; 0: none raised
    bool canselect = false;   // hand tiles react to clicks only while true
    QString totalrounds;      // rounds of the game as last announced

    bool isPlayerSeat(int seat) const { return seat >= 1 && seat <= numseats; }
};
