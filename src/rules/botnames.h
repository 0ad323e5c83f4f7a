#pragma once

// The computer players' names, one per player seat 2 to 6. The host gives
// them to its computer player; the client shows them on the seat labels
// when the computer moves there. Seat 1 is the hosting player's own and has
// no computer player.
inline constexpr const char *botnames[] = {"Klot", "Klock", "Kling", "Klick", "Krazy"};

// The computer-player name of a seat, or "" for seat 1 and any number that
// is not a player seat.
constexpr const char *botname(int seat)
{
    return seat >= 2 && seat <= 6 ? botnames[seat - 2] : "";
}
