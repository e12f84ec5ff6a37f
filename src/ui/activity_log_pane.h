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

// At the end of a run whose lines were added since `since` (a LogPosition
// taken before it): shows its last line, the verdict, in the line below the
// log pane of `window`; and when the run logged a note, warning or failure,
// selects the first one, scrolled into view together with the run's last
// line where the pane has room for both, and beeps, so that neither is
// missed among the lines between them.
void ShowRunEnd(uint64_t since, HWND window);

}  // namespace tarvolo

#endif  // TARVOLO_UI_ACTIVITY_LOG_PANE_H_
