// The real tarvolo.exe under Wine, driven through its windows: start-up,
// the settings dialog, the file-open dialog, a conversion, and the profile
// file it leaves beside itself.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_driver.h"
#include "settings/account_settings.h"

namespace tarvolo {
namespace {

const char kMainCaption[] = "TARVOLO 1.3 - www.tarvolo.cz";
const char kSettingsCaption[] = "TARVOLO - Nastavení účtu";
const char kNotice[] =
    "Program TARVOLO slouží k převedení výpisů z internetového bankovnictví Servis24 České "
    "spořitelny do formátu ABO použitelného k importu výpisů v účetních programech.\r\n"
    "Používání tohoto programu je na vlastní zodpovědnost!!!\r\n";
// The log after the start: the notice, then the statements read besides
// Servis24's.
const std::string kStart = std::string(kNotice) +
                           "\r\nKromě výpisů Servis24 program rozpozná také výpisy: Fio banka, "
                           "Komerční banka, ČSOB, Raiffeisenbank (kreditní karta), Raiffeisenbank, "
                           "Air Bank, mBank, Moneta Money Bank, UniCredit Bank, Česká spořitelna "
                           "Business 24, Revolut Business, Revolut, Wise, Wise (převody), Stripe, "
                           "Payoneer, SumUp, N26, bunq, PayPal a obecný CSV.";

const char kChooseFiles[] =
    "Nejsou vybrány žádné soubory: vyberte je tlačítkem „Vybrat soubory .csv z IB Servis24“, nic "
    "nebylo zapsáno!!!";
const char kNoAccount[] =
    "Není zadáno číslo účtu: doplňte je v „Nastavení účtu“, výpis nebyl zapsán!!!";

std::string Profile(const char* account, const char* name, const char* balance, int32_t date,
                    int32_t number) {
  AccountSettings record;
  std::memset(&record, 0, sizeof record);
  std::memcpy(record.accountNumber, account, std::strlen(account));
  std::memcpy(record.accountName, name, std::strlen(name));
  std::memcpy(record.openingBalance, balance, std::strlen(balance));
  record.balanceDate = date;
  record.statementNumber = number;
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

// The standard-time offset east of UTC, from the system's zone.
int64_t StandardOffset() {
  TIME_ZONE_INFORMATION zone = {};
  GetTimeZoneInformation(&zone);
  return -static_cast<int64_t>(zone.Bias + zone.StandardBias) * 60;
}

// A day D is stored as 22:59:00 standard time on the day before D.
int32_t StoredDay(int day) {
  const int64_t days = DaysFromCivil(day / 10000, day / 100 % 100, day % 100);
  return static_cast<int32_t>(days * 86400 - 3660 - StandardOffset());
}

int64_t UnixNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const int64_t ticks = (static_cast<int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return ticks / 10000000 - 11644473600LL;
}

// The day that the calendar shows after a start at `unixTime`: the day after
// the date that one hour later has on the standard-time clock.
int StartUpDay(int64_t unixTime) {
  const int64_t standard = unixTime + 3600 + StandardOffset();
  return CivilFromDays(standard / 86400 + 1);
}

std::string TodayDdMmYy() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[7];
  wsprintfA(text, "%02d%02d%02d", now.wDay, now.wMonth, now.wYear % 100);
  return text;
}

// The program reads the clock once while it acts, between the test's reads
// before and after; across midnight these give two days, and either is
// right. Gives the expected value that `actual` matches, else the one of
// before, for the failure to show.
template <typename T>
T OneOfTheDays(const T& actual, const T& before, const T& after) {
  return actual == after ? after : before;
}

std::string Folder(const char* name) { return g_driverPaths.work + "\\" + name; }

// A statement of the golden statement's header line and the given lines of
// it, whose records are known.
bool WriteStatement(const std::string& path, std::initializer_list<int> items) {
  const std::string csv = ReadWholeFileBytes(g_driverPaths.data + "\\records.csv");
  std::vector<std::string> lines;
  for (size_t start = 0; start < csv.size();) {
    const size_t end = csv.find("\r\n", start);
    if (end == std::string::npos) return false;
    lines.push_back(csv.substr(start, end - start + 2));
    start = end + 2;
  }
  if (lines.size() != 8) return false;
  std::string statement = lines[0];
  for (int item : items) statement += lines[item];
  return WriteWholeFileBytes(path, statement);
}

// The statement of items 1 and 2 (b.csv's only item 7 does not read whole,
// which leaves it out) for account 2000145399 "Běžný účet",
// balance 1000.50 on 31 August 2014, statement number 120, written on the
// day `today` (DDMMYY).
std::string ExpectedExport(const std::string& today) {
  const std::string records = ReadWholeFileBytes(g_driverPaths.data + "\\records.txt");
  // Seven data lines, the blank one without a record.
  if (records.size() != 6u * 130) return "records.txt is not 6 records";
  const std::string header = std::string("074") + "0000002000145399" + "Běžný účet          " +
                             "310814" + "00000000100050+" + "00000002476600+" + "00000000123450" +
                             "0" + "00000002500000" + "0" + "120" + today + std::string(14, ' ') +
                             "\r\n";
  return header + records.substr(0, 260);
}

const char kVerdictOfOneWarning[] = "Pozor: 1 upozornění, zkontrolujte je před importem!!!";

// The log of converting a.csv and b.csv into that statement in the folder
// `out`. Item 7's amount 1,234,50 is no Servis24 amount, the only row of
// b.csv, so the row is named and left out and the run ends with a warning.
std::string ConversionLog(const std::string& a, const std::string& b, const std::string& out) {
  return "\r\nPřevádím soubor " + a + "\r\nSoubor " + a +
         ": čten jako Servis24, převedeno 2 položek, řádků souboru 3: hlavička a úvod 1, s "
         "položkou 2\r\nPřevádím soubor " +
         b + "\r\nSoubor " + b +
         ", řádek 2: částku \"1,234,50\" nelze přečíst celou, řádek vynechán!!!\r\nSoubor " + b +
         ": čten jako Servis24, převedeno 0 položek, řádků souboru 2: hlavička a úvod 1, "
         "vynechané 1"
         "\r\nNačteno 2 položek, starý zůstatek 1000.50 Kč, nový 24766.00 Kč"
         "\r\nCelkem příchozí platby 25000.00 Kč, odchozí platby 1234.50 Kč"
         "\r\nPárování příchozích plateb výpisu účtu 2000145399 v CZK: 1 plateb, 1 s VS, 0 s VS "
         "jen ve zprávě, 0 bez použitelného VS"
         "\r\nZapsán soubor " +
         out + "\\export.gpc\r\nZapsán soubor " + out + "\\export.xml\r\nKontrola souboru " + out +
         "\\export.gpc: v pořádku\r\nKontrola souboru " + out + "\\export.xml: v pořádku\r\n" +
         kVerdictOfOneWarning;
}

// Whether the character at `at` of the log pane lies within its visible
// lines.
bool InView(HWND pane, size_t at) {
  const LRESULT line = SendMessageA(pane, EM_LINEFROMCHAR, at, 0);
  if (line < SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0)) return false;
  const int top = static_cast<short>(HIWORD(SendMessageA(pane, EM_POSFROMCHAR, at, 0)));
  RECT area = {};
  GetClientRect(pane, &area);
  return top >= area.top && top < area.bottom;
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = Folder(name);
    ASSERT_TRUE(MakeFreshFolder(folder_)) << folder_;
    settingsPath_ = folder_ + "\\tarvolo.cfg";
  }

  HWND StartMain() {
    EXPECT_TRUE(program_.Start(folder_));
    HWND main = program_.WaitWindow(kMainCaption);
    EXPECT_NE(main, nullptr);
    return main;
  }

  HWND OpenSettings(HWND main) {
    ProgramDriver::ClickLater(main, 1009);
    HWND settings = program_.WaitWindow(kSettingsCaption);
    EXPECT_NE(settings, nullptr);
    return settings;
  }

  std::string folder_;
  std::string settingsPath_;
  ProgramDriver program_;
};

TEST_F(ProgramTest, FirstStartShowsTheNoticeAndEnterEndsAndSaves) {
  const int64_t before = UnixNow();
  HWND main = StartMain();
  const int64_t after = UnixNow();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(ProgramDriver::ControlText(main, 1001), kStart);
  EXPECT_EQ(ProgramDriver::ControlText(main, 1011), "");
  EXPECT_EQ(ProgramDriver::ControlText(main, 1010), "0");
  const int shown = program_.CalendarDay(main, 1012);
  EXPECT_EQ(shown, OneOfTheDays(shown, StartUpDay(before), StartUpDay(after)));
  EXPECT_FALSE(FileExists(settingsPath_));

  // The focus starts on "Ukončit", so Enter ends the program.
  HWND focus = program_.FocusedWindow();
  EXPECT_EQ(focus, GetDlgItem(main, 1));
  ProgramDriver::PressKey(focus, VK_RETURN);
  EXPECT_EQ(program_.WaitExit(), 0);
  EXPECT_EQ(ReadWholeFileBytes(settingsPath_), Profile("", "", "", StoredDay(shown), 0));
}

TEST_F(ProgramTest, StoredProfileShowsAndTheCloseBoxSavesWhatIsShown) {
  // 19 characters of balance and a negative statement number, as a profile
  // written elsewhere might hold them; 1 December 2014.
  ASSERT_TRUE(WriteWholeFileBytes(
      settingsPath_,
      Profile("19-2000145399", "Hlavní účet", "1234567890.12345678", StoredDay(20141201), -7)));
  HWND main = StartMain();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(ProgramDriver::ControlText(main, 1011), "1234567890.12345678");
  EXPECT_EQ(ProgramDriver::ControlText(main, 1010), "-7");
  EXPECT_EQ(program_.CalendarDay(main, 1012), 20141201);

  PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(program_.WaitExit(), 0);
  // Only 15 characters of the balance come back, over the start of its
  // field; -7 shown as "-7" comes back as 7.
  std::string expected =
      Profile("19-2000145399", "Hlavní účet", "1234567890.1234", StoredDay(20141201), 7);
  std::memcpy(&expected[36 + 16], "678", 3);
  EXPECT_EQ(ReadWholeFileBytes(settingsPath_), expected);
}

// One working session: the settings dialog, Escape, a cancelled selection,
// a conversion of nothing, then two statements chosen in another folder
// through the file dialog and converted.
TEST_F(ProgramTest, SettingsSelectionAndConversion) {
  const std::string statements = folder_ + "\\statements";
  ASSERT_TRUE(MakeFreshFolder(statements));
  ASSERT_TRUE(WriteStatement(statements + "\\a.csv", {1, 2}));
  ASSERT_TRUE(WriteStatement(statements + "\\b.csv", {7}));
  const std::string initial = Profile("", "", "", StoredDay(20150101), 3);
  ASSERT_TRUE(WriteWholeFileBytes(settingsPath_, initial));

  HWND main = StartMain();
  ASSERT_NE(main, nullptr);

  // The settings dialog: a second click brings the open one to the front.
  HWND settings = OpenSettings(main);
  ASSERT_NE(settings, nullptr);
  ProgramDriver::Click(main, 1009);
  EXPECT_EQ(program_.CountWindows(kSettingsCaption), 1);
  EXPECT_EQ(ProgramDriver::ControlText(settings, 1008), "");
  EXPECT_EQ(ProgramDriver::ControlText(settings, 1005), "");

  // "Uložit" keeps 15 and 19 characters and writes the file at once.
  ProgramDriver::SetControlText(settings, 1008, "12345678901234567890");
  ProgramDriver::SetControlText(settings, 1005, "Účet s velmi dlouhým názvem");
  ProgramDriver::Click(settings, 1006);
  EXPECT_TRUE(program_.WaitGone(settings));
  const std::string saved =
      Profile("123456789012345", "Účet s velmi dlouhý", "", StoredDay(20150101), 3);
  EXPECT_EQ(ReadWholeFileBytes(settingsPath_), saved);

  // "Zrušit" and the close box change nothing.
  for (bool closeBox : {false, true}) {
    settings = OpenSettings(main);
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(ProgramDriver::ControlText(settings, 1008), "123456789012345");
    EXPECT_EQ(ProgramDriver::ControlText(settings, 1005), "Účet s velmi dlouhý");
    ProgramDriver::SetControlText(settings, 1008, "zahodit");
    ProgramDriver::SetControlText(settings, 1005, "zahodit");
    if (closeBox) {
      PostMessageA(settings, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
      ProgramDriver::Click(settings, 1007);
    }
    EXPECT_TRUE(program_.WaitGone(settings));
    EXPECT_EQ(ReadWholeFileBytes(settingsPath_), saved);
  }

  settings = OpenSettings(main);
  ASSERT_NE(settings, nullptr);
  ProgramDriver::SetControlText(settings, 1008, "2000145399");
  ProgramDriver::SetControlText(settings, 1005, "Běžný účet");
  EXPECT_TRUE(SaveScreenshot("settings_dialog.png"));
  ProgramDriver::Click(settings, 1006);
  EXPECT_TRUE(program_.WaitGone(settings));

  // Escape does nothing: the click queued behind it still finds the main
  // dialog and opens the file dialog, which is then cancelled.
  ProgramDriver::PressKey(GetDlgItem(main, 1), VK_ESCAPE);
  ProgramDriver::ClickLater(main, 1000);
  HWND files = program_.WaitFileDialog();
  ASSERT_NE(files, nullptr);
  EXPECT_TRUE(IsWindowVisible(main));
  // The main dialog stays usable, but a second selection does not start
  // while the first one is open.
  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutA(GetDlgItem(main, 1000), BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &answer),
            0);
  EXPECT_EQ(program_.CountWindows(nullptr), 1);
  ProgramDriver::ClickLater(files, IDCANCEL);
  std::string log = kStart + "\r\nNení nic vybráno!!!";
  EXPECT_TRUE(ProgramDriver::WaitTextEnds(main, 1001, log));

  // Nothing selected: the hint to choose files, and no file.
  ProgramDriver::Click(main, 1002);
  log += std::string("\r\n") + kChooseFiles;
  EXPECT_EQ(ProgramDriver::ControlText(main, 1001), log);
  EXPECT_EQ(ProgramDriver::ControlText(main, 1013), kChooseFiles);
  EXPECT_FALSE(FileExists(folder_ + "\\export.gpc"));
  EXPECT_FALSE(FileExists(statements + "\\export.gpc"));

  ProgramDriver::SetControlText(main, 1011, "1000.50");
  ProgramDriver::SetControlText(main, 1010, "12a");
  program_.SetCalendarDay(main, 1012, 2014, 9, 1);

  // In the file dialog: the folder first, then the two names.
  ProgramDriver::ClickLater(main, 1000);
  files = program_.WaitFileDialog();
  ASSERT_NE(files, nullptr);
  // An Edit in a ComboBox (Wine's older dialog), or in a ComboBox in a
  // ComboBoxEx32 (common controls 6, as on Windows).
  HWND nameBox = GetDlgItem(files, 0x47C);
  while (nameBox != nullptr && !ProgramDriver::HasClass(nameBox, "Edit")) {
    nameBox = GetWindow(nameBox, GW_CHILD);
  }
  ASSERT_NE(nameBox, nullptr);
  ProgramDriver::TypeInto(nameBox, statements);
  ProgramDriver::Click(files, IDOK);
  ASSERT_TRUE(WaitFor([&] { return ProgramDriver::Text(nameBox).empty(); }))
      << "the file dialog did not open the folder";
  ProgramDriver::TypeInto(nameBox, "\"a.csv\" \"b.csv\"");
  ProgramDriver::ClickLater(files, IDOK);
  log += "\r\nByly vybrány 2 soubory ve složce " + statements + ": a.csv, b.csv";
  EXPECT_TRUE(ProgramDriver::WaitTextEnds(main, 1001, log));

  const std::string before = TodayDdMmYy();
  ProgramDriver::Click(main, 1002);
  const std::string after = TodayDdMmYy();
  log += ConversionLog(statements + "\\a.csv", statements + "\\b.csv", statements);
  EXPECT_EQ(ProgramDriver::ControlText(main, 1001), log);
  EXPECT_EQ(ProgramDriver::ControlText(main, 1013), kVerdictOfOneWarning);
  // The pane shows the run's first warning, selected, with the run's last
  // line below it where both fit, else at its top, as much of the run after
  // it as the pane holds.
  HWND pane = GetDlgItem(main, 1001);
  const size_t warning = log.rfind("\r\n", log.find("!!!", log.find("\r\nPřevádím"))) + 2;
  EXPECT_EQ(LOWORD(SendMessageA(pane, EM_GETSEL, 0, 0)), warning);
  EXPECT_TRUE(InView(pane, warning));
  EXPECT_TRUE(InView(pane, log.size() - 1) || SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0) ==
                                                  SendMessageA(pane, EM_LINEFROMCHAR, warning, 0));
  EXPECT_TRUE(SaveScreenshot("main_dialog.png"));

  // Beside the statements, not beside the program.
  EXPECT_FALSE(FileExists(folder_ + "\\export.gpc"));
  const std::string written = ReadWholeFileBytes(statements + "\\export.gpc");
  // The same statement as camt.053 beside it, of the same run.
  const std::string xml = ReadWholeFileBytes(statements + "\\export.xml");
  EXPECT_NE(xml.find("<Stmt>"), std::string::npos);
  size_t entries = 0;
  for (size_t at = xml.find("<Ntry>"); at != std::string::npos; at = xml.find("<Ntry>", at + 1)) {
    ++entries;
  }
  EXPECT_EQ(entries, 2u);
  EXPECT_EQ(written, OneOfTheDays(written, ExpectedExport(before), ExpectedExport(after)));

  ProgramDriver::ClickLater(main, 1);
  EXPECT_EQ(program_.WaitExit(), 0);
  // Texts go with their NUL over the start of their fields, the rest of a
  // field keeps what was there; "12a" is stored as 120, the calendar's day
  // as its stored timestamp.
  std::string final = saved;
  std::memcpy(&final[0], "2000145399", 11);
  std::memcpy(&final[16], "Běžný účet", 11);
  std::memcpy(&final[36], "1000.50", 8);
  const int32_t numbers[] = {1409522340, 120};
  std::memcpy(&final[56], numbers, sizeof numbers);
  EXPECT_EQ(ReadWholeFileBytes(settingsPath_), final);
}

// Statements of two folders, dropped onto the main dialog with a folder
// between them, or named on the command line as Explorer names the files
// dropped onto the program's icon; both are converted into "export.gpc" in
// the first file's folder.
TEST_F(ProgramTest, DroppedFilesAndFilesGivenAtStartAreConverted) {
  const std::string january = folder_ + "\\leden";
  const std::string february = folder_ + "\\unor";
  struct Case {
    std::vector<std::string> arguments;
    std::vector<std::string> dropped;
    std::string selectionLog;
  } cases[] = {
      {{january + "\\a.csv", "unor\\b.csv"}, {}, ""},
      {{},
       {january + "\\a.csv", february, february + "\\b.csv"},
       "\r\nSložka " + february + " nebyla vybrána, vyberte soubory v ní!!!"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(MakeFreshFolder(january));
    ASSERT_TRUE(MakeFreshFolder(february));
    ASSERT_TRUE(WriteStatement(january + "\\a.csv", {1, 2}));
    ASSERT_TRUE(WriteStatement(february + "\\b.csv", {7}));
    ASSERT_TRUE(WriteWholeFileBytes(
        settingsPath_, Profile("2000145399", "Běžný účet", "1000.50", StoredDay(20140901), 120)));

    ProgramDriver program;
    ASSERT_TRUE(program.Start(folder_, c.arguments));
    HWND main = program.WaitWindow(kMainCaption);
    ASSERT_NE(main, nullptr);
    if (!c.dropped.empty()) {
      // What tells Explorer that the dialog takes files.
      EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
      ASSERT_TRUE(ProgramDriver::WaitTextEnds(main, 1001, kStart));
      program.DropFiles(main, c.dropped);
    }
    std::string log = kStart + c.selectionLog + "\r\nByly vybrány 2 soubory: " + january +
                      "\\a.csv, " + february + "\\b.csv";
    EXPECT_TRUE(ProgramDriver::WaitTextEnds(main, 1001, log));
    EXPECT_EQ(ProgramDriver::ControlText(main, 1001), log);

    const std::string before = TodayDdMmYy();
    ProgramDriver::Click(main, 1002);
    const std::string after = TodayDdMmYy();
    log += ConversionLog(january + "\\a.csv", february + "\\b.csv", january);
    EXPECT_EQ(ProgramDriver::ControlText(main, 1001), log);
    const std::string written = ReadWholeFileBytes(january + "\\export.gpc");
    EXPECT_EQ(written, OneOfTheDays(written, ExpectedExport(before), ExpectedExport(after)));
    EXPECT_FALSE(FileExists(folder_ + "\\export.gpc"));
    ProgramDriver::ClickLater(main, 1);
    EXPECT_EQ(program.WaitExit(), 0);
  }
}

// The screen scale that programs read at their start (Wine's LogPixels),
// and the desktop's size in pixels (none: as it is); both put back at the end.
class ScreenScale {
 public:
  ScreenScale(DWORD dpi, SIZE desktop) {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                    KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr);
    DWORD size = sizeof saved_;
    hadValue_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(&saved_), &size) == ERROR_SUCCESS;
    RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                   sizeof dpi);
    if (desktop.cx > 0) {
      DEVMODEA mode = {};
      mode.dmSize = sizeof mode;
      mode.dmPelsWidth = desktop.cx;
      mode.dmPelsHeight = desktop.cy;
      mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
      changed_ = ChangeDisplaySettingsA(&mode, 0) == DISP_CHANGE_SUCCESSFUL;
    }
  }
  ~ScreenScale() {
    if (changed_) ChangeDisplaySettingsA(nullptr, 0);
    if (hadValue_) {
      RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&saved_),
                     sizeof saved_);
    } else {
      RegDeleteValueA(key_, "LogPixels");
    }
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
  DWORD saved_ = 0;
  bool hadValue_ = false;
  bool changed_ = false;
};

// Whether `dialog` lies wholly in the work area of its monitor.
bool InWorkArea(HWND dialog) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONULL), &monitor)) return false;
  const RECT& work = monitor.rcWork;
  RECT frame = {};
  GetWindowRect(dialog, &frame);
  return frame.left >= work.left && frame.right <= work.right && frame.top >= work.top &&
         frame.bottom <= work.bottom;
}

// The controls of `dialog` that reach out of its client area or that cover
// another control (a group box holds its controls), each followed by "|".
std::string ControlsOutOfPlace(HWND dialog) {
  RECT client = {};
  GetClientRect(dialog, &client);
  std::string wrong;
  std::vector<std::pair<HWND, RECT>> placed;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT frame = {};
    GetWindowRect(child, &frame);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&frame), 2);
    const std::string name = std::to_string(GetDlgCtrlID(child)) + " " + ProgramDriver::Text(child);
    if (frame.left < 0 || frame.top < 0 || frame.right > client.right ||
        frame.bottom > client.bottom) {
      wrong += name + " outside|";
    }
    if ((GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
        ProgramDriver::HasClass(child, "Button")) {
      continue;
    }
    placed.push_back({child, frame});
  }
  for (size_t i = 0; i < placed.size(); ++i) {
    for (size_t k = i + 1; k < placed.size(); ++k) {
      RECT common = {};
      if (IntersectRect(&common, &placed[i].second, &placed[k].second)) {
        wrong += std::to_string(GetDlgCtrlID(placed[i].first)) + " covers " +
                 std::to_string(GetDlgCtrlID(placed[k].first)) + "|";
      }
    }
  }
  return wrong;
}

// The labels of `dialog` narrower than their text in the dialogs' font,
// Tahoma 8 at `dpi`, each followed by "|".
std::string CutLabels(HWND dialog, DWORD dpi) {
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontA(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           EASTEUROPE_CHARSET, 0, 0, 0, 0, "Tahoma");
  HGDIOBJ old = SelectObject(dc, font);
  std::string cut;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string text = ProgramDriver::Text(child);
    if (!ProgramDriver::HasClass(child, "Static") || text.empty()) continue;
    SIZE needed = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &needed);
    RECT room = {};
    GetClientRect(child, &room);
    if (needed.cx > room.right) cut += text + "|";
  }
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return cut;
}

// Both dialogs at 100, 150 and 200 % on screens of 1280 x 1024 and
// 1920 x 1080, and at 150 % on 1024 x 768: each lies in the work area with
// its controls whole and apart, the calendar has the room it asks for and
// every label its text's width. Where the screen has the room, their size
// grows with the scale (the program tells the system it draws sharp text
// itself); where it has not, the log pane gave up width. The screenshots
// stay in the work folder.
TEST_F(ProgramTest, DialogsScaleWithTheScreen) {
  const struct {
    DWORD dpi;
    SIZE desktop;
    bool roomy;  // the main dialog fits as it is drawn at this scale
  } cases[] = {
      {96, {1280, 1024}, true},  {144, {1280, 1024}, true}, {192, {1280, 1024}, false},
      {96, {1920, 1080}, true},  {144, {1920, 1080}, true}, {192, {1920, 1080}, true},
      {144, {1024, 768}, false},
  };
  SIZE base = {};
  for (const auto& c : cases) {
    const std::string name = std::to_string(c.desktop.cx) + "x" + std::to_string(c.desktop.cy) +
                             "_" + std::to_string(c.dpi * 100 / 96);
    ScreenScale scale(c.dpi, c.desktop);
    ProgramDriver program;
    ASSERT_TRUE(program.Start(folder_));
    HWND main = program.WaitWindow(kMainCaption);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), c.desktop.cx) << name;
    EXPECT_TRUE(SaveScreenshot("main_dialog_" + name + ".png", main));
    ProgramDriver::ClickLater(main, 1009);
    HWND settings = program.WaitWindow(kSettingsCaption);
    ASSERT_NE(settings, nullptr);

    RECT client = {};
    GetClientRect(main, &client);
    if (c.dpi == 96) base = {client.right, client.bottom};
    // Fonts do not grow exactly with the scale; a tenth either way.
    const double expected = c.dpi / 96.0;
    if (c.roomy) {
      EXPECT_NEAR(client.right / static_cast<double>(base.cx), expected, expected / 10) << name;
    } else {
      EXPECT_LT(client.right / static_cast<double>(base.cx), expected) << name;
    }
    EXPECT_NEAR(client.bottom / static_cast<double>(base.cy), expected, expected / 10) << name;
    const SIZE wanted = program.CalendarMinimum(main, 1012);
    RECT room = {};
    GetClientRect(GetDlgItem(main, 1012), &room);
    RECT frame = {};
    GetWindowRect(main, &frame);
    std::printf("%s: main dialog %ldx%ld at %ld,%ld, calendar %ldx%ld asks for %ldx%ld\n",
                name.c_str(), frame.right - frame.left, frame.bottom - frame.top, frame.left,
                frame.top, room.right, room.bottom, wanted.cx, wanted.cy);
    EXPECT_GT(wanted.cx, 0) << name;
    EXPECT_GE(room.right, wanted.cx) << name;
    EXPECT_GE(room.bottom, wanted.cy) << name;
    for (HWND dialog : {main, settings}) {
      EXPECT_TRUE(InWorkArea(dialog)) << name;
      EXPECT_EQ(CutLabels(dialog, c.dpi), "") << name;
      EXPECT_EQ(ControlsOutOfPlace(dialog), "") << name;
    }
    EXPECT_TRUE(SaveScreenshot("settings_dialog_" + name + ".png", settings));

    ProgramDriver::Click(settings, 1007);
    EXPECT_TRUE(program.WaitGone(settings));
    ProgramDriver::ClickLater(main, 1);
    EXPECT_EQ(program.WaitExit(), 0);
  }
}

// Writes two statements of Fio's layout in which two rows have a day that
// does not exist, so that a run warns about them; their paths.
std::vector<std::string> StatementsWithWarnings(const std::string& folder) {
  std::string statement = ReadWholeFileBytes(g_driverPaths.data + "\\layouts\\fio.csv");
  const size_t last = statement.find("\"26093472455\";\"30.09.2014\"");
  if (last == std::string::npos) return {};
  const std::string goodDay = statement.substr(last, statement.find('\n', last) + 1 - last);
  std::string badDay = goodDay;
  badDay.replace(15, 2, "32");
  // Few enough unreadable rows that the file is still read as Fio's.
  for (int row = 0; row < 2; ++row) statement += badDay + goodDay;
  const std::vector<std::string> files = {folder + "\\a.csv", folder + "\\b.csv"};
  for (const std::string& file : files) {
    if (!WriteWholeFileBytes(file, statement)) return {};
  }
  return files;
}

// Whether the label `controlId` of `dialog` shows its whole text: visible,
// within the dialog and as wide as its text in its font.
bool ShowsWholeText(HWND dialog, int controlId) {
  HWND label = GetDlgItem(dialog, controlId);
  if (label == nullptr || !IsWindowVisible(label)) return false;
  const std::string text = ProgramDriver::Text(label);
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
  SIZE needed = {};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &needed);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  RECT room = {};
  GetClientRect(label, &room);
  return needed.cx <= room.right &&
         ControlsOutOfPlace(dialog).find(" outside") == std::string::npos;
}

// A run with warnings about both of its statements, at 100, 150 and 200 %:
// the log pane shows the run's first warning, selected, though many lines
// follow it, and the line below the pane the run's last line, the count of
// its warnings.
TEST_F(ProgramTest, RunWithWarningsShowsItsFirstWarningAndItsVerdict) {
  const std::vector<std::string> files = StatementsWithWarnings(folder_);
  ASSERT_EQ(files.size(), 2u);
  for (DWORD dpi : {96, 144, 192}) {
    ASSERT_TRUE(WriteWholeFileBytes(
        settingsPath_, Profile("2000145399", "Běžný účet", "125430.50", StoredDay(20140901), 1)));
    ScreenScale scale(dpi, {1280, 1024});
    ProgramDriver program;
    ASSERT_TRUE(program.Start(folder_, files));
    HWND main = program.WaitWindow(kMainCaption);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(ProgramDriver::WaitTextEnds(main, 1001, "b.csv"));
    ProgramDriver::Click(main, 1002);

    const std::string log = ProgramDriver::ControlText(main, 1001);
    size_t warning = log.find("\r\nPřevádím soubor");
    size_t end = warning;
    while (end != std::string::npos) {
      warning = end + 2;
      end = log.find("\r\n", warning);
      const std::string line = log.substr(warning, end - warning);
      if (line.size() > 3 && line.compare(line.size() - 3, 3, "!!!") == 0) break;
    }
    ASSERT_NE(end, std::string::npos) << log;
    const std::string about = "Soubor " + files[0] + ", řádek ";
    EXPECT_EQ(log.compare(warning, about.size(), about), 0) << log.substr(warning);
    HWND pane = GetDlgItem(main, 1001);
    const LRESULT selection = SendMessageA(pane, EM_GETSEL, 0, 0);
    EXPECT_EQ(LOWORD(selection), warning) << dpi;
    EXPECT_EQ(HIWORD(selection), end) << dpi;
    EXPECT_TRUE(InView(pane, warning)) << dpi;

    const std::string verdict = log.substr(log.rfind("\r\n") + 2);
    EXPECT_EQ(verdict.compare(0, 7, "Pozor: "), 0) << verdict;
    EXPECT_EQ(ProgramDriver::ControlText(main, 1013), verdict) << dpi;
    EXPECT_TRUE(ShowsWholeText(main, 1013)) << dpi;
    EXPECT_TRUE(
        SaveScreenshot("run_with_warnings_" + std::to_string(dpi * 100 / 96) + ".png", main));
    ProgramDriver::ClickLater(main, 1);
    EXPECT_EQ(program.WaitExit(), 0);
  }
}

// A run without files chosen or without the own account in the profile:
// the log says what to do first, the line below the pane repeats it, and
// nothing is read or written.
TEST_F(ProgramTest, RunWithoutFilesOrAccountSaysWhatIsMissing) {
  ASSERT_TRUE(WriteStatement(folder_ + "\\a.csv", {1, 2}));
  const struct {
    const char* account;
    bool files;
    std::string lines;
  } cases[] = {
      {"", true, kNoAccount},
      {" 0-0000000000", true, kNoAccount},
      {"", false, std::string(kChooseFiles) + "\r\n" + kNoAccount},
      {"2000145399", false, kChooseFiles},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteWholeFileBytes(settingsPath_,
                                    Profile(c.account, "", "1000.50", StoredDay(20140901), 1)));
    ProgramDriver program;
    std::vector<std::string> arguments;
    if (c.files) arguments.push_back(folder_ + "\\a.csv");
    ASSERT_TRUE(program.Start(folder_, arguments));
    HWND main = program.WaitWindow(kMainCaption);
    ASSERT_NE(main, nullptr);
    const std::string start =
        kStart + (c.files ? "\r\nByl vybrán 1 soubor ve složce " + folder_ + ": a.csv" : "");
    ASSERT_TRUE(ProgramDriver::WaitTextEnds(main, 1001, start));
    ProgramDriver::Click(main, 1002);
    EXPECT_EQ(ProgramDriver::ControlText(main, 1001), start + "\r\n" + c.lines) << c.account;
    const std::string last = c.lines.substr(c.lines.rfind('\n') + 1);
    EXPECT_EQ(ProgramDriver::ControlText(main, 1013), last) << c.account;
    EXPECT_FALSE(FileExists(folder_ + "\\export.gpc")) << c.account;
    EXPECT_FALSE(FileExists(folder_ + "\\export.xml")) << c.account;
    EXPECT_TRUE(SaveScreenshot("run_missing_" + std::to_string(&c - cases) + ".png", main));
    ProgramDriver::ClickLater(main, 1);
    EXPECT_EQ(program.WaitExit(), 0);
  }
}

// A statement of a service abroad, whose bank the run cannot tell: the log
// names the account without IBAN once, with what can be done in the window
// program rather than advice that only tarvolo-cli can follow.
TEST_F(ProgramTest, AdviceFitsTheWindowProgram) {
  const std::string statement = folder_ + "\\revolut.csv";
  ASSERT_TRUE(WriteWholeFileBytes(
      statement, ReadWholeFileBytes(g_driverPaths.data + "\\layouts\\revolut.csv")));
  ASSERT_TRUE(WriteWholeFileBytes(
      settingsPath_, Profile("2000145399", "Běžný účet", "0", StoredDay(20140901), 1)));
  ASSERT_TRUE(program_.Start(folder_, {statement}));
  HWND main = program_.WaitWindow(kMainCaption);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(ProgramDriver::WaitTextEnds(main, 1001, "revolut.csv"));
  ProgramDriver::Click(main, 1002);
  const std::string log = ProgramDriver::ControlText(main, 1001);
  const std::string line = "\r\nSoubor " + folder_ +
                           "\\export.xml uvádí účet bez IBAN (kód banky není znám); účetní "
                           "program může IBAN vyžadovat: zadejte jej v účetním programu ručně, "
                           "nebo importujte soubor ABO!!!\r\n";
  EXPECT_NE(log.find(line), std::string::npos) << log;
  EXPECT_EQ(log.find(line), log.rfind(line)) << log;
  EXPECT_EQ(log.find("--"), std::string::npos) << log;
  ProgramDriver::ClickLater(main, 1);
  EXPECT_EQ(program_.WaitExit(), 0);
}

TEST_F(ProgramTest, SettingsThatCannotBeSavedAreReported) {
  // A folder in the settings file's place cannot be replaced by a file.
  ASSERT_TRUE(CreateDirectoryA(settingsPath_.c_str(), nullptr));
  HWND main = StartMain();
  ASSERT_NE(main, nullptr);
  HWND settings = OpenSettings(main);
  ASSERT_NE(settings, nullptr);
  ProgramDriver::SetControlText(settings, 1008, "2000145399");
  ProgramDriver::Click(settings, 1006);
  EXPECT_TRUE(program_.WaitGone(settings));
  EXPECT_EQ(ProgramDriver::ControlText(main, 1001),
            kStart + "\r\nNastavení se nepodařilo uložit!!!");
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program_.WaitExit(), 0);
}

}  // namespace
}  // namespace tarvolo

// Arguments: the program, the test data folder and the work folder, as Unix
// paths; Wine sees the Unix root as drive Z:.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: program_tests PROGRAM DATA-FOLDER WORK-FOLDER\n");
    return 2;
  }
  auto windowsPath = [](std::string path) {
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
    return "Z:" + path;
  };
  using tarvolo::g_driverPaths;
  g_driverPaths.program = windowsPath(argv[1]);
  g_driverPaths.data = windowsPath(argv[2]);
  g_driverPaths.work = windowsPath(argv[3]);
  g_driverPaths.workUnix = argv[3];
  CreateDirectoryA(g_driverPaths.work.c_str(), nullptr);
  // The program's windows in the pixels of the screen, whatever its scale.
  SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
  return RUN_ALL_TESTS();
}
