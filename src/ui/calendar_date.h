#ifndef TARVOLO_UI_CALENDAR_DATE_H_
#define TARVOLO_UI_CALENDAR_DATE_H_

#include <windows.h>

#include <cstdint>

namespace tarvolo {

// The stored timestamp of the day selected in the month calendar 1012 of
// `window`; 0 when the calendar reports no selection.
int32_t ReadCalendarDate(HWND window);

// Selects in the month calendar 1012 of `window` the day from which `stored`
// was made. A value that cannot be converted leaves the selection as it was.
void ShowCalendarDate(int32_t stored, HWND window);

}  // namespace tarvolo

#endif  // TARVOLO_UI_CALENDAR_DATE_H_
