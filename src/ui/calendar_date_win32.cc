#include "ui/calendar_date.h"

#include <commctrl.h>

#include "conversion/values/dates.h"
#include "platform/system_time_win32.h"
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
  if (StoredTimestampToCalendarDay(stored, &civil)) day = SystemTimeOf(civil);
  // The calendar refuses the all-zero day and keeps the one it shows.
  SendDlgItemMessageA(window, IDC_BALANCE_DATE, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
}

}  // namespace tarvolo
