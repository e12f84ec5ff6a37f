#ifndef TARVOLO_CLI_CLI_OPTION_TABLE_H_
#define TARVOLO_CLI_CLI_OPTION_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "platform/civil_date.h"

namespace tarvolo {

// What an option's value is, and so how it is read and where it goes.
enum class OptionValue {
  kNone,      // a flag: sets `given`
  kPath,      // a path, not empty: into `text` as the file functions take it
  kText,      // a Windows-1250 text: into `text`, and sets `given`
  kDay,       // YYYY-MM-DD, a real day: into `day`, and sets `given`
  kBankCode,  // one to four digits, not zero: into `number`, and sets `given`
  kIban,      // a sound IBAN, blanks and either case allowed: into `text`
  // CUR=ACCOUNT, repeatable: into CliOptions::currencyAccounts, a currency
  // once
  kCurrencyAccount,
  kOutputPath,  // a path, not empty: the path of the output format `format`
  // Stands for a kOutputPath option per output format, in the order of the
  // format table, which names them and their usage.
  kEveryFormat,
};

// One option of the command line: how it is parsed and how the usage shows it.
struct CliOption {
  const char* name = nullptr;       // "--name"
  const char* valueName = nullptr;  // as the usage shows the value ("CESTA"); null for none
  const char* usage = "";           // its lines in the usage, '\n' between them
  OptionValue value = OptionValue::kNone;
  bool CliOptions::*given = nullptr;
  std::string CliOptions::*text = nullptr;
  CivilDate CliOptions::*day = nullptr;
  int32_t CliOptions::*number = nullptr;
  size_t format = 0;      // the row of the format table of a kOutputPath option
  bool sameLine = false;  // named on the usage line of the option before it
};

// Every option in the order of the usage, a row per output format in the
// place of kEveryFormat.
const std::vector<CliOption>& CliOptionTable();

// The option `name` ("--name"), or null.
const CliOption* FindCliOption(const std::string& name);

// The usage lines of the options: the names and value of each, and its
// lines beside them in one column.
std::string UsageOfOptions(const std::vector<CliOption>& options);

}  // namespace tarvolo

#endif  // TARVOLO_CLI_CLI_OPTION_TABLE_H_
