#ifndef TARVOLO_UI_ACTIVITY_LOG_PANE_H_
#define TARVOLO_UI_ACTIVITY_LOG_PANE_H_

#include <windows.h>

namespace tarvolo {

// Adds `text` to the activity log and shows the whole log in the log pane
// (control 1001) of `window`, scrolled to its end. A null text does nothing.
void AppendLog(const char* text, HWND window);

}  // namespace tarvolo

#endif  // TARVOLO_UI_ACTIVITY_LOG_PANE_H_
