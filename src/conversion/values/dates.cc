#include "conversion/values/dates.h"

#include <cstdint>

namespace tarvolo {
namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kLargestTimestamp = INT32_MAX;

// Days since 1970-01-01 of a day of the proleptic Gregorian calendar.
int64_t DaysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t days, CivilTime* date) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  date->day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  date->month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  date->year = static_cast<int>(yearOfEra + era * 400 + (date->month <= 2));
}

int64_t SecondsOf(const CivilTime& t) {
  return DaysFromCivil(t.year, t.month, t.day) * kSecondsPerDay + t.hour * 3600 + t.minute * 60 +
         t.second;
}

CivilTime CivilOf(int64_t seconds) {
  int64_t days = seconds / kSecondsPerDay;
  int64_t rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  CivilTime t;
  CivilFromDays(days, &t);
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

// The standard-time clock at `time`: the local clock without the daylight
// saving shift that the system applies there.
bool StandardTimeOf(int64_t time, CivilTime* standard) {
  bool daylightSaving = false;
  if (!LocalTimeOf(time, standard, &daylightSaving)) return false;
  if (!daylightSaving) return true;
  int64_t readAsStandard = 0;
  if (!MakeLocalTime(*standard, false, &readAsStandard)) return false;
  *standard = CivilOf(SecondsOf(*standard) - (readAsStandard - time));
  return true;
}

}  // namespace

int32_t DayToTimestamp(int year, int month, int day) {
  CivilTime dayBefore;
  dayBefore.year = year;
  dayBefore.month = month;
  dayBefore.day = day - 1;  // day 0 is the last day of the month before
  dayBefore.hour = 23;
  dayBefore.minute = 59;
  int64_t time = 0;
  if (!MakeLocalTime(dayBefore, false, &time) || time < 0 || time > kLargestTimestamp) {
    return -1;
  }
  return static_cast<int32_t>(time);
}

int32_t CalendarDayToStoredTimestamp(int year, int month, int day) {
  return DayToTimestamp(year, month, day) - 3600;
}

bool StoredTimestampToCalendarDay(int32_t stored, CivilTime* day) {
  const int64_t oneHourLater = static_cast<int64_t>(stored) + 3600;
  CivilTime standard;
  if (oneHourLater < 0 || !StandardTimeOf(oneHourLater, &standard)) return false;
  CivilFromDays(DaysFromCivil(standard.year, standard.month, standard.day) + 1, day);
  day->hour = standard.hour;
  day->minute = standard.minute;
  day->second = standard.second;
  return true;
}

bool AppendDdMmYy(std::string& text, int32_t timestamp) {
  CivilTime local;
  bool daylightSaving = false;
  if (timestamp < 0 || !LocalTimeOf(timestamp, &local, &daylightSaving)) {
    text += "000000";
    return false;
  }
  char formatted[7];
  FormatDdMmYy(local, formatted);
  text += formatted;
  return true;
}

int32_t CurrentTimestamp() {
  CivilTime local;
  bool daylightSaving = false;
  if (!LocalTimeOf(CurrentUnixTime(), &local, &daylightSaving)) return 0;
  int64_t time = 0;
  if (!MakeLocalTime(local, daylightSaving, &time) || time < 0 || time > kLargestTimestamp) {
    return 0;
  }
  return static_cast<int32_t>(time);
}

}  // namespace tarvolo
