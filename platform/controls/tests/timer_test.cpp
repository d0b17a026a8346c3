#include <gtest/gtest.h>

#include "platform/controls/timer.h"
#include "platform/core/virtual_loop.h"

using namespace qb;

TEST(Timer, FiresEveryIntervalFromEnablingAndStopsWhenDisabled) {
    VirtualLoop loop;
    std::vector<std::int64_t> at;
    Timer check(loop, "CheckTimer", 200, false);
    check.onTimer = [&] { at.push_back(loop.monotonicMs()); };
    loop.advance(500);
    EXPECT_TRUE(at.empty());
    check.setEnabled(true);  // at 500
    loop.advance(199);
    EXPECT_TRUE(at.empty());
    loop.advance(401);
    EXPECT_EQ(at, (std::vector<std::int64_t>{700, 900, 1100}));
    check.setEnabled(false);
    loop.advance(1000);
    EXPECT_EQ(at.size(), 3u);
    EXPECT_FALSE(check.running());
}

TEST(Timer, ReenablingAndNewIntervalsStartANewPeriod) {
    VirtualLoop loop;
    std::vector<std::int64_t> at;
    Timer t(loop, "UBcTimer", 100);
    t.onTimer = [&] { at.push_back(loop.monotonicMs()); };
    loop.advance(150);  // 100
    t.setEnabled(true);  // already on: no restart
    t.setInterval(300);  // at 150: next at 450
    loop.advance(350);
    t.setInterval(0);  // stops
    loop.advance(1000);
    t.setInterval(50);
    loop.advance(60);
    EXPECT_EQ(at, (std::vector<std::int64_t>{100, 450, 1550}));
}

TEST(Timer, MayStopOrChangeItselfInItsHandler) {
    VirtualLoop loop;
    int fired = 0;
    Timer once(loop, "StartTimer", 1000);
    once.onTimer = [&] {
        ++fired;
        once.setEnabled(false);
    };
    Timer blend(loop, "BlendTimer", 10);
    std::vector<std::int64_t> at;
    blend.onTimer = [&] {
        at.push_back(loop.monotonicMs());
        blend.setInterval(blend.interval() + 10);
    };
    loop.advance(3000);
    EXPECT_EQ(fired, 1);
    ASSERT_GE(at.size(), 3u);
    EXPECT_EQ(at[0], 10);
    EXPECT_EQ(at[1], 30);
    EXPECT_EQ(at[2], 60);
}

TEST(Timer, DestroyedTimerNeverFires) {
    VirtualLoop loop;
    int fired = 0;
    {
        Timer t(loop, "PostTimer", 100);
        t.onTimer = [&] { ++fired; };
    }
    loop.advance(500);
    EXPECT_EQ(fired, 0);
}
