#include "ui/dialog_table.h"

#include <gtest/gtest.h>

#include "settings/account_settings.h"
#include "ui/dialog_proc.h"
#include "ui/handlers.h"

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

TEST(DialogTableTest, FindBindingFindsEveryBoundControl) {
  const struct {
    int slot;
    int32_t controlId;
    BindKind kind;
    void* data;
    ControlHandler onClick;
  } cases[] = {
      {kMainSlot, 1002, BindKind::Button, nullptr, StatementExport},
      {kMainSlot, 1000, BindKind::Button, nullptr, OnSelectFiles},
      {kMainSlot, 1009, BindKind::Button, nullptr, OnOpenSettings},
      {kMainSlot, 1011, BindKind::Text, g_accountSettings.openingBalance, nullptr},
      {kMainSlot, 1010, BindKind::Number, &g_accountSettings.statementNumber, nullptr},
      {kMainSlot, 1012, BindKind::Date, &g_accountSettings.balanceDate, nullptr},
      {kMainSlot, 1, BindKind::Button, nullptr, CloseDialog},
      {kSettingsSlot, 1006, BindKind::Button, nullptr, OnSaveSettings},
      {kSettingsSlot, 1007, BindKind::Button, nullptr, CloseDialog},
  };
  for (const auto& c : cases) {
    ControlBinding* binding = FindBinding(&g_dialogTable[c.slot], c.controlId);
    ASSERT_NE(binding, nullptr) << c.controlId;
    EXPECT_EQ(binding->controlId, c.controlId);
    EXPECT_EQ(binding->kind, c.kind) << c.controlId;
    EXPECT_EQ(binding->width, 0);
    EXPECT_EQ(binding->data, c.data) << c.controlId;
    EXPECT_EQ(binding->onClick, c.onClick) << c.controlId;
    EXPECT_EQ(binding->choices, nullptr);
    EXPECT_EQ(binding->onNotify2, nullptr);
  }
  // Escape (2), the settings dialog's edits and the end marker are unbound.
  for (int32_t unbound : {2, 1001, 1005, 1008, 0}) {
    EXPECT_EQ(FindBinding(&g_dialogTable[kMainSlot], unbound), nullptr) << unbound;
  }
  EXPECT_EQ(FindBinding(&g_dialogTable[kSettingsSlot], 1), nullptr);
}

}  // namespace
}  // namespace tarvolo
