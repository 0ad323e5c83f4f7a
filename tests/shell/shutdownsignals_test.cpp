#include "eventloop.h"
#include "shutdownsignals.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

TEST(ShutdownSignals, TheHandlerLeavesErrnoAsItFoundIt)
{
    ShutdownSignals shutdown;
    int requests = 0;
    QObject::connect(&shutdown, &ShutdownSignals::requested, [&requests] { ++requests; });
    // Far more signals than the pipe holds, so the handler's own write
    // fails too: errno must still be what the interrupted code left there.
    for (int i = 0; i < 5000; ++i) {
        errno = EILSEQ;
        ::raise(SIGHUP);
        ASSERT_EQ(errno, EILSEQ) << "after signal " << i;
    }
    // Every signal that found room arrives on the event loop; none is left
    // in the pipe for a later test.
    int seen = -1;
    while (seen != requests) {
        seen = requests;
        spinFor(50);
    }
    EXPECT_GT(requests, 0);
    EXPECT_LT(requests, 5000) << "the pipe never filled, so the failing write was not exercised";
}
