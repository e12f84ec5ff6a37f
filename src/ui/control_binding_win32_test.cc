#include "ui/control_binding.h"

#include <cstring>
#include <string>

#include "test_dialog.h"
#include "ui/dialog_proc.h"

namespace tarvolo {
namespace {

// The data that the test dialog's controls are bound to.
struct BoundData {
  int32_t check;
  int32_t combo;
  int32_t number;
  int8_t byte;
  int32_t noWidth;
  char text[20];
  int32_t date;
  int32_t untouched;
};

BoundData g_data;
int g_clicks;
int g_doubleClicks;
ControlBinding* g_clickedBinding;
int g_checkAnswer;
int g_opens;
int g_closes;
HWND g_closedWindow;

int CountClick(HWND, ControlBinding* binding) {
  ++g_clicks;
  g_clickedBinding = binding;
  return 1;
}
int CountDoubleClick(HWND, ControlBinding*) { return ++g_doubleClicks, 1; }
int AnswerCheck(HWND, ControlBinding*) { return ++g_clicks, g_checkAnswer; }
int CountOpen(HWND) { return ++g_opens, 1; }
int CountClose(HWND window) {
  ++g_closes;
  g_closedWindow = window;
  return 1;
}

ControlBinding g_testBindings[] = {
    {IDC_TEST_CHECK, BindKind::CheckBox, 0, nullptr, &g_data.check, AnswerCheck, nullptr},
    {IDC_TEST_COMBO, BindKind::ComboBox, 0, nullptr, &g_data.combo, nullptr, nullptr},
    {IDC_TEST_NUMBER, BindKind::Number, 0, nullptr, &g_data.number, nullptr, nullptr},
    {IDC_TEST_BYTE, BindKind::Number, 1, nullptr, &g_data.byte, nullptr, nullptr},
    {IDC_TEST_NO_WIDTH, BindKind::Number, 7, nullptr, &g_data.noWidth, nullptr, nullptr},
    {IDC_TEST_TEXT, BindKind::Text, 0, nullptr, g_data.text, nullptr, nullptr},
    {1012, BindKind::Date, 1, nullptr, &g_data.date, nullptr, nullptr},
    {IDC_TEST_BUTTON, BindKind::Button, 0, nullptr, nullptr, CountClick, CountDoubleClick},
    // Kinds without behaviour, bound where they could do harm.
    {IDC_TEST_NUMBER + 100, BindKind{3}, 0, nullptr, &g_data.untouched, CountClick, nullptr},
    {IDC_TEST_TEXT + 100, BindKind{6}, 0, nullptr, &g_data.untouched, CountClick, nullptr},
    {IDC_TEST_CHECK + 100, BindKind{7}, 0, nullptr, &g_data.untouched, CountClick, nullptr},
    {0, BindKind{0}, 0, nullptr, nullptr, nullptr, nullptr},
};

ControlBinding g_emptyBindings[] = {{0, BindKind{0}, 0, nullptr, nullptr, nullptr, nullptr}};

class ControlBindingTest : public TestDialog {
 protected:
  void SetUp() override {
    TestDialog::SetUp();
    std::memset(&g_data, 0, sizeof g_data);
    g_clicks = g_doubleClicks = g_opens = g_closes = 0;
    g_clickedBinding = nullptr;
    g_closedWindow = nullptr;
    g_checkAnswer = 1;
  }

  void OpenWith(ControlBinding* bindings) {
    ASSERT_NE(Open({nullptr, 1, IDD_TEST, CountOpen, CountClose, bindings}), nullptr);
  }

  // DialogProc itself, for its answer: SendMessage would give the dialog
  // manager's.
  INT_PTR Command(int controlId, int code) {
    return DialogProc(window_, WM_COMMAND, MAKEWPARAM(controlId, code),
                      reinterpret_cast<LPARAM>(GetDlgItem(window_, controlId)));
  }
};

TEST_F(ControlBindingTest, NumberStoresTheDigitPlacesOfFiveCharacters) {
  OpenWith(g_testBindings);
  const struct {
    const char* typed;
    int32_t stored;
  } cases[] = {
      {"123", 123}, {"12a", 120}, {"1 2", 102},  {"-5", 5},         {"", 0},
      {"7 ", 70},   {" 7", 7},    {"00042", 42}, {"123456", 12345}, {"99999", 99999},
  };
  for (const auto& c : cases) {
    g_data.number = -1;
    SetText(IDC_TEST_NUMBER, c.typed);
    EXPECT_EQ(StoreControls(window_), 1);
    EXPECT_EQ(g_data.number, c.stored) << '"' << c.typed << '"';
  }
}

TEST_F(ControlBindingTest, NumberShowsPlainDecimal) {
  OpenWith(g_testBindings);
  const struct {
    int32_t stored;
    const char* shown;
  } cases[] = {{0, "0"}, {-7, "-7"}, {120, "120"}, {99999, "99999"}, {INT32_MIN, "-2147483648"}};
  for (const auto& c : cases) {
    g_data.number = c.stored;
    EXPECT_TRUE(LoadControls(window_));
    EXPECT_EQ(TextOf(IDC_TEST_NUMBER), c.shown);
  }
  // -7 shown as "-7" comes back as 7.
  g_data.number = -7;
  LoadControls(window_);
  StoreControls(window_);
  EXPECT_EQ(g_data.number, 7);
}

TEST_F(ControlBindingTest, StorageWidthDecidesWhatIsReadAndWritten) {
  OpenWith(g_testBindings);
  g_data.byte = -7;
  g_data.noWidth = 555;
  LoadControls(window_);
  EXPECT_EQ(TextOf(IDC_TEST_BYTE), "-7");
  EXPECT_EQ(TextOf(IDC_TEST_NO_WIDTH), "0");  // other widths read as 0

  SetText(IDC_TEST_BYTE, "300");  // only the low byte is written
  SetText(IDC_TEST_NO_WIDTH, "42");
  StoreControls(window_);
  EXPECT_EQ(g_data.byte, static_cast<int8_t>(300 & 0xFF));
  EXPECT_EQ(g_data.noWidth, 555);
  EXPECT_EQ(g_data.untouched, 0);
}

TEST_F(ControlBindingTest, TextShowsTheWholeDatumAndStoresFifteenCharacters) {
  OpenWith(g_testBindings);
  std::memcpy(g_data.text, "1234567890.12345678", 20);  // 19 characters
  LoadControls(window_);
  EXPECT_EQ(TextOf(IDC_TEST_TEXT), "1234567890.12345678");
  StoreControls(window_);
  // The first 15 characters and a NUL go over the start; the rest stays.
  EXPECT_EQ(std::string(g_data.text, 20), std::string("1234567890.1234\000678\0", 20));

  // Windows-1250 bytes pass unchanged: "Běžný účet".
  const char czech[] = "B\xEC\x9En\xFD \xFA\xE8\x65t";
  SetText(IDC_TEST_TEXT, czech);
  StoreControls(window_);
  EXPECT_STREQ(g_data.text, czech);

  SetText(IDC_TEST_TEXT, "");
  StoreControls(window_);
  EXPECT_STREQ(g_data.text, "");

  // A datum filled to its end without a NUL shows its 20 characters and not
  // what lies behind it.
  std::memcpy(g_data.text, "12345678901234567890", 20);
  g_data.date = 0x41414141;
  LoadControls(window_);
  EXPECT_EQ(TextOf(IDC_TEST_TEXT), "12345678901234567890");
}

TEST_F(ControlBindingTest, CheckBoxComboBoxAndDate) {
  OpenWith(g_testBindings);
  g_data.check = 1;
  g_data.combo = 3;
  g_data.date = 1456783140;  // 1 March 2016, Central European Time
  LoadControls(window_);
  EXPECT_EQ(SendDlgItemMessageA(window_, IDC_TEST_CHECK, BM_GETCHECK, 0, 0), BST_CHECKED);
  // Without choices the combo box gets no items and nothing is selected.
  EXPECT_EQ(SendDlgItemMessageA(window_, IDC_TEST_COMBO, CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SelectedDay(), 20160301);

  SendDlgItemMessageA(window_, IDC_TEST_CHECK, BM_SETCHECK, BST_UNCHECKED, 0);
  SelectDay(2014, 9, 1);
  StoreControls(window_);
  EXPECT_EQ(g_data.check, 0);
  EXPECT_EQ(g_data.combo, -1);
  EXPECT_EQ(g_data.date, 1409522340);
}

TEST_F(ControlBindingTest, WindowsWithoutATableAreRefused) {
  OpenWith(nullptr);
  EXPECT_FALSE(LoadControls(window_));
  EXPECT_EQ(StoreControls(window_), 0);
  EXPECT_FALSE(LoadControls(GetDesktopWindow()));
  EXPECT_EQ(StoreControls(nullptr), 0);

  g_dialogTable[kSettingsSlot].bindings = g_emptyBindings;
  EXPECT_TRUE(LoadControls(window_));
  EXPECT_EQ(StoreControls(window_), 1);
}

TEST_F(ControlBindingTest, DialogProcOpensAndCallsTheBoundHandlers) {
  OpenWith(g_testBindings);
  EXPECT_EQ(g_dialogTable[kSettingsSlot].window, window_);
  EXPECT_EQ(FindSlot(window_), &g_dialogTable[kSettingsSlot]);
  EXPECT_EQ(g_opens, 1);
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_NE(SendMessageA(window_, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(window_, WM_GETICON, ICON_SMALL, 0), 0);

  const struct {
    int controlId;
    int code;
    int clicks;
    int doubleClicks;
  } cases[] = {
      {IDC_TEST_BUTTON, BN_CLICKED, 1, 0},
      {IDC_TEST_BUTTON, CBN_DBLCLK, 0, 1},
      {IDC_TEST_BUTTON, 1, 0, 0},                 // other notification codes
      {IDC_TEST_NUMBER, BN_CLICKED, 0, 0},        // not a button
      {IDC_TEST_NUMBER + 100, BN_CLICKED, 0, 0},  // kind 3 has no clicks
      {IDCANCEL, BN_CLICKED, 0, 0},               // Escape: nothing bound
      {9999, BN_CLICKED, 0, 0},
  };
  for (const auto& c : cases) {
    g_clicks = g_doubleClicks = 0;
    EXPECT_EQ(Command(c.controlId, c.code), 1);
    EXPECT_EQ(g_clicks, c.clicks) << c.controlId << " " << c.code;
    EXPECT_EQ(g_doubleClicks, c.doubleClicks) << c.controlId << " " << c.code;
  }
  EXPECT_EQ(g_clickedBinding, &g_testBindings[7]);
  EXPECT_EQ(g_dialogTable[kSettingsSlot].window, window_);
  EXPECT_EQ(DialogProc(window_, WM_MOUSEMOVE, 0, 0), 0);  // default handling
}

TEST_F(ControlBindingTest, CheckBoxHandlerThatAnswers0RejectsTheClick) {
  OpenWith(g_testBindings);
  for (int answer : {1, 0}) {
    g_checkAnswer = answer;
    SendDlgItemMessageA(window_, IDC_TEST_CHECK, BM_SETCHECK, BST_CHECKED, 0);
    Command(IDC_TEST_CHECK, BN_CLICKED);
    EXPECT_EQ(SendDlgItemMessageA(window_, IDC_TEST_CHECK, BM_GETCHECK, 0, 0),
              answer ? BST_CHECKED : BST_UNCHECKED);
  }
}

TEST_F(ControlBindingTest, CloseRequestRunsTheCloseHandlerOnce) {
  OpenWith(g_testBindings);
  EXPECT_EQ(DialogProc(window_, WM_CLOSE, 0, 0), 1);
  EXPECT_EQ(g_closes, 1);
  EXPECT_EQ(g_closedWindow, window_);
  EXPECT_EQ(g_dialogTable[kSettingsSlot].window, nullptr);
  EXPECT_EQ(FindSlot(window_), nullptr);
  // A closed dialog has no slot, so a second request does nothing.
  SendMessageA(window_, WM_CLOSE, 0, 0);
  EXPECT_EQ(g_closes, 1);
}

}  // namespace
}  // namespace tarvolo
