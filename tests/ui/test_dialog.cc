#include "test_dialog.h"

#include <commctrl.h>

#include <cstring>

#include "ui/dialog_proc.h"

namespace tarvolo {

void TestDialog::SetUp() {
  std::memcpy(savedTable_, g_dialogTable, sizeof savedTable_);
  savedSettings_ = g_accountSettings;
  savedLog_ = g_activityLog;
  g_instance = GetModuleHandleA(nullptr);
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);
}

void TestDialog::TearDown() {
  if (window_ != nullptr) DestroyWindow(window_);
  std::memcpy(g_dialogTable, savedTable_, sizeof savedTable_);
  g_accountSettings = savedSettings_;
  g_activityLog = savedLog_;
}

HWND TestDialog::Open(const DialogSlot& slot) {
  g_dialogTable[kSettingsSlot] = slot;
  g_dialogTable[kSettingsSlot].window = nullptr;
  window_ = CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_TEST), nullptr, DialogProc,
                               kSettingsSlot);
  return window_;
}

std::string TestDialog::TextOf(int controlId) const {
  HWND control = GetDlgItem(window_, controlId);
  std::string text(GetWindowTextLengthA(control) + 1, '\0');
  text.resize(GetWindowTextA(control, &text[0], static_cast<int>(text.size())));
  return text;
}

void TestDialog::SetText(int controlId, const char* text) const {
  SetDlgItemTextA(window_, controlId, text);
}

int TestDialog::SelectedDay() const {
  SYSTEMTIME day = {};
  if (!SendDlgItemMessageA(window_, 1012, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&day))) {
    return 0;
  }
  return day.wYear * 10000 + day.wMonth * 100 + day.wDay;
}

void TestDialog::SelectDay(int year, int month, int day) const {
  SYSTEMTIME time = {};
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDay = static_cast<WORD>(day);
  SendDlgItemMessageA(window_, 1012, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&time));
}

}  // namespace tarvolo
