// The pace of the receive queue: one line per socktimer tick, and no tick's
// wait for a line that finds the queue idle.
#include "hostprobe.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

class ReceiveQueue : public ::testing::Test
{
protected:
    ReceiveQueue()
    {
        // A tick far longer than any test: whatever is handled within the
        // test was handled without waiting for one.
        probe.socktimer().setInterval(3600 * 1000);
    }

    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    RandomSource random{7};
    TServer server{random};
    HostProbe probe{server};
};

TEST_F(ReceiveQueue, ALineThatFindsTheQueueIdleIsHandledWithoutWaitingForATick)
{
    server.enqueue("CMD_unknown+1", 0);
    settle();
    EXPECT_EQ(server.queuedLines(), 0u);
    EXPECT_FALSE(probe.socktimer().isActive());
}

TEST_F(ReceiveQueue, LinesBehindTheFirstStillWaitOneTickEach)
{
    server.enqueue("CMD_unknown+1", 0);
    server.enqueue("CMD_unknown+2", 0);
    server.enqueue("CMD_unknown+3", 0);
    settle();
    EXPECT_EQ(server.queuedLines(), 2u);
    EXPECT_TRUE(probe.socktimer().isActive());

    server.socktimerTimer();
    EXPECT_EQ(server.queuedLines(), 1u);
}

TEST_F(ReceiveQueue, ALineSoonAfterTheLastOneHandledWaitsForTheRestOfThatTick)
{
    server.enqueue("CMD_unknown+1", 0);
    settle();
    ASSERT_EQ(server.queuedLines(), 0u);

    // Handled a moment ago: the next line keeps the pace of one per tick.
    server.enqueue("CMD_unknown+2", 0);
    settle();
    QTest::qWait(20);
    EXPECT_EQ(server.queuedLines(), 1u);
}
