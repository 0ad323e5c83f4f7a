// What a hosting copy tells its player of a router that does what a real
// one cannot be made to do on cue: fail to renew, then come back; or take
// seconds to let the port go at exit.

#include "chatpane.h"
#include "chatview.h"
#include "portmapper.h"
#include "programcopy.h"
#include "routerclient.h"
#include "storagepaths.h"

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>

namespace {

// Grants or refuses each round (mapping and pinhole alike) as `grants`
// says, the last answer repeating.
struct ScriptedRouter : RouterClient
{
    explicit ScriptedRouter(std::vector<bool> grants, int unmapMs = 0) : grants(std::move(grants)), unmapMs(unmapMs) {}
    bool grant() const { return grants.at(std::min<size_t>(round, grants.size() - 1)); }
    RouterReply mapPort(quint16, int lease, const QString &) override
    {
        return {grant(), "11.22.33.1", {}, lease, "no answer", false, false};
    }
    QList<PinholeReply> openPinholes(quint16, int lease) override
    {
        const PinholeReply reply{"2001:db8::5", grant(), lease, "no answer", false};
        ++round;
        return {reply};
    }
    void unmapPort(quint16) override { QThread::msleep(unmapMs); }
    QString publicAddress() override { return {}; }
    void closePinholes() override {}
    void forgetRouter() override { ++forgotten; }

    const std::vector<bool> grants;
    const int unmapMs;
    std::atomic<size_t> round = 0;
    std::atomic<int> forgotten = 0;
};

std::unique_ptr<Copy> host(std::unique_ptr<RouterClient> router)
{
    auto copy = std::make_unique<Copy>(QStringList{"Ann", "127.0.0.1", "true"}, freePort());
    copy->program->setRouter(std::move(router));
    copy->program->show();
    return copy;
}

} // namespace

TEST(RouterLines, AFailedRenewalIsToldOnceRetriedEverLessOftenAndToldAgainWhenBack)
{
    auto scripted = std::make_unique<ScriptedRouter>(std::vector{true, false, false, false, true});
    ScriptedRouter &router = *scripted;
    const auto copy = host(std::move(scripted));
    const auto said = [&](const QString &line) {
        return copy->program->chatPane().mainchat()->toPlainText().count(line);
    };
    ASSERT_TRUE(waitUntil([&] { return said("Players with IPv6 can join you at 2001:db8::5.") == 1; }));
    PortMapper &mapper = *copy->program->portMapper();
    // One minute, then two, then four, each time looking for the router
    // anew; back, the renewals are half-hourly again.
    for (const int minutes : {1, 2, 4, 30}) {
        mapper.renewTimerTimeout();
        ASSERT_TRUE(waitUntil([&] { return mapper.renewalIntervalMs() == minutes * 60000; })) << minutes;
    }
    EXPECT_EQ(router.forgotten, 3);
    EXPECT_EQ(said("open (no answer). The game keeps asking it."), 1);
    EXPECT_EQ(said("open for IPv6 (no answer). The game keeps asking it."), 1);
    EXPECT_EQ(said("Players on the internet can join you at 11.22.33.1."), 2);
    EXPECT_EQ(said("Players with IPv6 can join you at 2001:db8::5."), 2);
}

TEST(RouterLines, LeavingHidesTheWindowAndWritesTheTallyBeforeASlowRouterIsWaitedFor)
{
    auto copy = host(std::make_unique<ScriptedRouter>(std::vector{true}, 2000));
    ASSERT_TRUE(waitUntil([&] { return copy->program->portMapper() && copy->program->portMapper()->isOpen(); }));
    QElapsedTimer clock;
    clock.start();
    copy->program->mainWindow().item("Exit1")->trigger();
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_FALSE(copy->program->mainWindow().isVisible());
    EXPECT_TRUE(QFile::exists(copy->folder.filePath(TallyFileName)));
    copy->program.reset();
    EXPECT_GT(clock.elapsed(), 1500) << "the router was not given its time";
}
