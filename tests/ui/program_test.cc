// The real tarvolo.exe under Wine, driven through its windows: start-up,
// the settings dialog, the file-open dialog, a conversion, and the profile
// file it leaves beside itself.
#include <windows.h>

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
    "spořitelny do formátu ABO použitelného k importu výpisů v účetních programech.\n"
    "Používání tohoto programu je na vlastní zodpovědnost!!!\n\n";

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

// The day that the calendar shows after start-up: the day after the date
// that one hour from now has on the standard-time clock.
int StartUpDay() {
  const int64_t standard = UnixNow() + 3600 + StandardOffset();
  return CivilFromDays(standard / 86400 + 1);
}

std::string TodayDdMmYy() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[7];
  wsprintfA(text, "%02d%02d%02d", now.wDay, now.wMonth, now.wYear % 100);
  return text;
}

std::string Folder(const char* name) { return g_driverPaths.work + "\\" + name; }

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
  HWND main = StartMain();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(ProgramDriver::ControlText(main, 1001), kNotice);
  EXPECT_EQ(ProgramDriver::ControlText(main, 1011), "");
  EXPECT_EQ(ProgramDriver::ControlText(main, 1010), "0");
  const int shown = program_.CalendarDay(main, 1012);
  EXPECT_EQ(shown, StartUpDay());
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
      settingsPath_, Profile("19-2000145399", "Hlavní účet", "1234567890.12345678",
                             StoredDay(20141201), -7)));
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
  // Two statements made of lines of the golden statement, whose records
  // are known.
  const std::string csv = ReadWholeFileBytes(g_driverPaths.data + "\\records.csv");
  const std::string records = ReadWholeFileBytes(g_driverPaths.data + "\\records.txt");
  ASSERT_FALSE(csv.empty());
  ASSERT_EQ(records.size(), 7u * 130);
  std::vector<std::string> lines;
  for (size_t start = 0; start < csv.size();) {
    const size_t end = csv.find("\r\n", start);
    lines.push_back(csv.substr(start, end - start + 2));
    start = end + 2;
  }
  ASSERT_EQ(lines.size(), 8u);
  ASSERT_TRUE(WriteWholeFileBytes(statements + "\\a.csv", lines[0] + lines[1] + lines[2]));
  ASSERT_TRUE(WriteWholeFileBytes(statements + "\\b.csv", lines[0] + lines[4] + lines[7]));
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
  const std::string saved = Profile("123456789012345", "Účet s velmi dlouhý", "",
                                    StoredDay(20150101), 3);
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
  std::string log = std::string(kNotice) + "\r\nNení nic vybráno!!!\n";
  EXPECT_TRUE(ProgramDriver::WaitTextEnds(main, 1001, log));

  // Nothing selected: one pass with an empty name, no file.
  ProgramDriver::Click(main, 1002);
  log += "\r\nPřevádím soubor \n\r\nNebyly načteny žádné položky nebo soubory!!!\n";
  EXPECT_EQ(ProgramDriver::ControlText(main, 1001), log);
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
  bool emptied = false;
  for (int i = 0; i < 400 && !(emptied = ProgramDriver::Text(nameBox).empty()); ++i) Sleep(25);
  ASSERT_TRUE(emptied) << "the file dialog did not open the folder";
  ProgramDriver::TypeInto(nameBox, "\"a.csv\" \"b.csv\"");
  ProgramDriver::ClickLater(files, IDOK);
  log += "\r\nByly vybrány soubory...\n";
  EXPECT_TRUE(ProgramDriver::WaitTextEnds(main, 1001, log));

  ProgramDriver::Click(main, 1002);
  log += "\r\nPřevádím soubor " + statements + "\\a.csv\n" +
         "\r\nPřevádím soubor " + statements + "\\b.csv\n" +
         "\r\nNačteno 4 položek, starý zůstatek 1000.50 Kč, nový 24767.52 Kč\n"
         "\r\nCelkem příchozí platby 25001.52 Kč, odchozí platby 1234.50 Kč\n"
         "\r\nZapsán soubor export.gpc\n"
         "\r\nKontrola souboru export.gpc: v pořádku\n";
  EXPECT_EQ(ProgramDriver::ControlText(main, 1001), log);
  EXPECT_TRUE(SaveScreenshot("main_dialog.png"));

  // Beside the statements, not beside the program.
  EXPECT_FALSE(FileExists(folder_ + "\\export.gpc"));
  const std::string header = std::string("074") + "0000002000145399" + "Běžný účet          " +
                             "310814" + "00000000100050+" + "00000002476752+" +
                             "00000000123450" + "0" + "00000002500152" + "0" + "120" +
                             TodayDdMmYy() + std::string(14, ' ') + "\r\n";
  const std::string expected = header + records.substr(0, 260) + records.substr(3 * 130, 130) +
                               records.substr(6 * 130, 130);
  EXPECT_EQ(ReadWholeFileBytes(statements + "\\export.gpc"), expected);

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
            std::string(kNotice) + "\r\nNastavení se nepodařilo uložit!!!\n");
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
  return RUN_ALL_TESTS();
}
