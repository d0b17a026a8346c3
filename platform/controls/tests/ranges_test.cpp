#include <gtest/gtest.h>

#include "platform/controls/form.h"
#include "platform/controls/ranges.h"

using namespace qb;

namespace {

struct RangeForm : Form {
    RangeForm() : Form("RangeForm") {
        Ls.setRange(0, 127);
        Ls.onChange = [this] { seen.push_back(Ls.position()); };
    }
    TrackBar Ls{this, "Ls"};
    ScrollBar Ueberblend{this, "Ueberblend"};
    ProgressBar Progress{this, "Progress"};
    std::vector<int> seen;
};

}  // namespace

TEST(TrackBar, PositionIsClampedAndEachRealChangeRunsOnChangeOnce) {
    struct Case {
        int set;
        int expect;
    };
    RangeForm f;
    const Case cases[] = {{64, 64}, {500, 127}, {128, 127}, {-3, 0}, {0, 0}, {27, 27}};
    std::vector<int> expectSeen;
    int last = f.Ls.position();
    for (const auto& c : cases) {
        f.Ls.setPosition(c.set);
        EXPECT_EQ(f.Ls.position(), c.expect) << "set " << c.set;
        if (c.expect != last) expectSeen.push_back(c.expect);
        last = c.expect;
    }
    EXPECT_EQ(f.seen, expectSeen);
}

TEST(TrackBar, NarrowingTheRangeMovesThePositionAndTellsOnce) {
    RangeForm f;
    f.Ls.setPosition(100);
    f.seen.clear();
    f.Ls.setMax(90);
    EXPECT_EQ(f.Ls.position(), 90);
    f.Ls.setMin(95);  // a min above max takes max with it
    EXPECT_EQ(f.Ls.min(), 95);
    EXPECT_EQ(f.Ls.max(), 95);
    EXPECT_EQ(f.Ls.position(), 95);
    f.Ls.setRange(10, 200);  // position inside: nothing
    EXPECT_EQ(f.seen, (std::vector<int>{90, 95}));
    f.Ls.setRange(50, 20);
    EXPECT_EQ(f.Ls.max(), 50);
}

TEST(ScrollBarAndProgressBar, ShareTheClampedRange) {
    RangeForm f;
    int changes = 0;
    f.Ueberblend.onChange = [&] { ++changes; };
    f.Ueberblend.setRange(2, 60);
    EXPECT_EQ(f.Ueberblend.position(), 2);
    EXPECT_EQ(changes, 1);
    f.Ueberblend.setPosition(10);
    EXPECT_EQ(changes, 2);
    f.Progress.setMax(5);
    f.Progress.step = 2;
    for (int i = 0; i < 4; ++i) f.Progress.stepIt();
    EXPECT_EQ(f.Progress.position(), 5);
}
