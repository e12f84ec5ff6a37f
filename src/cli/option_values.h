#ifndef TARVOLO_CLI_OPTION_VALUES_H_
#define TARVOLO_CLI_OPTION_VALUES_H_

#include <string>

#include "cli/cli_options.h"
#include "settings/account_settings.h"

namespace tarvolo {

// Whether the values of --balance and --number are read whole: a balance
// that only rounding or an exponent would read ("1000,005", "1.5e3"), or a
// number with anything but digits around blanks ("12a", "1O"), is refused
// with *error naming the option and its value, rather than written as
// another value than the one typed. A value the run refuses anyway ("12,345",
// "1e400") is left to the run's own line.
bool CheckOptionValues(const CliOptions& options, std::string* error);

// Where the own account's bank code is given twice in different ways (a
// "/0800" after the account and --bank-code 0100), the refusal naming
// both; "" where it is given once or the same way. `profileAccount` is the
// account the profile holds, which an --account replaces.
std::string BankCodeConflict(const CliOptions& options, const std::string& profileAccount);

// The line that refuses the opening balance a profile file keeps where it
// cannot be read whole, as --balance would refuse it; "" for a balance
// read whole, and where the run takes the earliest file's.
std::string StoredBalanceRefusal(const CliOptions& options, const AccountSettings& profile);

}  // namespace tarvolo

#endif  // TARVOLO_CLI_OPTION_VALUES_H_
