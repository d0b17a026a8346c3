#pragma once
// The daily play log: "Playlog_yyyymmdd.log" in the playlist folder, one CR LF
// line per logged title. Its date (LogDate) is the date of the moment six hours
// before start-up, fixed for the whole run, so that the log of an evening runs
// on until 06:00 the next morning.

#include <string>
#include <string_view>

namespace qb {

// LogDate: the whole day of (now - 0.25 day), as a date-time double.
double playLogDate(double startupNow);

// "Playlog_" + yyyy + mm + dd + ".log" of a LogDate.
std::string playLogFileName(double logDate);
std::string playLogPath(const std::string& playlistFolder, double logDate);

// Creates the log empty when it does not exist; an existing log is never
// emptied. False when it neither exists nor can be created.
bool ensurePlayLog(const std::string& path);

// "hh:mm:ss" + ("R" when the random box was ticked, else a blank) + "-> " +
// interpret + " - " + titel.
std::string playLogLine(double startTime, bool random, std::string_view interpret, std::string_view titel);

}  // namespace qb
