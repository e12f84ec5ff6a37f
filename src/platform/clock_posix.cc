#include <time.h>

#include "platform/civil_tm.h"
#include "platform/clock.h"

namespace tarvolo {

int64_t CurrentUnixTime() { return static_cast<int64_t>(time(nullptr)); }

bool LocalTimeOf(int64_t time, CivilTime* local, bool* daylightSaving) {
  if (time < 0) return false;  // as on Windows, no time before 1970
  const time_t t = static_cast<time_t>(time);
  struct tm fields;
  if (localtime_r(&t, &fields) == nullptr) return false;
  *local = CivilFromTm(fields);
  *daylightSaving = fields.tm_isdst > 0;
  return true;
}

bool MakeLocalTime(const CivilTime& local, bool daylightSaving, int64_t* time) {
  struct tm fields = TmFromCivil(local, daylightSaving);
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
