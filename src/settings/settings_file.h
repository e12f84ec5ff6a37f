#ifndef TARVOLO_SETTINGS_SETTINGS_FILE_H_
#define TARVOLO_SETTINGS_SETTINGS_FILE_H_

#include <string>

#include "settings/account_settings.h"

namespace tarvolo {

// "tarvolo.cfg" in the folder of the running executable.
std::string SettingsFilePath();

// Reads the settings file over g_accountSettings: its first bytes (at most
// 64) replace the start of the record, the rest of the record keeps its
// values. False, with the record untouched, when the file cannot be read.
// A file of another length than 64 bytes puts a log line saying so into
// *lengthNote (when given; otherwise it is left empty).
bool LoadSettings(std::string* lengthNote = nullptr);
bool LoadSettingsFrom(const char* path, std::string* lengthNote = nullptr);
// The same over a record of the caller's.
bool LoadSettingsFrom(const char* path, AccountSettings* record, std::string* lengthNote);

// Writes the 64 bytes of g_accountSettings as the settings file, replacing
// the old file only once the new one is whole. False when it could not be
// written (the old file is then unchanged).
bool SaveSettings();
bool SaveSettingsTo(const char* path);
// The same with a record of the caller's.
bool SaveSettingsTo(const char* path, const AccountSettings& record);

}  // namespace tarvolo

#endif  // TARVOLO_SETTINGS_SETTINGS_FILE_H_
