#ifndef TARVOLO_TESTS_UI_TEST_DIALOG_H_
#define TARVOLO_TESTS_UI_TEST_DIALOG_H_

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "settings/account_settings.h"
#include "test_dialog_ids.h"
#include "ui/activity_log.h"
#include "ui/dialog_table.h"

namespace tarvolo {

// Runs the test dialog (template IDD_TEST) through the program's own
// DialogProc as the settings slot, with the test's own slot row; the
// program's tables, profile and log are put back afterwards.
class TestDialog : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the dialog with `slot` in place of the settings row.
  HWND Open(const DialogSlot& slot);

  std::string TextOf(int controlId) const;
  void SetText(int controlId, const char* text) const;
  // The calendar's selected day as year * 10000 + month * 100 + day.
  int SelectedDay() const;
  void SelectDay(int year, int month, int day) const;

  HWND window_ = nullptr;

 private:
  DialogSlot savedTable_[kDialogCount + 1];
  AccountSettings savedSettings_;
  ActivityLog savedLog_;
};

}  // namespace tarvolo

#endif  // TARVOLO_TESTS_UI_TEST_DIALOG_H_
