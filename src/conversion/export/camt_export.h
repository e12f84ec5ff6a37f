#ifndef TARVOLO_CONVERSION_EXPORT_CAMT_EXPORT_H_
#define TARVOLO_CONVERSION_EXPORT_CAMT_EXPORT_H_

#include <cstdint>
#include <string>

#include "conversion/camt/camt_check.h"
#include "conversion/camt/camt_entries.h"
#include "conversion/values/profile_values.h"

namespace tarvolo {

// What the GPC file of a run says, for its camt.053 twin.
struct CamtRunValues {
  int32_t balanceDate = 0;    // the profile's stored balance day
  int32_t statementDate = 0;  // the day of the run, a timestamp
  int64_t openingHellers = 0, closingHellers = 0;
  int64_t creditHellers = 0, debitHellers = 0;
  std::string currency;  // the statement's
  int32_t bankCode = 0;  // 0: unknown
};

// The whole camt.053 document of the run's entries, with the own account
// and the statement number of `profile`; `hasIban` tells whether the
// account could be named by its IBAN.
std::string ComposeRunCamt(const CamtRunValues& values, const AccountProfile& profile,
                           const CamtEntries& entries, bool* hasIban);

// What the check of that document compares it with.
CamtExpectation ExpectationOf(const CamtRunValues& values, const CamtEntries& entries);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_EXPORT_CAMT_EXPORT_H_
