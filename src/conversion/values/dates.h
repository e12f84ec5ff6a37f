#ifndef TARVOLO_CONVERSION_VALUES_DATES_H_
#define TARVOLO_CONVERSION_VALUES_DATES_H_

#include <cstdint>
#include <string>

#include "platform/clock.h"

namespace tarvolo {

// A balance day D is stored as the instant at which the standard-time clock
// shows 22:59:00 on the day before D: on the local clock that is always the
// day before D, in summer too.

// The instant of 23:59:00 on the standard-time clock on the day before the
// given day; -1 when it is not a 32-bit timestamp.
int32_t DayToTimestamp(int year, int month, int day);

// The stored timestamp of a day chosen in the balance-date calendar:
// DayToTimestamp - 3600 (-3601 for a day that cannot be represented).
int32_t CalendarDayToStoredTimestamp(int year, int month, int day);

// The calendar day from which `stored` was made (year, month and day), and
// the time of day of stored + 3600 on the standard-time clock. False when
// that instant cannot be converted.
bool StoredTimestampToCalendarDay(int32_t stored, CivilTime* day);

// Appends the local date of `timestamp` as "ddMMyy". A timestamp that the
// system cannot convert (a negative one) appends "000000" and returns false.
bool AppendDdMmYy(std::string& text, int32_t timestamp);

// The current moment as a timestamp; 0 when it cannot be converted to local
// time and back.
int32_t CurrentTimestamp();

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_DATES_H_
