#include <windows.h>

#include <time.h>

#include "platform/civil_tm.h"
#include "platform/clock.h"
#include "platform/system_time_win32.h"

namespace tarvolo {

int64_t CurrentUnixTime() { return static_cast<int64_t>(_time64(nullptr)); }

bool LocalTimeOf(int64_t time, CivilTime* local, bool* daylightSaving) {
  if (time < 0) return false;
  const __time64_t t = time;
  struct tm fields;
  if (_localtime64_s(&fields, &t) != 0) return false;
  *local = CivilFromTm(fields);
  *daylightSaving = fields.tm_isdst > 0;
  return true;
}

bool MakeLocalTime(const CivilTime& local, bool daylightSaving, int64_t* time) {
  struct tm fields = TmFromCivil(local, daylightSaving);
  const __time64_t t = _mktime64(&fields);
  if (t == -1) return false;
  *time = static_cast<int64_t>(t);
  return true;
}

void FormatDdMmYy(const CivilTime& date, char text[7]) {
  const SYSTEMTIME day = SystemTimeOf(date);
  char formatted[16] = {};
  if (GetDateFormatA(LOCALE_SYSTEM_DEFAULT, 0, &day, "ddMMyy", formatted, sizeof formatted) != 7) {
    lstrcpyA(formatted, "000000");
  }
  lstrcpynA(text, formatted, 7);
}

}  // namespace tarvolo
