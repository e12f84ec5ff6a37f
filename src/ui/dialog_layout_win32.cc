#include "ui/dialog_layout.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace tarvolo {
namespace {

// A child's frame in the dialog's client coordinates.
RECT ChildFrame(HWND dialog, HWND child) {
  RECT frame = {};
  GetWindowRect(child, &frame);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&frame), 2);
  return frame;
}

void SetChildFrame(HWND child, const RECT& frame) {
  SetWindowPos(child, nullptr, frame.left, frame.top, frame.right - frame.left,
               frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool HasClass(HWND window, const char* className) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, className) == 0;
}

// Grows `calendar` by what its month needs beyond its room. What lies to its
// right or below moves along, what spans its edge stretches, so that the
// controls keep their places relative to it; the dialog grows by as much,
// about its centre.
void FitCalendar(HWND dialog, HWND calendar) {
  RECT wanted = {};
  if (SendMessageA(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&wanted)) == 0) return;
  // The month's size leaves out the line with today's date.
  const LONG todayWidth = static_cast<LONG>(SendMessageA(calendar, MCM_GETMAXTODAYWIDTH, 0, 0));
  RECT room = {};
  GetClientRect(calendar, &room);
  const LONG dx = std::max(0L, std::max(wanted.right - wanted.left, todayWidth) - room.right);
  const LONG dy = std::max(0L, (wanted.bottom - wanted.top) - room.bottom);
  if (dx == 0 && dy == 0) return;

  const RECT place = ChildFrame(dialog, calendar);
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT frame = ChildFrame(dialog, child);
    if (frame.left >= place.left) {
      frame.left += child == calendar ? 0 : dx;
      frame.right += dx;
    } else if (frame.right >= place.right) {
      frame.right += dx;
    }
    if (frame.top >= place.bottom) {
      frame.top += dy;
      frame.bottom += dy;
    } else if (frame.bottom >= place.bottom) {
      frame.bottom += dy;
    }
    SetChildFrame(child, frame);
  }
  RECT outer = {};
  GetWindowRect(dialog, &outer);
  SetWindowPos(dialog, nullptr, outer.left - dx / 2, outer.top - dy / 2,
               outer.right - outer.left + dx, outer.bottom - outer.top + dy,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsTextLabel(HWND window) {
  if (!HasClass(window, "Static")) return false;
  switch (GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
      return true;
    default:
      return false;
  }
}

// Widens a label whose one line of text is wider than it, towards the side
// its text is not aligned to, so that it keeps its place by its neighbour.
void FitLabel(HWND dialog, HWND label, HDC dc) {
  const int length = GetWindowTextLengthA(label);
  if (length <= 0) return;
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(label, &text[0], length + 1)));
  SIZE needed = {};
  if (!GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &needed)) return;
  RECT room = {};
  GetClientRect(label, &room);
  const LONG grow = needed.cx - room.right;
  if (grow <= 0) return;
  RECT frame = ChildFrame(dialog, label);
  switch (GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK) {
    case SS_RIGHT:
      frame.left -= grow;
      break;
    case SS_CENTER:
      frame.left -= grow / 2;
      frame.right += grow - grow / 2;
      break;
    default:
      frame.right += grow;
  }
  SetChildFrame(label, frame);
}

void FitLabels(HWND dialog) {
  HDC dc = GetDC(dialog);
  if (dc == nullptr) return;
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsTextLabel(child)) FitLabel(dialog, child, dc);
  }
  if (old != nullptr) SelectObject(dc, old);
  ReleaseDC(dialog, dc);
}

// Where a window of `size` starts along one axis of the area from `low` to
// `high`: where it is, moved in as far as needed; at `low` when it is larger
// than the area, so that its caption and its top-left controls stay in reach.
LONG PlaceWithin(LONG start, LONG size, LONG low, LONG high) {
  if (size >= high - low) return low;
  return std::min(std::max(start, low), high - size);
}

bool WorkArea(HWND dialog, RECT* work) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor)) return false;
  *work = monitor.rcWork;
  return true;
}

bool IsPushButton(HWND window) {
  if (!HasClass(window, "Button")) return false;
  const LONG type = GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

HWND FindLogPane(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (HasClass(child, "Edit") && (GetWindowLongA(child, GWL_STYLE) & ES_MULTILINE)) return child;
  }
  return nullptr;
}

struct PlacedChild {
  HWND window;
  RECT frame;
};

// Narrows a dialog wider than its work area by taking the width from its
// multi-line log pane, up to half of it, which loses only line length; the
// controls to the pane's right move along and keep their size. The push
// buttons below the pane close up to one another, down to the smallest gap
// between them, so the pane gives no more than they can close.
void GiveUpLogWidth(HWND dialog) {
  HWND pane = FindLogPane(dialog);
  RECT work = {};
  RECT outer = {};
  if (pane == nullptr || !WorkArea(dialog, &work) || !GetWindowRect(dialog, &outer)) return;
  const LONG excess = (outer.right - outer.left) - (work.right - work.left);
  if (excess <= 0) return;
  const RECT paneFrame = ChildFrame(dialog, pane);
  std::vector<PlacedChild> row;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const RECT frame = ChildFrame(dialog, child);
    if (IsPushButton(child) && frame.top >= paneFrame.bottom) row.push_back({child, frame});
  }
  std::sort(row.begin(), row.end(),
            [](const PlacedChild& a, const PlacedChild& b) { return a.frame.left < b.frame.left; });
  LONG smallestGap = LONG_MAX;
  for (size_t i = 1; i < row.size(); ++i) {
    smallestGap = std::min(smallestGap, std::max(0L, row[i].frame.left - row[i - 1].frame.right));
  }
  // The gaps after each button that stays can close; the buttons right of
  // the pane move with the column and push the others.
  bool anyMoves = false;
  LONG closable = 0;
  for (size_t i = 0; i < row.size(); ++i) {
    if (row[i].frame.left >= paneFrame.right) {
      anyMoves = true;
    } else if (i + 1 < row.size()) {
      closable += std::max(0L, row[i + 1].frame.left - row[i].frame.right - smallestGap);
    }
  }
  if (!anyMoves) closable = LONG_MAX;
  const LONG give = std::min({excess, (paneFrame.right - paneFrame.left) / 2, closable});
  if (give <= 0) return;

  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT frame = ChildFrame(dialog, child);
    if (frame.left >= paneFrame.right) {
      frame.left -= give;
      frame.right -= give;
    } else if (frame.right == paneFrame.right) {
      frame.right -= give;  // the pane, and what spans its width
    } else {
      continue;
    }
    SetChildFrame(child, frame);
  }
  // Right to left, each button keeps at least the smallest gap to the next.
  for (size_t i = row.size(); i-- > 0;) {
    if (row[i].frame.left >= paneFrame.right) {
      OffsetRect(&row[i].frame, -give, 0);
    } else if (i + 1 < row.size()) {
      const LONG over = row[i].frame.right + smallestGap - row[i + 1].frame.left;
      if (over > 0) {
        OffsetRect(&row[i].frame, -over, 0);
        SetChildFrame(row[i].window, row[i].frame);
      }
    }
  }
  SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left - give, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveIntoWorkArea(HWND dialog) {
  RECT work = {};
  if (!WorkArea(dialog, &work)) return;
  RECT frame = {};
  GetWindowRect(dialog, &frame);
  const LONG left = PlaceWithin(frame.left, frame.right - frame.left, work.left, work.right);
  const LONG top = PlaceWithin(frame.top, frame.bottom - frame.top, work.top, work.bottom);
  if (left == frame.left && top == frame.top) return;
  SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void LayOutDialog(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (HasClass(child, MONTHCAL_CLASSA)) FitCalendar(dialog, child);
  }
  // Before the labels widen, so that each still lies wholly on its side of
  // the pane's edge.
  GiveUpLogWidth(dialog);
  FitLabels(dialog);
  MoveIntoWorkArea(dialog);
}

}  // namespace tarvolo
