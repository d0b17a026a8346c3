#include "platform/core/virtual_loop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qb {

TEST(VirtualLoop, TimerFiresAtItsIntervalAndNotBefore) {
    VirtualLoop loop;
    std::vector<std::int64_t> fired;
    loop.startTimer(200, [&] { fired.push_back(loop.monotonicMs()); });
    loop.advance(199);
    EXPECT_TRUE(fired.empty());
    loop.advance(401);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{200, 400, 600}));
}

TEST(VirtualLoop, DueTimersRunInOrderOfDueTimeThenStartOrder) {
    VirtualLoop loop(46367.0, 50);  // steps larger than the intervals
    std::string order;
    loop.startTimer(30, [&] { order += 'a'; });
    loop.startTimer(20, [&] { order += 'b'; });
    loop.startTimer(30, [&] { order += 'c'; });
    loop.advance(60);
    // 20 b, 30 a c, 40 b, then a, b and c all at 60 in start order
    EXPECT_EQ(order, "bacbabc");
}

TEST(VirtualLoop, PostedWorkRunsInOrderBeforeTimersAndStopsAreHonoured) {
    VirtualLoop loop;
    std::string log;
    EventLoop::TimerId t = 0;
    t = loop.startTimer(10, [&] {
        log += 'T';
        loop.stopTimer(t);
        loop.post([&] { log += 'p'; });
    });
    loop.post([&] { log += '1'; });
    loop.post([&] { log += '2'; });
    loop.advance(100);
    EXPECT_EQ(log, "12Tp");
}

TEST(VirtualLoop, SingleShotAndPauseAndWallClock) {
    VirtualLoop loop(46367.5);
    int shots = 0;
    singleShot(loop, 1000, [&] { ++shots; });
    std::vector<std::int64_t> ticks;
    loop.addTicker([&](std::int64_t, std::int64_t to) { ticks.push_back(to); });
    loop.pause(250);  // the thread blocks: time and tickers go on, timers wait
    EXPECT_EQ(loop.monotonicMs(), 250);
    EXPECT_FALSE(ticks.empty());
    loop.advance(2000);
    EXPECT_EQ(shots, 1);
    EXPECT_NEAR(loop.now(), 46367.5 + 2250.0 / 86400000.0, 1e-9);
    loop.setNow(46368.0);
    EXPECT_NEAR(loop.now(), 46368.0, 1e-9);
}

TEST(VirtualLoop, RunUntilStopsWhenTheConditionHolds) {
    VirtualLoop loop;
    int n = 0;
    loop.startTimer(100, [&] { ++n; });
    EXPECT_TRUE(loop.runUntil([&] { return n == 3; }, 10000));
    EXPECT_EQ(loop.monotonicMs(), 300);
    EXPECT_FALSE(loop.runUntil([] { return false; }, 500));
    loop.quit(7);
    EXPECT_TRUE(loop.quitRequested());
    EXPECT_EQ(loop.exitCode(), 7);
}

}  // namespace qb
