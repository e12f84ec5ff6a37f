#include "ui/activity_log_pane.h"

#include "ui/activity_log.h"
#include "ui/resources/resource_ids.h"

namespace tarvolo {

void AppendLog(const char* text, HWND window) {
  if (text == nullptr) return;
  AddLogEntry(g_activityLog, text);
  // The whole text goes in again with redrawing off, so the pane does not
  // flicker, and then jumps once to the end of the log.
  SendDlgItemMessageA(window, IDC_LOG, WM_SETREDRAW, FALSE, 0);
  SendDlgItemMessageA(window, IDC_LOG, WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(g_activityLog.text.c_str()));
  LRESULT lines = SendDlgItemMessageA(window, IDC_LOG, EM_GETLINECOUNT, 0, 0);
  SendDlgItemMessageA(window, IDC_LOG, EM_LINESCROLL, 0, lines);
  SendDlgItemMessageA(window, IDC_LOG, WM_SETREDRAW, TRUE, 0);
}

}  // namespace tarvolo
