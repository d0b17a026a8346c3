#include "platform/core/datetime.h"

#include <gtest/gtest.h>

namespace qb {

TEST(DateTime, KnownDaysRoundTrip) {
    struct Case { int y, m, d; std::int64_t days; };
    for (const Case& c : {Case{1899, 12, 30, 0}, Case{1900, 1, 1, 2}, Case{1970, 1, 1, 25569},
                          Case{2000, 2, 29, 36585}, Case{2026, 12, 11, 46367}}) {
        EXPECT_EQ(daysFromCivil(c.y, c.m, c.d), c.days);
        const CivilTime t = decodeDateTime(static_cast<double>(c.days));
        EXPECT_EQ(t.year, c.y);
        EXPECT_EQ(t.month, c.m);
        EXPECT_EQ(t.day, c.d);
    }
    const double dt = encodeDateTime({2026, 12, 11, 23, 59, 59, 999});
    const CivilTime t = decodeDateTime(dt);
    EXPECT_EQ(t.hour, 23);
    EXPECT_EQ(t.minute, 59);
    EXPECT_EQ(t.second, 59);
    EXPECT_EQ(t.millisecond, 999);
    EXPECT_EQ(formatDateTime(dt), "11.12.2026 23:59:59");
}

}  // namespace qb
