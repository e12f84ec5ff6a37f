#ifndef TARVOLO_CLI_CLI_OPTIONS_H_
#define TARVOLO_CLI_CLI_OPTIONS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "conversion/export/currency_accounts.h"
#include "platform/civil_date.h"

namespace tarvolo {

// The output paths of a run that names none: the default file of every
// format that each run writes.
std::vector<std::string> DefaultOutputPaths();

// What the command line asks for, read from its arguments, and the text of
// its usage.
struct CliOptions {
  std::string configPath;  // empty: tarvolo.cfg beside the program
  bool hasAccount = false, hasName = false, hasBalance = false, hasNumber = false;
  std::string account, name, balance, number;  // Windows-1250 texts
  bool hasFrom = false, hasToday = false;
  CivilDate from, today;
  // The path of each output format, by the rows of the format table; ""
  // for a format not written.
  std::vector<std::string> outputPaths = DefaultOutputPaths();
  bool hasBankCode = false;
  int32_t bankCode = 0;  // 1 to 9999, the own account's bank
  std::string iban;      // sound, in capitals without blanks; "": none given
  // The accounts of the statements in other currencies, each currency once.
  std::vector<CurrencyAccount> currencyAccounts;
  bool save = false;
  bool balanceFromFile = false;  // the opening balance the first file states
  bool check = false;            // the files are GPC statements to check
  bool vsFromMessage = false;    // an empty variable symbol from the message
  // How the columns of a file no reading knows are read ("datum=Date;
  // částka=Amount"), Windows-1250.
  bool hasColumns = false;
  std::string columns;
  bool help = false;
  bool version = false;
  std::vector<std::string> files;
};

// Reads the command line. `texts` are the arguments as Windows-1250 texts,
// `paths` the same arguments as the file functions take them. Returns false
// with a Czech message in *error for an unknown option, a missing or bad
// value, or no file to convert.
bool ParseCliOptions(const std::vector<std::string>& texts, const std::vector<std::string>& paths,
                     CliOptions* options, std::string* error);

// Reads YYYY-MM-DD as a real calendar day.
bool ParseCalendarDay(const std::string& text, CivilDate* day);

// Whether the day `a` comes after the day `b`.
bool DayAfter(const CivilDate& a, const CivilDate& b);

// The usage text, its options' lines from their table.
std::string CliUsage();

}  // namespace tarvolo

#endif  // TARVOLO_CLI_CLI_OPTIONS_H_
