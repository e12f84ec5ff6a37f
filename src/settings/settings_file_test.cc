#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/file.h"
#include "settings/account_settings.h"
#include "temp_folder.h"
#include "test_support.h"

namespace tarvolo {
namespace {

// The 64 bytes of a profile as the file holds them: each text padded with
// NUL bytes to its field, the integers little-endian.
std::string Record(const std::string& account, const std::string& name, const std::string& balance,
                   int32_t balanceDate, int32_t statementNumber) {
  std::string bytes;
  bytes += account + std::string(16 - account.size(), '\0');
  bytes += name + std::string(20 - name.size(), '\0');
  bytes += balance + std::string(20 - balance.size(), '\0');
  for (int32_t value : {balanceDate, statementNumber}) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(bits >> shift & 0xFF);
  }
  return bytes;
}

std::string ProfileBytes() {
  return std::string(reinterpret_cast<const char*>(&g_accountSettings), sizeof g_accountSettings);
}

void SetProfile(const std::string& record) {
  ASSERT_EQ(record.size(), sizeof g_accountSettings);
  std::memcpy(&g_accountSettings, record.data(), record.size());
}

// A text field as the program reads it: up to its first NUL or to the end
// of the field.
template <size_t N>
std::string FieldText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

// The profile before the load: what start-up put there.
const std::string kStartUp = Record("111", "Start", "0.00", 1409522340, 7);

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }
};

TEST_F(SettingsFileTest, LoadPutsTheFilesFirstBytesOverTheProfile) {
  const std::string full = Record("19-2000145399", "Firma s.r.o.", "-1234.50", 1417384740, 42);
  const std::string behindNul =
      Record(std::string("12\0003456789", 10), std::string("Ab\000CDEFGHIJK", 12),
             std::string("5.5\000999", 7), 1, 2);
  const struct {
    const char* label;
    bool exists;
    std::string content;
    bool loaded;
    std::string profile;                                     // all 64 bytes after the load
    std::string accountNumber, accountName, openingBalance;  // as read
  } cases[] = {
      {"no file", false, "", false, kStartUp, "111", "Start", "0.00"},
      {"empty file", true, "", true, kStartUp, "111", "Start", "0.00"},
      {"20 bytes", true, "1234567890123456ABCD", true,
       Record("1234567890123456", "ABCDt", "0.00", 1409522340, 7), "1234567890123456", "ABCDt",
       "0.00"},
      {"64 bytes", true, full, true, full, "19-2000145399", "Firma s.r.o.", "-1234.50"},
      {"100 bytes", true, full + std::string(36, 'x'), true, full, "19-2000145399", "Firma s.r.o.",
       "-1234.50"},
      {"bytes behind a NUL are kept but not read", true, behindNul, true, behindNul, "12", "Ab",
       "5.5"},
      {"full account field does not run into the name", true,
       Record("1234567890123456", "Name", "1", 0, 0), true,
       Record("1234567890123456", "Name", "1", 0, 0), "1234567890123456", "Name", "1"},
      {"full fields everywhere", true,
       Record("AAAAAAAAAAAAAAAA", std::string(20, 'B'), std::string(20, 'C'), -1, -1), true,
       Record("AAAAAAAAAAAAAAAA", std::string(20, 'B'), std::string(20, 'C'), -1, -1),
       "AAAAAAAAAAAAAAAA", std::string(20, 'B'), std::string(20, 'C')},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const std::string path =
        c.exists ? folder.Write("tarvolo.cfg", c.content) : folder.File("tarvolo.cfg");
    SetProfile(kStartUp);
    EXPECT_EQ(LoadSettingsFrom(path.c_str()), c.loaded) << c.label;
    EXPECT_EQ(ProfileBytes(), c.profile) << c.label;
    EXPECT_EQ(FieldText(g_accountSettings.accountNumber), c.accountNumber) << c.label;
    EXPECT_EQ(FieldText(g_accountSettings.accountName), c.accountName) << c.label;
    EXPECT_EQ(FieldText(g_accountSettings.openingBalance), c.openingBalance) << c.label;
    if (c.exists) {
      EXPECT_EQ(ReadTestFile(path), c.content) << c.label << ": load changed the file";
    }
  }
}

// A settings file of another length than the record's is read as always,
// and the load says how long it is.
TEST_F(SettingsFileTest, LoadNamesAFileOfAnotherLength) {
  TempFolder folder;
  for (size_t length : {0, 1, 16, 56, 63, 64, 65, 1 << 20}) {
    const std::string path = folder.Write("tarvolo.cfg", std::string(length, '\0'));
    std::string note = "earlier";
    ASSERT_TRUE(LoadSettingsFrom(path.c_str(), &note)) << length;
    EXPECT_EQ(note, length == 64 ? std::string()
                                 : "Soubor nastavení " + path + " má " + std::to_string(length) +
                                       " bajtů místo 64\n");
  }
  std::string note = "earlier";
  EXPECT_FALSE(LoadSettingsFrom(folder.File("missing.cfg").c_str(), &note));
  EXPECT_EQ(note, "");
}

TEST_F(SettingsFileTest, SaveWritesExactlyTheRecord) {
  const std::string profile =
      Record("19-2000145399", "Účet \x9a\xe8", std::string("100.5\00077", 8), 1405375140, 12);
  const struct {
    const char* label;
    bool exists;
    std::string before;
    // Left beside it by someone else (an older version's temporary file):
    // 'f' a file, 'd' a folder, which stay as they are.
    char leftOver;
  } cases[] = {
      {"new file", false, "", 0},
      {"empty file", true, "", 0},
      {"shorter file", true, "1234567890123456ABCD", 0},
      {"longer file shrinks", true, std::string(100, 'x'), 0},
      {"same length", true, std::string(64, '\0'), 0},
      {"after an interrupted save", true, std::string(64, 'o'), 'f'},
      {"a folder at the old temporary name", true, std::string(64, 'o'), 'd'},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const std::string path = folder.File("tarvolo.cfg");
    if (c.exists) folder.Write("tarvolo.cfg", c.before);
    if (c.leftOver == 'f') folder.Write("tarvolo.cfg.tmp", std::string(100, 't'));
    if (c.leftOver == 'd') std::filesystem::create_directory(folder.File("tarvolo.cfg.tmp"));
    SetProfile(profile);
    EXPECT_TRUE(SaveSettingsTo(path.c_str())) << c.label;
    EXPECT_EQ(ReadTestFile(path), profile) << c.label;
    EXPECT_EQ(FileNamesIn(folder.path()),
              c.leftOver ? "tarvolo.cfg tarvolo.cfg.tmp" : "tarvolo.cfg")
        << c.label << ": a temporary file is left";
    if (c.leftOver == 'f') {
      EXPECT_EQ(ReadTestFile(folder.File("tarvolo.cfg.tmp")), std::string(100, 't')) << c.label;
    }
    EXPECT_EQ(ProfileBytes(), profile) << c.label << ": save changed the profile";

    ResetProgramState();
    EXPECT_TRUE(LoadSettingsFrom(path.c_str())) << c.label;
    EXPECT_EQ(ProfileBytes(), profile) << c.label << ": does not load back";
  }
}

TEST_F(SettingsFileTest, FailedSaveLeavesTheOldFileWhole) {
  const std::string old = Record("111", "Old", "1.00", 1, 1);
  const std::string profile = Record("222", "New", "2.00", 2, 2);
  const struct {
    const char* label;
    const char* target;         // path of the settings file in the folder
    const char* folders[2];     // folders made first
    const char* oldFiles[2];    // files holding `old`
    const char* expectedNames;  // what the folder holds afterwards
  } cases[] = {
      {"parent folder missing", "missing/tarvolo.cfg", {}, {"tarvolo.cfg"}, "tarvolo.cfg"},
      {"parent is a file", "file/tarvolo.cfg", {}, {"file"}, "file"},
      {"the settings file is a folder", "tarvolo.cfg", {"tarvolo.cfg"}, {}, "tarvolo.cfg"},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    for (const char* name : c.folders) {
      if (name != nullptr) std::filesystem::create_directory(folder.File(name));
    }
    for (const char* name : c.oldFiles) {
      if (name != nullptr) folder.Write(name, old);
    }
    std::string target = folder.File(c.target);
    std::replace(target.begin(), target.end(), '/', kPathSeparator);

    SetProfile(profile);
    EXPECT_FALSE(SaveSettingsTo(target.c_str())) << c.label;
    EXPECT_EQ(FileNamesIn(folder.path()), c.expectedNames) << c.label;
    for (const char* name : c.oldFiles) {
      if (name != nullptr) {
        EXPECT_EQ(ReadTestFile(folder.File(name)), old) << c.label << ": " << name;
      }
    }
    EXPECT_EQ(ProfileBytes(), profile) << c.label << ": the profile in memory changed";
  }
}

TEST_F(SettingsFileTest, SettingsFileLiesBesideTheProgram) {
  const std::string path = SettingsFilePath();
  const std::string name = std::string(1, kPathSeparator) + "tarvolo.cfg";
  ASSERT_GT(path.size(), name.size());
  ASSERT_EQ(path.substr(path.size() - name.size()), name);
  const std::string folder = path.substr(0, path.size() - name.size());
  ASSERT_NE(folder.back(), kPathSeparator) << path;
  const std::string names = " " + FileNamesIn(folder) + " ";
  EXPECT_TRUE(names.find(" profile_tests ") != std::string::npos ||
              names.find(" profile_tests.exe ") != std::string::npos)
      << folder << " holds: " << names;

  // The file that SaveSettings writes and LoadSettings reads is that one.
  const bool existed = std::filesystem::exists(path);
  const std::string before = ReadTestFile(path);
  SetProfile(Record("19-2000145399", "Beside", "3.00", 3, 3));
  EXPECT_TRUE(SaveSettings());
  EXPECT_EQ(ReadTestFile(path), ProfileBytes());
  ResetProgramState();
  EXPECT_TRUE(LoadSettings());
  EXPECT_EQ(FieldText(g_accountSettings.accountName), "Beside");
  if (existed) {
    std::ofstream(path, std::ios::binary) << before;
  } else {
    std::filesystem::remove(path);
  }
}

}  // namespace
}  // namespace tarvolo
