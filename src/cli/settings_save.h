#ifndef TARVOLO_CLI_SETTINGS_SAVE_H_
#define TARVOLO_CLI_SETTINGS_SAVE_H_

#include <string>
#include <vector>

namespace tarvolo {

// Saves g_accountSettings as `configPath` unless that would write over one
// of the run's statements or the statement file it wrote (`outputPath`, ""
// when none was written), or over anything but a regular file. Returns the log line (Windows-1250)
// that says why it was not saved, or "" when it was.
std::string SaveSettingsOfRun(const std::string& configPath, const std::vector<std::string>& inputs,
                              const std::string& outputPath);

}  // namespace tarvolo

#endif  // TARVOLO_CLI_SETTINGS_SAVE_H_
