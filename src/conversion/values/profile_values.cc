#include "conversion/values/profile_values.h"

#include <cstring>
#include <string_view>

#include "conversion/values/account_number.h"
#include "conversion/values/amount_reading.h"
#include "conversion/values/dates.h"
#include "settings/account_settings.h"

namespace tarvolo {

const char kHeaderDigitsRefusal[] =
    "Zůstatek nebo obrat má víc než 14 číslic v haléřích, soubor nelze zapsat!!!\n";

const char kAccountRefusal[] =
    "Číslo účtu musí být ve tvaru předčíslí-číslo (nejvýš 6 a 10 číslic), případně s kódem banky "
    "za lomítkem!!!\n";
const char kDroppedBankLine[] =
    "Kód banky %s za číslem účtu v nastavení vynechán, soubor ABO jej nemá\n";

namespace {

// A line break in the own account number or the account name would split
// the fixed-width lines of the statement file.
bool HasLineBreak(const char* field, size_t size) {
  for (size_t i = 0; i < size && field[i] != '\0'; ++i) {
    if (field[i] == '\r' || field[i] == '\n') return true;
  }
  return false;
}

std::string_view ProfileAccountText() {
  const AccountSettings& profile = g_accountSettings;
  return std::string_view(profile.accountNumber,
                          strnlen(profile.accountNumber, sizeof profile.accountNumber));
}

// An empty account gives zeros, as it always has.
bool ReadProfileAccount(AccountNumber* account) {
  const std::string_view text = ProfileAccountText();
  if (text.find_first_not_of(" \t") == std::string_view::npos) {
    *account = AccountNumber();
    return true;
  }
  return ReadAccountNumber(text, false, account);
}

}  // namespace

std::string ProfileAccountField() {
  AccountNumber account;
  if (ReadProfileAccount(&account)) return AccountField(account);
  std::string field(ProfileAccountText());
  if (field.size() < 16) field.insert(0, 16 - field.size(), '0');
  return field;
}

const char* ReadProfileValues(ProfileValues* values) {
  const AccountSettings& profile = g_accountSettings;
  values->oldBalanceDate.clear();
  if (!AppendDdMmYy(values->oldBalanceDate, profile.balanceDate)) {
    return "Neplatné datum zůstatku!!!\n";
  }
  if (profile.statementNumber < 0 || profile.statementNumber > 999) {
    return "Číslo výpisu musí být od 0 do 999!!!\n";
  }
  if (HasLineBreak(profile.accountNumber, sizeof profile.accountNumber) ||
      HasLineBreak(profile.accountName, sizeof profile.accountName)) {
    return "Číslo nebo název účtu obsahuje konec řádku, soubor nelze zapsat!!!\n";
  }
  AccountNumber account;
  if (!ReadProfileAccount(&account)) {
    return kAccountRefusal;
  }
  values->accountField = AccountField(account);
  values->droppedBank = account.bank;
  const AmountReading opening =
      ReadAmount(std::string_view(profile.openingBalance,
                                  strnlen(profile.openingBalance, sizeof profile.openingBalance)),
                 AmountRules::kCzechText);
  if (opening.status == AmountStatus::kOutOfRange || !FitsHeader(opening.hellers)) {
    return kHeaderDigitsRefusal;
  }
  values->openingHellers = opening.hellers;
  values->openingRest = opening.rest;
  return nullptr;
}

}  // namespace tarvolo
