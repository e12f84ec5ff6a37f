#include "ui/activity_log_pane.h"

#include <algorithm>
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

namespace {

// How many whole lines the pane shows at once.
LRESULT VisibleLines(HWND pane) {
  RECT area = {};
  SendMessageA(pane, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
  HDC dc = GetDC(pane);
  if (dc == nullptr) return 1;
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(pane, WM_GETFONT, 0, 0));
  HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
  TEXTMETRICA metrics = {};
  const bool measured = GetTextMetricsA(dc, &metrics) && metrics.tmHeight > 0;
  if (old != nullptr) SelectObject(dc, old);
  ReleaseDC(pane, dc);
  if (!measured) return 1;
  return std::max<LRESULT>(1, (area.bottom - area.top) / metrics.tmHeight);
}

std::string LineFrom(const std::string& text, size_t start) {
  const size_t end = text.find_first_of("\r\n", start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

void ShowRunEnd(uint64_t since, HWND window) {
  const std::string& text = g_activityLog.text;
  const size_t last = LastEntryStart(g_activityLog, since);
  SetDlgItemTextA(window, IDC_VERDICT,
                  last == std::string::npos ? "" : LineFrom(text, last).c_str());
  const size_t start = FindFirstWarning(g_activityLog, since);
  if (start == std::string::npos) return;
  HWND pane = GetDlgItem(window, IDC_LOG);
  // The run's last line at the bottom when the first warning still shows
  // above it; otherwise the warning at the top, and the verdict line below
  // the pane tells the end.
  const LRESULT line = SendMessageA(pane, EM_LINEFROMCHAR, start, 0);
  const LRESULT lastLine = SendMessageA(pane, EM_GETLINECOUNT, 0, 0) - 1;
  const LRESULT visible = VisibleLines(pane);
  const LRESULT top =
      lastLine - line < visible ? std::max<LRESULT>(0, lastLine - visible + 1) : line;
  const LRESULT first = SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageA(pane, EM_LINESCROLL, 0, top - first);
  SendMessageA(pane, EM_SETSEL, start, start + LineFrom(text, start).size());
  MessageBeep(MB_ICONWARNING);
}

}  // namespace tarvolo
