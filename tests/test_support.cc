#include "test_support.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "conversion/values/dates.h"
#include "platform/whole_file.h"
#include "settings/account_settings.h"

namespace tarvolo {

std::string ReadTestFile(const std::string& path) {
  std::string content;
  ReadWholeFile(path.c_str(), &content);
  return content;
}

std::string TestDataPath(const std::string& name) {
  return std::string(TARVOLO_TEST_DATA) + "/" + name;
}

std::string FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : " ") + name;
  return joined;
}

std::string TestZone() {
  const char* zone = std::getenv("TARVOLO_TEST_ZONE");
  return zone == nullptr ? "" : zone;
}

void ResetProgramState() { std::memset(&g_accountSettings, 0, sizeof g_accountSettings); }

void UseExampleProfile(const char* accountNumber) {
  ResetProgramState();
  std::strcpy(g_accountSettings.accountNumber, accountNumber);
  std::strcpy(g_accountSettings.accountName, "Hlavni ucet");
  std::strcpy(g_accountSettings.openingBalance, "1000.50");
  g_accountSettings.balanceDate = CalendarDayToStoredTimestamp(2014, 9, 1);
  g_accountSettings.statementNumber = 7;
}

}  // namespace tarvolo
