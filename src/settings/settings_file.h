#ifndef TARVOLO_SETTINGS_SETTINGS_FILE_H_
#define TARVOLO_SETTINGS_SETTINGS_FILE_H_

#include <string>

namespace tarvolo {

// "tarvolo.cfg" in the folder of the running executable.
std::string SettingsFilePath();

// Reads the settings file over g_accountSettings: its first bytes (at most
// 64) replace the start of the record, the rest of the record keeps its
// values. False, with the record untouched, when the file cannot be read.
bool LoadSettings();
bool LoadSettingsFrom(const char* path);

// Writes the 64 bytes of g_accountSettings as the settings file, replacing
// the old file only once the new one is whole. False when it could not be
// written (the old file is then unchanged).
bool SaveSettings();
bool SaveSettingsTo(const char* path);

}  // namespace tarvolo

#endif  // TARVOLO_SETTINGS_SETTINGS_FILE_H_
