#include "ui/dialog_table.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvolo {
namespace {

TEST(DialogTableTest, FindSlotMatchesOpenDialogsOnly) {
  DialogSlot saved[kDialogCount + 1];
  std::copy(g_dialogTable, g_dialogTable + kDialogCount + 1, saved);
  HWND main = reinterpret_cast<HWND>(0x1000);
  HWND settings = reinterpret_cast<HWND>(0x2000);
  g_dialogTable[kMainSlot].window = main;
  g_dialogTable[kSettingsSlot].window = nullptr;
  EXPECT_EQ(FindSlot(main), &g_dialogTable[kMainSlot]);
  EXPECT_EQ(FindSlot(settings), nullptr);
  // Closed dialogs have no window; a null handle is no dialog either.
  EXPECT_EQ(FindSlot(nullptr), nullptr);
  // The walk ends at the end row, whatever that row holds.
  g_dialogTable[kDialogCount].window = settings;
  EXPECT_EQ(FindSlot(settings), nullptr);
  std::copy(saved, saved + kDialogCount + 1, g_dialogTable);
}

INT_PTR CALLBACK QuietProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// The window class a binding's kind moves its value through.
const char* ClassOf(BindKind kind) {
  switch (kind) {
    case BindKind::CheckBox:
    case BindKind::Button:
      return "Button";
    case BindKind::ComboBox:
      return "ComboBox";
    case BindKind::Number:
    case BindKind::Text:
      return "Edit";
    case BindKind::Date:
      return "SysMonthCal32";
  }
  return "";
}

// Against the dialogs as the program's resources build them: every bound
// control stands in its dialog, of the class its kind needs, and is the one
// FindBinding gives for its id; a control that is not bound has no binding.
TEST(DialogTableTest, BindingsMatchTheControlsOfTheDialogResources) {
  for (int slot = 0; slot < kDialogCount; ++slot) {
    DialogSlot* dialogSlot = &g_dialogTable[slot];
    HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(dialogSlot->templateId), nullptr,
                                     QuietProc, 0);
    ASSERT_NE(dialog, nullptr) << dialogSlot->templateId;
    int bound = 0;
    for (ControlBinding* b = dialogSlot->bindings; b->controlId != 0; ++b, ++bound) {
      HWND control = GetDlgItem(dialog, b->controlId);
      ASSERT_NE(control, nullptr) << b->controlId;
      char className[64] = {};
      GetClassNameA(control, className, sizeof className);
      EXPECT_STRCASEEQ(className, ClassOf(b->kind)) << b->controlId;
      EXPECT_EQ(FindBinding(dialogSlot, b->controlId), b) << b->controlId;
    }
    int found = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      found += FindBinding(dialogSlot, GetDlgCtrlID(child)) != nullptr;
    }
    EXPECT_EQ(found, bound) << dialogSlot->templateId;
    DestroyWindow(dialog);
  }
}

}  // namespace
}  // namespace tarvolo
