#include "ui/calendar_date.h"

#include <commctrl.h>

#include "conversion/dates.h"
#include "ui/resources/resource_ids.h"

namespace tarvolo {

int32_t ReadCalendarDate(HWND window) {
  SYSTEMTIME day = {};
  if (SendDlgItemMessageA(window, IDC_BALANCE_DATE, MCM_GETCURSEL, 0,
                          reinterpret_cast<LPARAM>(&day)) == 0) {
    return 0;
  }
  return CalendarDayToStoredTimestamp(day.wYear, day.wMonth, day.wDay);
}

void ShowCalendarDate(int32_t stored, HWND window) {
  SYSTEMTIME day = {};
  CivilTime civil;
  if (StoredTimestampToCalendarDay(stored, &civil)) {
    day.wYear = static_cast<WORD>(civil.year);
    day.wMonth = static_cast<WORD>(civil.month);
    day.wDay = static_cast<WORD>(civil.day);
    day.wHour = static_cast<WORD>(civil.hour);
    day.wMinute = static_cast<WORD>(civil.minute);
    day.wSecond = static_cast<WORD>(civil.second);
  }
  // The calendar refuses the all-zero day and keeps the one it shows.
  SendDlgItemMessageA(window, IDC_BALANCE_DATE, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
}

}  // namespace tarvolo
