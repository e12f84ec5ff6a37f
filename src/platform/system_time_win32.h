#ifndef TARVOLO_PLATFORM_SYSTEM_TIME_WIN32_H_
#define TARVOLO_PLATFORM_SYSTEM_TIME_WIN32_H_

#include <windows.h>

#include "platform/clock.h"

namespace tarvolo {

// The SYSTEMTIME of a wall-clock moment; the day of the week and the
// milliseconds stay 0.
inline SYSTEMTIME SystemTimeOf(const CivilTime& civil) {
  SYSTEMTIME time = {};
  time.wYear = static_cast<WORD>(civil.year);
  time.wMonth = static_cast<WORD>(civil.month);
  time.wDay = static_cast<WORD>(civil.day);
  time.wHour = static_cast<WORD>(civil.hour);
  time.wMinute = static_cast<WORD>(civil.minute);
  time.wSecond = static_cast<WORD>(civil.second);
  return time;
}

}  // namespace tarvolo

#endif  // TARVOLO_PLATFORM_SYSTEM_TIME_WIN32_H_
