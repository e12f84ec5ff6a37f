#include "settings/settings_file.h"

#include <algorithm>
#include <cstring>

#include "platform/file.h"
#include "settings/account_settings.h"
#include "settings/whole_file.h"

namespace tarvolo {

std::string SettingsFilePath() {
  std::string path = ExecutablePath();
  const size_t slash = path.find_last_of(kPathSeparator == '\\' ? "\\/" : "/");
  path.erase(slash == std::string::npos ? 0 : slash + 1);
  return path + "tarvolo.cfg";
}

bool LoadSettings() { return LoadSettingsFrom(SettingsFilePath().c_str()); }

bool LoadSettingsFrom(const char* path) {
  std::string content;
  if (!ReadWholeFile(path, &content)) return false;
  std::memcpy(&g_accountSettings, content.data(),
              std::min(content.size(), sizeof g_accountSettings));
  return true;
}

bool SaveSettings() { return SaveSettingsTo(SettingsFilePath().c_str()); }

bool SaveSettingsTo(const char* path) {
  return WriteWholeFile(path, reinterpret_cast<const char*>(&g_accountSettings),
                        sizeof g_accountSettings);
}

}  // namespace tarvolo
