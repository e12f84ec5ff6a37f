#include "cli/option_values.h"

#include <cstring>
#include <string_view>

#include "conversion/values/account_number.h"
#include "conversion/values/amount_reading.h"
#include "conversion/values/digits.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/profile_values.h"

namespace tarvolo {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The value for a message, its control characters shown as blanks.
std::string Shown(const std::string& value) {
  std::string shown = value;
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return shown;
}

// Why `text` cannot be taken as a balance where the run would take it by
// rounding or by an exponent; null where it is read whole, and where the
// run refuses it anyway with its own line.
const char* RoundedBalanceFault(std::string_view text) {
  AmountReading amount;
  const char* fault = ReadBalanceWhole(text, &amount);
  if (fault == nullptr) return nullptr;
  AmountReading taken;
  if (ReadOpeningBalance(text, &taken) != nullptr || taken.status == AmountStatus::kOutOfRange ||
      !FitsHeader(taken.hellers)) {
    return nullptr;
  }
  return fault;
}

}  // namespace

bool CheckOptionValues(const CliOptions& options, std::string* error) {
  if (options.hasBalance) {
    if (const char* fault = RoundedBalanceFault(options.balance)) {
      *error = "volba --balance: zůstatek \"" + Shown(options.balance) +
               "\" nelze přečíst celý bez zaokrouhlení (" + fault +
               "), zadejte jej např. jako 1234,50";
      return false;
    }
  }
  int32_t number = 0;
  if (options.hasNumber && !ReadDigitsOnly(TrimBlanks(options.number), 5, &number)) {
    *error = "volba --number: neplatné číslo výpisu \"" + Shown(options.number) +
             "\" (očekávám jen číslice)";
    return false;
  }
  return true;
}

std::string BankCodeConflict(const CliOptions& options, const std::string& profileAccount) {
  if (!options.hasBankCode) return std::string();
  const std::string& typed = options.hasAccount ? options.account : profileAccount;
  AccountNumber account;
  if (!ReadAccountNumber(typed, false, &account) || account.bank.empty() ||
      BankCodeOf(account) == options.bankCode) {
    return std::string();
  }
  std::string line;
  Render(line, "číslo účtu %s má kód banky %s, volba --bank-code %04d jiný; zadejte jen jeden",
         {ShownAccount(account), account.bank, static_cast<int64_t>(options.bankCode)});
  return line;
}

std::string StoredBalanceRefusal(const CliOptions& options, const AccountSettings& profile) {
  if (options.balanceFromFile || options.hasBalance) return std::string();
  const std::string stored(profile.openingBalance,
                           strnlen(profile.openingBalance, sizeof profile.openingBalance));
  const char* fault = RoundedBalanceFault(stored);
  if (fault == nullptr) return std::string();
  std::string line;
  Render(line,
         "Počáteční zůstatek „%s“ v nastavení nelze přečíst celý bez zaokrouhlení (%s), zadejte "
         "jej volbou --balance např. jako 1234,50\n",
         {Shown(stored), fault});
  return line;
}

}  // namespace tarvolo
