#include "settings/settings_file.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/file.h"
#include "platform/text_encoding.h"
#include "platform/whole_file.h"
#include "settings/account_settings.h"

namespace tarvolo {

std::string SettingsFilePath() {
  std::string path = ExecutablePath();
  const size_t slash = path.find_last_of(kPathSeparator == '\\' ? "\\/" : "/");
  path.erase(slash == std::string::npos ? 0 : slash + 1);
  return path + "tarvolo.cfg";
}

bool LoadSettings(std::string* lengthNote) {
  return LoadSettingsFrom(SettingsFilePath().c_str(), lengthNote);
}

bool LoadSettingsFrom(const char* path, std::string* lengthNote) {
  return LoadSettingsFrom(path, &g_accountSettings, lengthNote);
}

bool LoadSettingsFrom(const char* path, AccountSettings* record, std::string* lengthNote) {
  if (lengthNote) lengthNote->clear();
  std::string content;
  if (!ReadWholeFile(path, &content)) return false;
  std::memcpy(record, content.data(), std::min(content.size(), sizeof *record));
  // Such a file was made by other means or damaged: its values may be
  // partly start-up values or stray bytes, which the user should know.
  if (lengthNote && content.size() != sizeof *record) {
    *lengthNote = "Soubor nastavení " + PathToText(path) + " má " + std::to_string(content.size()) +
                  " bajtů místo 64\n";
  }
  return true;
}

bool SaveSettings() { return SaveSettingsTo(SettingsFilePath().c_str()); }

bool SaveSettingsTo(const char* path) { return SaveSettingsTo(path, g_accountSettings); }

bool SaveSettingsTo(const char* path, const AccountSettings& record) {
  return WriteWholeFile(path, reinterpret_cast<const char*>(&record), sizeof record);
}

}  // namespace tarvolo
