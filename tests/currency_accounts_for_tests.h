#ifndef TARVOLO_TESTS_CURRENCY_ACCOUNTS_FOR_TESTS_H_
#define TARVOLO_TESTS_CURRENCY_ACCOUNTS_FOR_TESTS_H_

#include <string>
#include <vector>

#include "conversion/export/currency_accounts.h"

namespace tarvolo {

// The account `account` given for the statements in the foreign currencies
// the tests' files hold, as the user of an account kept in several
// currencies under one number gives it.
inline std::vector<CurrencyAccount> CurrencyAccountsForTests(const std::string& account) {
  std::vector<CurrencyAccount> accounts;
  for (const char* code : {"EUR", "USD", "GBP", "CHF", "PLN", "HUF"}) {
    CurrencyAccount read;
    std::string error;
    if (ReadCurrencyAccount(code + ("=" + account), &read, &error)) accounts.push_back(read);
  }
  return accounts;
}

}  // namespace tarvolo

#endif  // TARVOLO_TESTS_CURRENCY_ACCOUNTS_FOR_TESTS_H_
