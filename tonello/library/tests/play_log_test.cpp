#include "tonello/library/play_log.h"

#include <gtest/gtest.h>

#include "platform/core/datetime.h"
#include "platform/core/text.h"
#include "platform/testing/temp_home.h"

namespace qb {
namespace {

double at(int y, int mo, int d, int h, int mi, int s, int ms = 0) {
    return encodeDateTime(CivilTime{y, mo, d, h, mi, s, ms});
}

TEST(PlayLog, LogDateTurnsAtSixInTheMorning) {
    struct Case { double now; const char* name; };
    const Case cases[] = {
        {at(2024, 3, 10, 5, 59, 59, 999), "Playlog_20240309.log"},
        {at(2024, 3, 10, 6, 0, 0), "Playlog_20240310.log"},
        {at(2024, 3, 10, 6, 0, 1), "Playlog_20240310.log"},
        {at(2024, 3, 10, 23, 59, 59), "Playlog_20240310.log"},
        {at(2024, 3, 11, 0, 30, 0), "Playlog_20240310.log"},
        {at(2024, 1, 1, 3, 0, 0), "Playlog_20231231.log"},
        {at(2024, 3, 1, 2, 0, 0), "Playlog_20240229.log"},
    };
    for (const Case& c : cases) {
        const double logDate = playLogDate(c.now);
        EXPECT_EQ(logDate, static_cast<double>(static_cast<long long>(logDate))) << "a whole day";
        EXPECT_EQ(playLogFileName(logDate), c.name) << formatDateTime(c.now);
    }
    EXPECT_EQ(playLogPath("/home/dj/Documents/Orvelia", playLogDate(at(2024, 3, 10, 20, 0, 0))),
              "/home/dj/Documents/Orvelia/Playlog_20240310.log");
}

TEST(PlayLog, LineFormat) {
    const double start = at(2024, 3, 10, 21, 5, 9, 400);
    EXPECT_EQ(playLogLine(start, true, "Artist", "Title"), "21:05:09R-> Artist - Title");
    EXPECT_EQ(playLogLine(at(2024, 3, 11, 0, 7, 3), false, "Die \xC3\x84rzte", "Lied"),
              "00:07:03 -> Die \xC3\x84rzte - Lied");
}

TEST(PlayLog, EnsureCreatesButNeverEmpties) {
    const std::string dir = testing::makeTempDir();
    const std::string path = dir + "/Playlog_20240310.log";
    ASSERT_TRUE(ensurePlayLog(path));
    std::string content = "x";
    ASSERT_TRUE(text::readFile(path, content));
    EXPECT_EQ(content, "");
    ASSERT_TRUE(text::appendCrLfLine(path, "21:05:09R-> A - B"));
    ASSERT_TRUE(ensurePlayLog(path));
    ASSERT_TRUE(text::readFile(path, content));
    EXPECT_EQ(content, "21:05:09R-> A - B\r\n");
    EXPECT_FALSE(ensurePlayLog(dir + "/fehlt/Playlog.log"));
}

}  // namespace
}  // namespace qb
