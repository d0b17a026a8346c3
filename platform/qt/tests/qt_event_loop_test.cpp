#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "platform/core/datetime.h"
#include "platform/qt/qt_event_loop.h"

using namespace qb;

TEST(QtEventLoop, PostedWorkRunsInOrderWhenPendingMessagesAreLetThrough) {
    QtEventLoop loop;
    std::vector<int> ran;
    loop.post([&] { ran.push_back(1); });
    loop.post([&] {
        ran.push_back(2);
        loop.post([&] { ran.push_back(4); });
    });
    loop.post([&] { ran.push_back(3); });
    EXPECT_TRUE(ran.empty());  // not before the handler returns
    loop.processPending();
    loop.processPending();
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 4}));
}

TEST(QtEventLoop, TimersRepeatUntilStoppedFromTheirOwnHandler) {
    QtEventLoop loop;
    int ticks = 0, other = 0;
    EventLoop::TimerId id = 0;
    const std::int64_t start = loop.monotonicMs();
    id = loop.startTimer(20, [&] {
        if (++ticks == 3) {
            loop.stopTimer(id);
            singleShot(loop, 60, [&] { loop.quit(7); });
        }
    });
    const EventLoop::TimerId slow = loop.startTimer(1000, [&] { ++other; });
    EXPECT_EQ(loop.exec(), 7);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(other, 0);
    EXPECT_GE(loop.monotonicMs() - start, 3 * 20 + 60);
    loop.stopTimer(slow);
    loop.stopTimer(slow);  // twice: nothing
}

TEST(QtEventLoop, QuitBeforeExecReturnsAtOnceWithTheCode) {
    QtEventLoop loop;
    loop.quit(3);
    loop.quit(5);  // the first request counts
    EXPECT_EQ(loop.exec(), 3);
    // A dialog's own loop still runs after the request.
    QEventLoop nested;
    bool ran = false;
    QTimer::singleShot(10, &nested, [&] {
        ran = true;
        nested.exit(4);
    });
    EXPECT_EQ(nested.exec(), 4);
    EXPECT_TRUE(ran);
}

TEST(QtEventLoop, ClockAndPause) {
    QtEventLoop loop;
    EXPECT_NEAR(loop.now(), systemNow(), 2.0 / 86400);
    const std::int64_t before = loop.monotonicMs();
    int ran = 0;
    loop.post([&] { ++ran; });
    loop.pause(50);
    EXPECT_GE(loop.monotonicMs() - before, 50);
    EXPECT_EQ(ran, 0);  // nothing runs while the thread sleeps
}
