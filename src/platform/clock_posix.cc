#include <time.h>

#include "platform/clock.h"

namespace tarvolo {

int64_t CurrentUnixTime() { return static_cast<int64_t>(time(nullptr)); }

bool LocalTimeOf(int64_t time, CivilTime* local, bool* daylightSaving) {
  if (time < 0) return false;  // as on Windows, no time before 1970
  const time_t t = static_cast<time_t>(time);
  struct tm fields;
  if (localtime_r(&t, &fields) == nullptr) return false;
  local->year = fields.tm_year + 1900;
  local->month = fields.tm_mon + 1;
  local->day = fields.tm_mday;
  local->hour = fields.tm_hour;
  local->minute = fields.tm_min;
  local->second = fields.tm_sec;
  *daylightSaving = fields.tm_isdst > 0;
  return true;
}

bool MakeLocalTime(const CivilTime& local, bool daylightSaving, int64_t* time) {
  struct tm fields = {};
  fields.tm_year = local.year - 1900;
  fields.tm_mon = local.month - 1;
  fields.tm_mday = local.day;
  fields.tm_hour = local.hour;
  fields.tm_min = local.minute;
  fields.tm_sec = local.second;
  fields.tm_isdst = daylightSaving ? 1 : 0;
  const time_t t = mktime(&fields);
  if (t == static_cast<time_t>(-1)) return false;
  *time = static_cast<int64_t>(t);
  return true;
}

void FormatDdMmYy(const CivilTime& date, char text[7]) {
  const int values[3] = {date.day, date.month, date.year % 100};
  for (int i = 0; i < 3; ++i) {
    text[2 * i] = static_cast<char>('0' + values[i] / 10 % 10);
    text[2 * i + 1] = static_cast<char>('0' + values[i] % 10);
  }
  text[6] = '\0';
}

}  // namespace tarvolo
