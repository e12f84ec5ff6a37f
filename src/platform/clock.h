#ifndef TARVOLO_PLATFORM_CLOCK_H_
#define TARVOLO_PLATFORM_CLOCK_H_

#include <cstdint>

#include "platform/civil_date.h"

namespace tarvolo {

// A moment on a wall clock: its day, then the time of day.
struct CivilTime : CivilDate {
  int32_t hour = 0;
  int32_t minute = 0;
  int32_t second = 0;
};

// Seconds since 1970-01-01 00:00:00 UTC, now.
int64_t CurrentUnixTime();

// The local clock (daylight saving included) at `time`; false when the
// system cannot convert it (a negative time among others). *daylightSaving
// tells whether daylight saving was in force.
bool LocalTimeOf(int64_t time, CivilTime* local, bool* daylightSaving);

// The instant at which the local clock shows `local`: with daylightSaving
// false the fields are read on the standard-time clock whatever the season.
// Fields out of range are normalised (day 0 is the last day of the month
// before). False when the system cannot convert it.
bool MakeLocalTime(const CivilTime& local, bool daylightSaving, int64_t* time);

// Six characters "ddMMyy" and a NUL, by the system's date formatter.
void FormatDdMmYy(const CivilTime& date, char text[7]);

}  // namespace tarvolo

#endif  // TARVOLO_PLATFORM_CLOCK_H_
