#ifndef TARVOLO_CLI_CLI_PROFILE_H_
#define TARVOLO_CLI_CLI_PROFILE_H_

#include <string>

#include "cli/cli_console.h"
#include "cli/cli_options.h"
#include "settings/account_settings.h"

namespace tarvolo {

// The line that says the profile was not saved, as --save asked.
extern const char kNotSaved[];

// The profile as the window program starts it: the current moment as the
// balance date, then the settings file at `configPath` over it. A file of
// another length is noted on `console`.
AccountSettings LoadCliProfile(const std::string& configPath, const CliConsole& console);

// The values given on the command line over those of `profile`. False, with
// the line that refuses it on `console`, for an account number that is none.
bool ApplyOptions(const CliOptions& options, const CliConsole& console, AccountSettings* profile);

// A profile that every run would refuse is not kept: the run is refused for
// the same reason, so nothing is lost by not starting it. False after
// saying why.
bool ProfileWorthSaving(const AccountSettings& profile, const CliConsole& console);

}  // namespace tarvolo

#endif  // TARVOLO_CLI_CLI_PROFILE_H_
