#include "tonello/library/play_log.h"

#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "platform/core/datetime.h"

namespace qb {

double playLogDate(double startupNow) { return std::floor(startupNow - 0.25); }

std::string playLogFileName(double logDate) {
    const CivilTime c = decodeDateTime(logDate);
    char buf[32];
    std::snprintf(buf, sizeof buf, "Playlog_%04d%02d%02d.log", c.year, c.month, c.day);
    return buf;
}

std::string playLogPath(const std::string& playlistFolder, double logDate) {
    return playlistFolder + "/" + playLogFileName(logDate);
}

bool ensurePlayLog(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

std::string playLogLine(double startTime, bool random, std::string_view interpret, std::string_view titel) {
    const CivilTime c = decodeDateTime(startTime);
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", c.hour, c.minute, c.second);
    std::string line = time;
    line += random ? "R" : " ";
    line += "-> ";
    line.append(interpret).append(" - ").append(titel);
    return line;
}

}  // namespace qb
