#ifndef TARVOLO_PLATFORM_CIVIL_DATE_H_
#define TARVOLO_PLATFORM_CIVIL_DATE_H_

#include <cstdint>

namespace tarvolo {

// A day of the Gregorian calendar: month 1-12, day of month 1-31. The clock,
// the statement dates and the command line's days all use this one record.
struct CivilDate {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
};

constexpr bool IsLeapYear(int32_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The length of `month` (1-12) in `year`.
constexpr int32_t DaysInMonth(int32_t year, int32_t month) {
  constexpr int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// A real calendar day (a year of four digits at most).
constexpr bool IsRealDate(const CivilDate& date) {
  return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
         date.day >= 1 && (date.day <= 28 || date.day <= DaysInMonth(date.year, date.month));
}

static_assert(DaysInMonth(2000, 2) == 29 && DaysInMonth(1900, 2) == 28 &&
              DaysInMonth(2024, 12) == 31);

}  // namespace tarvolo

#endif  // TARVOLO_PLATFORM_CIVIL_DATE_H_
