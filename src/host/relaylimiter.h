#pragma once

#include <QtGlobal>

#include <optional>

// The relay allowance of one connection, against floods that would drown
// everyone's chat pane and speakers. Chat and action lines draw on a bucket
// of Burst lines that refills by one every RefillMs; a chatter sound goes
// out at most once every SoundGapMs. What is over the allowance is dropped;
// the connection stays. A person typing, or clicking phrase buttons (which
// lock for a moment after each use), stays well inside it.
//
// Times are milliseconds of a monotonic clock, passed in by the owner.
class RelayLimiter
{
public:
    static constexpr int Burst = 5;
    static constexpr qint64 RefillMs = 500;   // 2 lines a second
    static constexpr qint64 SoundGapMs = 2000;

    // Whether a chat or action line received at `now` may be relayed; if
    // so, it is counted.
    bool allowLine(qint64 now);
    // Whether a chatter sound received at `now` may be relayed; if so, it
    // is counted.
    bool allowSound(qint64 now);

private:
    // The bucket as milliseconds of credit: each line costs RefillMs, and
    // the credit never exceeds a full burst. It starts full.
    qint64 m_credit = Burst * RefillMs;
    std::optional<qint64> m_lastLine;
    std::optional<qint64> m_lastSound;
};
