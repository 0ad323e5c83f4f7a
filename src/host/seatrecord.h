#pragma once

#include "hand.h"

#include <QByteArray>

class TSock;

// The host's data for one seat number. A record outlives its connections:
// when a player leaves only inuse, name and watching are cleared, so the
// score, the hand and the playing flag pass to whoever gets the number next.
struct seatrecord
{
    QByteArray name;        // from the login, Windows-1252 bytes; empty when nobody logged in
    bool inuse = false;     // a connection holds this seat number
    TSock *sock = nullptr;  // that connection; owned by the listener Sock1
    int score = 0;          // points in the current or last game
    bool watching = false;  // the player sits out and the computer plays the seat
    QByteArray botname;     // the computer player's name for seats 2 to 6
    ::hand hand;            // slots 1 to 7
    bool playing = false;   // takes part in the current game
    bool nomoves = false;   // found without a legal placement in this round
};
