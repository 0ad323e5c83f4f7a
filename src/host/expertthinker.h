#pragma once

#include "expertplayer.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

// Runs the Expert's search on a worker thread, one search at a time, and
// hands its answer back on the thread that owns the thinker (the host's).
//
// The worker is a std::thread started per search: the search is plain C++
// and needs no event loop, and a thread that exists only while it thinks
// costs nothing between turns. The answer comes back as a queued call to a
// QObject that lives on the owner's thread, so `answer` always runs there,
// from its event loop, never inside start() or drop().
//
// A search whose answer is no longer wanted (drop(), a new start(), the
// thinker destroyed) is told to stop, and whatever it still answers is
// thrown away. The destructor waits for the worker, which stops within one
// playout, so nothing outlives the thinker.
class ExpertThinker
{
public:
    using Answer = std::function<void(std::optional<ExpertMove> move)>;

    explicit ExpertThinker(Answer answer);
    ~ExpertThinker();
    ExpertThinker(const ExpertThinker &) = delete;
    ExpertThinker &operator=(const ExpertThinker &) = delete;

    // Starts a search of the view; drops any search under way.
    void start(const ExpertView &view, std::uint32_t seed);
    // The answer of the search under way is no longer wanted.
    void drop();
    // A search was started and has neither answered nor been dropped.
    bool thinking() const { return m_thinking; }

private:
    void finished(unsigned serial, std::optional<ExpertMove> move);
    void join();

    Answer m_answer;
    QObject m_receiver; // on the owner's thread; queued answers die with it
    std::thread m_worker;
    std::atomic<bool> m_stop{false};
    unsigned m_serial = 0; // of the search whose answer is wanted
    bool m_thinking = false;
};
