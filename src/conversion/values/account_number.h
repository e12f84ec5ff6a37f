#ifndef TARVOLO_CONVERSION_VALUES_ACCOUNT_NUMBER_H_
#define TARVOLO_CONVERSION_VALUES_ACCOUNT_NUMBER_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvolo {

// A Czech account number: a prefix of up to 6 digits, the number of up to
// 10, and the bank's code where the text gives one.
struct AccountNumber {
  int64_t prefix = 0;
  int64_t number = 0;
  std::string bank;  // four digits, or ""
};

// Reads an account as people and banks write it: "19-2000145399",
// "2000145399", the format's 16 digits run together, blanks anywhere, and
// "/0800" after it; with `iban`, a Czech IBAN too. False for anything else.
bool ReadAccountNumber(std::string_view text, bool iban, AccountNumber* account);

// The account as the format's fields hold it: prefix in 6 digits, then the
// number in 10.
std::string AccountField(const AccountNumber& account);

// The account for the log, "19-2000145399/0800", the prefix and the bank
// where there are.
std::string ShownAccount(const AccountNumber& account);

// The account's bank code, 0 where it was read without one.
int32_t BankCodeOf(const AccountNumber& account);

// Leading zeros and the bank do not tell two accounts apart.
inline bool SameAccount(const AccountNumber& a, const AccountNumber& b) {
  return a.prefix == b.prefix && a.number == b.number;
}

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_ACCOUNT_NUMBER_H_
