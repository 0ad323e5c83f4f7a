// What the table looks like from outside, and the host's word that it
// changed: the hosting copy announces both to the local network.

#include "hostharness.h"
#include "tablesummary.h"

#include <QSignalSpy>

using TableSummaryTest = HostTest;

TEST_F(TableSummaryTest, CountsLoggedInPeopleAndFreeSeatNumbers)
{
    QSignalSpy changed(&server, &TServer::tableChanged);
    join(1, "Blue");
    join(8, "Eye");
    // A connection that has not logged in holds its number but is nobody.
    probe.occupy(3);
    EXPECT_EQ(summarizeTable(server), (TableSummary{1, 1, 6, false, 0, 0}));
    EXPECT_GE(changed.count(), 3);

    changed.clear();
    server.tempsockInfo(&probe.standInFor(8), TSocketInfo::Close, QStringLiteral("Socket Closed"));
    EXPECT_EQ(summarizeTable(server).watchers, 0);
    EXPECT_EQ(summarizeTable(server).free, 7);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(TableSummaryTest, GameStartRoundsAndTheEndAreTold)
{
    join(1, "Blue");
    QSignalSpy changed(&server, &TServer::tableChanged);
    deliver(1, "CMD_startgame+Blue+2++");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(summarizeTable(server), (TableSummary{1, 0, 8, true, 1, 2}));

    server.game().startround();
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(summarizeTable(server).round, 2);
    // Past the last round with a winner, the game ends.
    probe.seat(1).score = 10;
    server.game().startround();
    EXPECT_EQ(changed.count(), 3);
    EXPECT_FALSE(summarizeTable(server).playing);
}
