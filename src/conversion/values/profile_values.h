#ifndef TARVOLO_CONVERSION_VALUES_PROFILE_VALUES_H_
#define TARVOLO_CONVERSION_VALUES_PROFILE_VALUES_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/values/amount_reading.h"
#include "settings/account_settings.h"

namespace tarvolo {

// The profile's values as the user typed them, which a front end reads from
// the profile it holds and hands to the run.
struct AccountProfile {
  std::string accountNumber;  // own account without the bank code, as typed
  std::string accountName;
  std::string openingBalance;  // decimal text, as typed
  int32_t balanceDate = 0;     // stored timestamp of the balance day
  int32_t statementNumber = 0;
};

// The values of a stored profile; each text ends at its first NUL or at the
// end of its field.
AccountProfile ProfileOf(const AccountSettings& settings);

// Header amounts have 14 digits of hellers.
constexpr int64_t kLargestHeaderHellers = 99999999999999;

// The log line of a run whose header cannot show a balance or turnover.
extern const char kHeaderDigitsRefusal[];

inline bool FitsHeader(int64_t hellers) {
  return hellers >= -kLargestHeaderHellers && hellers <= kLargestHeaderHellers;
}

// The values of the profile that a statement header shows.
struct ProfileValues {
  int64_t openingHellers = 0;  // the opening balance in whole hellers
  std::string oldBalanceDate;  // "ddMMyy"
  // The own account as the format's 16 digits, and the bank code the
  // profile wrote after it, which no field of the format holds.
  std::string accountField;
  std::string droppedBank;
};

// The line that refuses an own account that is no account number, and the
// one that says that the bank code after it was dropped ("%s" the code).
extern const char kAccountRefusal[];
extern const char kDroppedBankLine[];

// Reads the opening balance as typed: a bank's amount ("1 234,50",
// "1.234,50", "-1234.50 Kč"), or a number that only the decimal text
// reads whole ("-0,004", "1e3"), whose parts of a heller the records have
// always rounded. Empty is 0. Returns null, or why the text cannot be read
// whole: a lone mark before three digits ("12,345") could separate
// thousands and is no guess to take.
const char* ReadOpeningBalance(std::string_view text, AmountReading* amount);

// Reads a balance only as a bank writes it, whole: grouped or not, a
// decimal comma or point with at most two places (more only when they are
// zeros), no exponent. A text that only rounding or an exponent would read
// is refused with the reason, for a balance given on the command line or
// kept by it: a statement opened with a balance the user never typed is
// one the accountant books wrong. Empty is 0.
const char* ReadBalanceWhole(std::string_view text, AmountReading* amount);

// The balance of `hellers` as a plain decimal text ("-1234.50").
std::string PlainBalanceText(int64_t hellers);

// Reads the profile's values for a run. Returns the log line that refuses
// one a header cannot show (a balance date that has no day, a statement
// number outside 0 to 999, an own account not written as prefix-number
// (blanks and a "/bank" after it allowed), a line break in the account
// name, an opening balance that cannot be read whole, of more than 14
// digits of hellers or beyond the range of numbers), or "" when every value
// can be used. A run and a save of the profile both ask, so that no profile
// is kept that every run refuses.
std::string ReadProfileValues(const AccountProfile& profile, ProfileValues* values);

// The profile's own account (`typed`) as the format's 16 digits; a text
// that is no account number is zero-filled as it is, for a run that
// refuses it anyway.
std::string ProfileAccountField(std::string_view typed);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_PROFILE_VALUES_H_
