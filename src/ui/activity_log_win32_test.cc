#include "ui/activity_log_pane.h"

#include <string>

#include "test_dialog.h"

namespace tarvolo {
namespace {

class ActivityLogPaneTest : public TestDialog {
 protected:
  void SetUp() override {
    TestDialog::SetUp();
    g_activityLog = ActivityLog();
    ASSERT_NE(Open({nullptr, 1, IDD_TEST, nullptr, nullptr, nullptr}), nullptr);
    pane_ = GetDlgItem(window_, 1001);
  }

  // Whether the pane's last line lies within its visible lines.
  bool LastLineInView() const {
    const LRESULT lines = SendMessageA(pane_, EM_GETLINECOUNT, 0, 0);
    const LRESULT first = SendMessageA(pane_, EM_GETFIRSTVISIBLELINE, 0, 0);
    RECT area;
    SendMessageA(pane_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    HDC dc = GetDC(pane_);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(pane_, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(pane_, dc);
    const LONG visible = (area.bottom - area.top) / metrics.tmHeight;
    return lines - 1 >= first && lines - 1 < first + visible;
  }

  HWND pane_ = nullptr;
};

TEST_F(ActivityLogPaneTest, PaneHoldsTheLogAndShowsItsEnd) {
  // Each entry and the lines it adds as the pane shows them.
  const struct {
    const char* entry;
    const char* shown;
  } entries[] = {
      {"Program slouží k převedení výpisů.\nPoužívání na vlastní zodpovědnost!!!\n\n",
       "Program slouží k převedení výpisů.\r\nPoužívání na vlastní zodpovědnost!!!\r\n"},
      {"Byly vybrány soubory...\n", "Byly vybrány soubory..."},
      {"", ""},
      {"Převádím soubor C:\\data\\a.csv\n", "Převádím soubor C:\\data\\a.csv"},
      {"bez konce řádku", "bez konce řádku"},
  };
  std::string expected;
  bool first = true;
  for (int round = 0; round < 6; ++round) {
    for (const auto& [entry, shown] : entries) {
      if (!first) expected += "\r\n";
      first = false;
      expected += shown;
      AppendLog(LogKind::kInformation, entry, window_);
      ASSERT_EQ(TextOf(1001), expected);
      ASSERT_EQ(g_activityLog.text, expected);
      EXPECT_TRUE(LastLineInView()) << round << ": " << entry;
    }
  }
  // The log is long enough that showing its end means it scrolled.
  EXPECT_GT(SendMessageA(pane_, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(ActivityLogPaneTest, NullTextChangesNothingAndTypingIsNotKept) {
  AppendLog(LogKind::kInformation, "první\n", window_);
  SetText(1001, "napsal uživatel");
  AppendLog(LogKind::kInformation, nullptr, window_);
  EXPECT_EQ(TextOf(1001), "napsal uživatel");
  EXPECT_EQ(g_activityLog.text, "první");

  AppendLog(LogKind::kInformation, "druhý\n", window_);
  EXPECT_EQ(TextOf(1001), "první\r\ndruhý");
}

TEST_F(ActivityLogPaneTest, PaneNeverHoldsMoreThanTheCapacity) {
  const std::string line(497, 'x');
  for (int i = 0; i < 25; ++i) {
    AppendLog(LogKind::kInformation, (line + std::to_string(i % 10) + "\n").c_str(), window_);
  }
  const std::string shown = TextOf(1001);
  EXPECT_EQ(shown, g_activityLog.text);
  EXPECT_LT(shown.size(), kActivityLogCapacity);
  EXPECT_EQ(shown.substr(shown.size() - 2), "x4");  // the newest entry is whole
  EXPECT_TRUE(LastLineInView());
}

}  // namespace
}  // namespace tarvolo
