#ifndef TARVOLO_CONVERSION_EXPORT_STATEMENT_IBAN_H_
#define TARVOLO_CONVERSION_EXPORT_STATEMENT_IBAN_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/reading/statement_reading.h"

namespace tarvolo {

// What the user states of a statement's own account.
struct GivenAccount {
  std::string_view number;  // as the profile holds it, perhaps with "/bank"
  std::string_view iban;    // a sound IBAN in capitals without blanks, or ""
  int32_t bankCode = 0;     // 0: none given
};

// The own account's IBAN as a statement names it.
struct StatementIban {
  std::string iban;        // "" where none can be known
  int32_t bankCode = 0;    // the account's Czech bank, 0 where unknown
  std::string unknownWhy;  // why there is no IBAN, for the log
  std::string refusal;     // the IBAN given is another account's: the log line
};

// The IBAN of the statement of `given`: the IBAN given, else the account
// with the bank code given or typed after it, else with the bank its files
// agree on. A file that states only other own accounts lends none of its
// banks, and files of two banks give no IBAN.
StatementIban StatementIbanOf(const GivenAccount& given, const std::vector<FileBank>& files);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_STATEMENT_IBAN_H_
