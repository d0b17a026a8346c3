#include "platform/core/datetime.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace qb {

namespace {
// Days from 1970-01-01 to y-m-d (H. Hinnant's civil calendar algorithm).
std::int64_t unixDays(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}
constexpr std::int64_t kUnixEpochDay = 25569;  // 1 Jan 1970 as a date-time day
}  // namespace

std::int64_t daysFromCivil(int year, int month, int day) {
    return unixDays(year, month, day) + kUnixEpochDay;
}

double encodeDateTime(const CivilTime& t) {
    const double days = static_cast<double>(daysFromCivil(t.year, t.month, t.day));
    const double ms = ((t.hour * 60.0 + t.minute) * 60.0 + t.second) * 1000.0 + t.millisecond;
    return days + ms / 86400000.0;
}

CivilTime decodeDateTime(double dt) {
    CivilTime c;
    // Round to whole milliseconds first so that 23:59:59.9995 does not show 24:00.
    const auto totalMs = static_cast<std::int64_t>(std::llround(dt * 86400000.0));
    std::int64_t days = totalMs / 86400000;
    std::int64_t msOfDay = totalMs % 86400000;
    if (msOfDay < 0) {
        msOfDay += 86400000;
        --days;
    }
    std::int64_t z = days - kUnixEpochDay + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    c.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    c.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    c.year = static_cast<int>(y + (c.month <= 2));
    c.hour = static_cast<int>(msOfDay / 3600000);
    c.minute = static_cast<int>(msOfDay / 60000 % 60);
    c.second = static_cast<int>(msOfDay / 1000 % 60);
    c.millisecond = static_cast<int>(msOfDay % 1000);
    return c;
}

double dateTimeFromLocalUnixMs(std::int64_t localMs) {
    return static_cast<double>(kUnixEpochDay) + static_cast<double>(localMs) / 86400000.0;
}

double systemNow() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t secs = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&secs, &local);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    CivilTime c{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(ms)};
    return encodeDateTime(c);
}

std::string formatDateTime(double dt) {
    const CivilTime c = decodeDateTime(dt);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d %02d:%02d:%02d", c.day, c.month, c.year,
                  c.hour, c.minute, c.second);
    return buf;
}

}  // namespace qb
