#pragma once

class TServer;

// The table as a newcomer would judge it from outside: who is there and
// whether a game runs. A connection that has not logged in is nobody yet,
// but the seat number it holds is no place a newcomer can take.
struct TableSummary
{
    int players = 0;       // player seats (1 to 6) held by people who logged in
    int watchers = 0;      // watcher seats (7 to 9) held by people who logged in
    int free = 0;          // seat numbers no connection holds
    bool playing = false;
    int round = 0;         // while playing
    int rounds = 0;

    bool operator==(const TableSummary &) const = default;
};

TableSummary summarizeTable(const TServer &server);
