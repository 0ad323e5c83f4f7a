#pragma once

#include "board.h"
#include "hand.h"
#include "strongplayer.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

// The Expert computer player's choice of placement (expertplayer.cpp says
// how it searches). Plain C++ without Qt, so it runs on a worker thread.
//
// ExpertView is everything the Expert may know, and all it is given: what a
// person in its seat sees on the screen, and that every side of every tile
// still to come is drawn at random. The host builds one on its own thread;
// the search never sees another hand, the pool's order or the host at all.
struct ExpertView
{
    // Another seat that plays this round, as everyone sees it.
    struct Seat
    {
        int tiles = 0;       // tiles in its hand
        bool passed = false; // announced without a move this round: stuck for the rest of it
        bool operator==(const Seat &) const = default;
    };
    static constexpr int MaxOthers = 5;

    ::board board;
    ::hand hand; // the Expert's own
    // The other playing seats in turn order, from the one after the
    // Expert's seat on.
    std::array<Seat, MaxOthers> others{};
    int otherCount = 0;
    int poolsize = 0; // tiles left to draw this round

    bool operator==(const ExpertView &) const = default;
};

// A placement: cell and hand slot, as the Strong player answers.
using ExpertMove = StrongMove;

// The placement the Expert makes, the same for the same view and seed.
// Nothing when the hand has no legal placement, or when `stop` was set
// before the search ended (the answer is then no longer wanted). An empty
// board is opened on (5, 5), as every computer seat opens.
std::optional<ExpertMove> expertmove(const ExpertView &view, std::uint32_t seed,
                                     const std::atomic<bool> *stop = nullptr);
