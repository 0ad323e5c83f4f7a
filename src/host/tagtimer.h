#pragma once

#include <QTimer>

// A timer that carries one integer for its owner, the way the host's timers
// keep what they are counting down to: timer1 holds its pending action and
// computertimer holds 1 while a computer move waits.
class TagTimer : public QTimer
{
    Q_OBJECT
public:
    using QTimer::QTimer;

    int Tag = 0;
};
