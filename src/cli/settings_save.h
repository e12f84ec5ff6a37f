#ifndef TARVOLO_CLI_SETTINGS_SAVE_H_
#define TARVOLO_CLI_SETTINGS_SAVE_H_

#include <string>
#include <vector>

#include "settings/account_settings.h"

namespace tarvolo {

// Saves `profile` as `configPath` unless that would write over one of the
// run's statements or a statement file it wrote (`outputPaths`, none when
// none was written), or over anything but a regular file. Returns the log
// line (Windows-1250) that says why it was not saved, or "" when it was.
std::string SaveSettingsOfRun(const std::string& configPath, const AccountSettings& profile,
                              const std::vector<std::string>& inputs,
                              const std::vector<std::string>& outputPaths);

// Why a save to the files `saved` (the profile, the kept accounts) cannot
// succeed, found before the run writes: one is one of the files to convert
// (`inputs`), or a folder or anything else but a regular file or a link.
// "" where they may be saved.
std::string SaveRefusal(const std::vector<std::string>& saved,
                        const std::vector<std::string>& inputs);

}  // namespace tarvolo

#endif  // TARVOLO_CLI_SETTINGS_SAVE_H_
