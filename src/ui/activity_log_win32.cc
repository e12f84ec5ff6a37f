#include "ui/activity_log_pane.h"

#include <string>

#include "ui/activity_log.h"
#include "ui/resources/resource_ids.h"

namespace tarvolo {

void AppendLog(LogKind kind, const char* text, HWND window) {
  if (text == nullptr) return;
  AddLogEntry(g_activityLog, kind, text);
  // The whole text goes in again with redrawing off, so the pane does not
  // flicker, and then jumps once to the end of the log.
  SendDlgItemMessageA(window, IDC_LOG, WM_SETREDRAW, FALSE, 0);
  SendDlgItemMessageA(window, IDC_LOG, WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(g_activityLog.text.c_str()));
  LRESULT lines = SendDlgItemMessageA(window, IDC_LOG, EM_GETLINECOUNT, 0, 0);
  SendDlgItemMessageA(window, IDC_LOG, EM_LINESCROLL, 0, lines);
  SendDlgItemMessageA(window, IDC_LOG, WM_SETREDRAW, TRUE, 0);
}

void ShowFirstWarning(uint64_t since, HWND window) {
  const size_t start = FindFirstWarning(g_activityLog, since);
  if (start == std::string::npos) return;
  size_t end = g_activityLog.text.find_first_of("\r\n", start);
  if (end == std::string::npos) end = g_activityLog.text.size();
  HWND pane = GetDlgItem(window, IDC_LOG);
  // The line goes to the top of the pane, with the run's later lines below.
  const LRESULT line = SendMessageA(pane, EM_LINEFROMCHAR, start, 0);
  const LRESULT first = SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageA(pane, EM_LINESCROLL, 0, line - first);
  SendMessageA(pane, EM_SETSEL, start, end);
  MessageBeep(MB_ICONWARNING);
}

}  // namespace tarvolo
