#include "test_support.h"

#include <cstring>
#include <fstream>
#include <sstream>

#include "conversion/export_totals.h"
#include "settings/account_settings.h"

namespace tarvolo {

std::string ReadTestFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string TestDataPath(const std::string& name) {
  return std::string(TARVOLO_TEST_DATA) + "/" + name;
}

void ResetProgramState() {
  std::memset(&g_accountSettings, 0, sizeof g_accountSettings);
  g_exportTotals = ExportTotals();
}

}  // namespace tarvolo
