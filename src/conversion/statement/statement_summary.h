#ifndef TARVOLO_CONVERSION_STATEMENT_STATEMENT_SUMMARY_H_
#define TARVOLO_CONVERSION_STATEMENT_STATEMENT_SUMMARY_H_

#include <cstdint>
#include <string>

#include "conversion/statement/export_totals.h"
#include "conversion/values/profile_values.h"

namespace tarvolo {

// The statement as a whole, known once every item is in: what a header or
// a summary states.
struct StatementSummary {
  AccountProfile profile;     // as typed, for the account's name and number
  std::string accountField;   // the own account as the 16 digits of a record
  std::string currency;       // "" where no file names one: the koruna
  std::string iban;           // the own account's, "" where none is known
  std::string ibanUnknown;    // why none is known, for the log
  int32_t bankCode = 0;       // the own account's Czech bank, 0 where unknown
  int32_t statementDate = 0;  // the day of the run, a timestamp
  ExportTotals totals;        // its items' sums and its balances
};

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_STATEMENT_STATEMENT_SUMMARY_H_
