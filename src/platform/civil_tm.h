#ifndef TARVOLO_PLATFORM_CIVIL_TM_H_
#define TARVOLO_PLATFORM_CIVIL_TM_H_

#include <time.h>

#include "platform/clock.h"

namespace tarvolo {

// Between the C library's broken-down time and CivilTime, for the clock's
// two implementations.
inline CivilTime CivilFromTm(const struct tm& fields) {
  CivilTime civil;
  civil.year = fields.tm_year + 1900;
  civil.month = fields.tm_mon + 1;
  civil.day = fields.tm_mday;
  civil.hour = fields.tm_hour;
  civil.minute = fields.tm_min;
  civil.second = fields.tm_sec;
  return civil;
}

inline struct tm TmFromCivil(const CivilTime& civil, bool daylightSaving) {
  struct tm fields = {};
  fields.tm_year = civil.year - 1900;
  fields.tm_mon = civil.month - 1;
  fields.tm_mday = civil.day;
  fields.tm_hour = civil.hour;
  fields.tm_min = civil.minute;
  fields.tm_sec = civil.second;
  fields.tm_isdst = daylightSaving ? 1 : 0;
  return fields;
}

}  // namespace tarvolo

#endif  // TARVOLO_PLATFORM_CIVIL_TM_H_
