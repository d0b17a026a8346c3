#pragma once
// The date-time double: days since 30 Dec 1899, time of day as the fraction.
// It is what the list files store in Gespielt and the settings in "Start".

#include <cstdint>
#include <string>

namespace qb {

struct CivilTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Whole days from 30 Dec 1899 to the given date (proleptic Gregorian).
std::int64_t daysFromCivil(int year, int month, int day);
double encodeDateTime(const CivilTime& t);
CivilTime decodeDateTime(double dt);

// Local time now, from the system clock.
double systemNow();

// Conversions between a date-time double and Unix milliseconds, both local
// (no time-zone shift is applied: the double is local time by definition).
double dateTimeFromLocalUnixMs(std::int64_t localMs);

// "dd.mm.yyyy hh:nn:ss", the German default date-time text.
std::string formatDateTime(double dt);

}  // namespace qb
