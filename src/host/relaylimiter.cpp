#include "relaylimiter.h"

#include <algorithm>

bool RelayLimiter::allowLine(qint64 now)
{
    if (m_lastLine) {
        // A clock that goes backwards gives no credit.
        const qint64 elapsed = std::max<qint64>(0, now - *m_lastLine);
        m_credit = std::min(m_credit + elapsed, Burst * RefillMs);
    }
    m_lastLine = now;
    if (m_credit < RefillMs)
        return false;
    m_credit -= RefillMs;
    return true;
}

bool RelayLimiter::allowSound(qint64 now)
{
    if (m_lastSound && now - *m_lastSound < SoundGapMs)
        return false;
    m_lastSound = now;
    return true;
}
