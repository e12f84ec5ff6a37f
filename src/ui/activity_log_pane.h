#ifndef TARVOLO_UI_ACTIVITY_LOG_PANE_H_
#define TARVOLO_UI_ACTIVITY_LOG_PANE_H_

#include <windows.h>

#include <cstdint>

#include "conversion/values/log_line.h"

namespace tarvolo {

// Adds `text` to the activity log as a line of `kind` and shows the whole
// log in the log pane (control 1001) of `window`, scrolled to its end. A null
// text does nothing.
void AppendLog(LogKind kind, const char* text, HWND window);

// When the log has gained a note, warning or failure since `since` (a
// LogPosition taken before a run), scrolls the log pane of `window` to the
// first one, selects its line and beeps, so that the run's first warning is
// not missed below the lines that follow it.
void ShowFirstWarning(uint64_t since, HWND window);

}  // namespace tarvolo

#endif  // TARVOLO_UI_ACTIVITY_LOG_PANE_H_
