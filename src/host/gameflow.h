#pragma once

#include "board.h"
#include "botlevel.h"
#include "expertthinker.h"
#include "randomsource.h"
#include "tagtimer.h"
#include "tilepool.h"

#include <QByteArray>

#include <functional>

class SeatTable;

// The game on the host: starting games, dealing and opening rounds, giving
// the turn from seat to seat, carrying out placements, ending rounds and
// naming the winner, and the computer player that plays every seat without
// an active person.
//
// A plain class owned by TServer, working on TServer's seat table. timer1
// counts the pauses between steps (its Tag holds the pending action) and
// computertimer the computer's pause (its Tag is 1 while a move waits); both
// tick handlers are plain methods that tests call directly.
//
// Implementation files: gameflow.cpp (games, rounds, turns, placements),
// computerplayer.cpp (the computer player, Classic, Strong and Expert; the
// Strong player's choice is strongplayer.cpp's, the Expert's search
// expertplayer.cpp's, run off this thread by ExpertThinker).
class GameFlow
{
public:
    // Origin of the computer player's own placements: trusted like the seat
    // it plays for. Connections have origins 1 to 9 (their seat numbers).
    static constexpr int ComputerOrigin = -1;
    // The game start dialog offers 1 to 10 rounds; a request outside that
    // range is brought into it.
    static constexpr int MinRounds = 1;
    static constexpr int MaxRounds = 10;
    // Rounds of a request whose rounds field is not a number.
    static constexpr int DefaultRounds = 3;
    // timer1's pending actions.
    enum PendingAction { NoAction = 0, NextTurn = 1, NextRound = 2, EndRound = 3 };

    GameFlow(SeatTable &seats, RandomSource &random);
    ~GameFlow();
    GameFlow(const GameFlow &) = delete;
    GameFlow &operator=(const GameFlow &) = delete;

    // The bot speed in milliseconds, asked each time a computer turn begins.
    // Without one, or when it answers 0 or less, the default speed is used.
    void setBotSpeedProvider(std::function<int()> provider) { m_botSpeed = std::move(provider); }
    // How the computer plays, asked at each of its moves: Classic without
    // one.
    void setBotLevelProvider(std::function<BotLevel()> provider) { m_botLevel = std::move(provider); }
    // Seeds the Expert's own random source, from which each of its searches
    // draws its seed; the time of day unless set. The host's random source
    // stays untouched by the Expert.
    void setExpertSeed(std::uint32_t seed) { m_expertRandom.setSeed(seed); }
    // Told when a game starts or ends and when a round starts.
    void setChangeObserver(std::function<void()> observer) { m_changed = std::move(observer); }

    // Message handlers: the body and the seat of the connection it came
    // from. A number field that is not a number throws wire::BadField
    // before anything changes.
    void startgame(const QByteArray &body, int origin);
    void placetile(const QByteArray &body, int origin);

    // Steps of the game.
    void startround();
    void findplayer();
    void endround();
    bool checkforwin();
    void computerplay(int seat);

    // Timer events.
    void timer1Timer();
    void computertimerTimer();

    // A seat that logs in during a game is brought up to date: its hand
    // (player seats only), the board, the round and the scores.
    void bringUpToDate(int seat);
    // Whether the seat holds an open turn that a person is to play: the turn
    // was given and no placement has been made, and no computer move is
    // already on its way for it. Only such a turn is passed on when its
    // player leaves or sits out.
    bool holdsHumanTurn(int seat) const;
    // What a person in the seat may know, all the Expert is given: the
    // board, the seat's own hand, how many tiles each other playing seat
    // holds and whether it passed this round, and the tiles left to draw.
    ExpertView expertView(int seat) const;

    // What the game looks like, for the seats' handlers and for tests.
    bool gamerunning() const { return m_gamerunning; }
    int currentplayer() const { return m_currentplayer; }
    int roundcount() const { return m_roundcount; }
    int numrounds() const { return m_numrounds; }
    bool firsttile() const { return m_firsttile; }
    // The turn of currentplayer was given and no placement made for it yet.
    bool turnOpen() const { return m_turnOpen; }
    const ::board &board() const { return m_board; }
    const tilepool &pool() const { return m_pool; }
    const TagTimer &timer1() const { return m_timer1; }
    const TagTimer &computertimer() const { return m_computertimer; }
    // The Expert's search for the current turn has not answered yet.
    bool expertThinking() const { return m_expert.thinking(); }

private:
    void scheduleAction(PendingAction action, int ticks);
    void startComputerTurn(int seat);
    void cancelComputerMove();
    int botSpeed() const;
    // The Strong player's move for the seat, through placetile.
    void strongplay(int seat);
    BotLevel botLevel() const;
    // The Expert's search for the seat's turn, started when the turn is
    // given so that it thinks during the bot-speed pause.
    void startExpertSearch(int seat);
    // Whatever search is under way, and its answer, are no longer wanted.
    void dropExpertSearch();
    // The pause is up: the Expert's move goes down as soon as its search has
    // answered.
    void expertplay(int seat);
    void expertAnswered(std::optional<ExpertMove> move);
    void placeExpertMove();
    void placeForComputer(int seat, int x, int y, int slot);
    // CMD_showtiles with all seven slots of the seat's hand.
    QByteArray wholeHand(int seat) const;

    SeatTable &m_seats;
    RandomSource &m_random;
    std::function<int()> m_botSpeed;
    std::function<BotLevel()> m_botLevel;
    std::function<void()> m_changed;

    ::board m_board;
    tilepool m_pool;
    bool m_gamerunning = false;
    int m_currentplayer = 0;
    int m_roundcount = 0;
    int m_numrounds = 0;
    bool m_firsttile = false;
    // Placements are taken only while the turn is open, so a seat can never
    // place twice for one turn, and the turn is passed on by hand (leaving,
    // sitting out) only then, when timer1 has nothing pending that would
    // pass it a second time.
    bool m_turnOpen = false;

    TagTimer m_timer1;        // Tag: the pending action
    int m_turncountdown = 0;
    TagTimer m_computertimer; // Tag: 1 while a computer move waits
    int m_botcountdown = 0;
    int m_botSeat = 0;        // the seat whose turn the waiting move is for

    // The Expert: its own random source, the search of the current turn,
    // and the answer of that search once it came.
    RandomSource m_expertRandom;
    bool m_expertDue = false; // the pause is up and the move waits for the search
    std::optional<std::optional<ExpertMove>> m_expertAnswer;
    // Last, so that it is destroyed first: its worker is stopped and joined
    // while everything the answer would touch still exists.
    ExpertThinker m_expert;

    friend class HostProbe;
};
