#include "messagequeue.h"
#include "protocol.h"

#include <gtest/gtest.h>

using namespace wire;

TEST(Framing, TwoMessagesInOneReadBecomeTwoLines)
{
    LineFramer f;
    const auto lines = f.feed(host::nextplayer(2) + host::roundend());
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "CMD_nextplayer+2+");
    EXPECT_EQ(lines[1], "CMD_roundend+");
    EXPECT_EQ(f.pending(), 0);
}

TEST(Framing, SplitMessageArrivesWhole)
{
    LineFramer f;
    const QByteArray m = host::heplace(2, 20, 5, 4, 5, tile{1, 2, 3, 4});
    EXPECT_TRUE(f.feed(m.left(7)).isEmpty());
    EXPECT_TRUE(f.feed(m.mid(7, 10)).isEmpty());
    const auto lines = f.feed(m.mid(17) + m.left(3));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0] + Terminator, m);
    EXPECT_EQ(f.pending(), 3);
}

TEST(Framing, ByteByByteFeedingGivesTheSameLines)
{
    const QByteArray stream = host::full() + host::roundend() + QByteArray(1, Terminator) + host::winner("A+B");
    LineFramer whole;
    const auto expected = whole.feed(stream);
    LineFramer bytewise;
    QList<QByteArray> got;
    for (char c : stream)
        got += bytewise.feed(QByteArray(1, c));
    EXPECT_EQ(got, expected);
    EXPECT_EQ(got.size(), 4);
}

TEST(Framing, TwoTerminatorsInARowGiveAnEmptyLine)
{
    LineFramer f;
    const auto lines = f.feed(QByteArray("CMD_roundend+\xFF\xFF", 15));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].isEmpty());
}

TEST(Framing, UnterminatedFloodIsBoundedAndFlagged)
{
    LineFramer f;
    const QByteArray chunk(32768, 'x');
    for (int i = 0; i < 32; ++i) { // 1 MiB without a terminator
        f.feed(chunk);
        ASSERT_LE(f.pending(), LineFramer::MaxTail);
    }
    EXPECT_TRUE(f.overflowed());
}

TEST(Framing, ATailJustUnderTheBoundIsKept)
{
    LineFramer f;
    f.feed(QByteArray(LineFramer::MaxTail, 'x'));
    EXPECT_FALSE(f.overflowed());
    const auto lines = f.feed(QByteArray(1, Terminator));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].size(), LineFramer::MaxTail);
}

namespace {

struct Recorder
{
    Dispatcher dispatcher;
    QList<QByteArray> calls;

    Recorder()
    {
        for (const char *name : {"CMD_chat", "CMD_placetile", "CMD_roundend"}) {
            dispatcher.on(name, [this, name](const QByteArray &body, int origin) {
                calls << QByteArray(name) + "|" + body + "|" + QByteArray::number(origin);
            });
        }
        dispatcher.on("CMD_nextplayer", [this](const QByteArray &body, int) {
            FieldReader r(body);
            const int seat = r.num();
            calls << "next " + QByteArray::number(seat);
        });
    }
};

} // namespace

TEST(Dispatch, ExactNamesOnly)
{
    Recorder r;
    EXPECT_TRUE(r.dispatcher.dispatch("CMD_chat+1+hi", 4));
    EXPECT_FALSE(r.dispatcher.dispatch("cmd_chat+1+hi"));
    EXPECT_FALSE(r.dispatcher.dispatch("CMD_chatx+1+hi"));
    EXPECT_FALSE(r.dispatcher.dispatch("CMD_cha+1+hi"));
    EXPECT_FALSE(r.dispatcher.dispatch(""));
    EXPECT_FALSE(r.dispatcher.dispatch("CMD_roundend"));
    EXPECT_FALSE(r.dispatcher.dispatch("+CMD_roundend"));
    EXPECT_EQ(r.calls, QList<QByteArray>{"CMD_chat|1+hi|4"});
}

TEST(Dispatch, EmptyBodyStillReachesItsHandler)
{
    Recorder r;
    EXPECT_TRUE(r.dispatcher.dispatch("CMD_roundend+"));
    EXPECT_EQ(r.calls, QList<QByteArray>{"CMD_roundend||0"});
}

TEST(Dispatch, BadNumberEndsOnlyThatMessage)
{
    Recorder r;
    EXPECT_TRUE(r.dispatcher.dispatch("CMD_nextplayer+x+"));
    EXPECT_TRUE(r.dispatcher.dispatch("CMD_nextplayer+3+"));
    EXPECT_EQ(r.calls, QList<QByteArray>{"next 3"});
}

TEST(Dispatch, OneLinePerTickInArrivalOrder)
{
    Recorder r;
    MessageQueue queue;
    LineFramer f;
    for (const QByteArray &line : f.feed(host::nextplayer(2) + host::roundend()))
        queue.push(line, 7);
    EXPECT_TRUE(r.dispatcher.dispatchNext(queue));
    EXPECT_EQ(r.calls, QList<QByteArray>{"next 2"});
    EXPECT_TRUE(r.dispatcher.dispatchNext(queue));
    EXPECT_EQ(r.calls.last(), "CMD_roundend||7");
    EXPECT_FALSE(r.dispatcher.dispatchNext(queue));
    EXPECT_TRUE(queue.isEmpty());
}

TEST(Dispatch, NamesDeclaredWithoutHandlerAreIgnoredUntilSet)
{
    Dispatcher d;
    QList<QByteArray> calls;
    d.on("CMD_showtiles", {});
    EXPECT_FALSE(d.dispatch("CMD_showtiles+1+2"));
    d.set("CMD_showtiles", [&](const QByteArray &body, int) { calls << body; });
    d.set("CMD_heplace", [&](const QByteArray &body, int) { calls << "h" + body; });
    EXPECT_TRUE(d.dispatch("CMD_showtiles+1+2"));
    EXPECT_TRUE(d.dispatch("CMD_heplace+x"));
    EXPECT_EQ(calls, (QList<QByteArray>{"1+2", "hx"}));
}
