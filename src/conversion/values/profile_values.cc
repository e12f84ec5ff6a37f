#include "conversion/values/profile_values.h"

#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

#include "conversion/values/account_number.h"
#include "conversion/values/amount_reading.h"
#include "conversion/values/dates.h"
#include "conversion/values/digits.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/grouped_amount.h"
#include "settings/account_settings.h"

namespace tarvolo {

const char kHeaderDigitsRefusal[] =
    "Zůstatek nebo obrat má víc než 14 číslic v haléřích, soubor nelze zapsat\n";

const char kAccountRefusal[] =
    "Číslo účtu musí být ve tvaru předčíslí-číslo (nejvýš 6 a 10 číslic), případně s kódem banky "
    "za lomítkem\n";
const char kDroppedBankLine[] =
    "Kód banky %s za číslem účtu v nastavení vynechán, soubor ABO jej nemá\n";

namespace {

const char kBalanceRefusal[] =
    "Počáteční zůstatek „%s“ nelze přečíst celý (%s), zadejte jej např. jako 1234,50\n";

// The typed text on one line of the log.
std::string OneLineText(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return line;
}

// Whether the digits before a lone mark could be the first group of
// thousands: one to three of them, not led by a zero ("0,004" and
// "1000,005" have their decimals).
bool OpensThousands(std::string_view text) {
  text = TrimAmount(text);
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  size_t digits = 0;
  while (digits < text.size() && IsDigit(text[digits])) ++digits;
  return digits >= 1 && digits <= 3 && text.front() != '0';
}

}  // namespace

namespace {

// A line break in the own account number or the account name would split
// the fixed-width lines of the statement file.
bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

template <size_t size>
std::string FieldText(const char (&field)[size]) {
  return std::string(field, strnlen(field, size));
}

// An empty account gives zeros, as it always has.
bool ReadProfileAccount(std::string_view text, AccountNumber* account) {
  if (text.find_first_not_of(" \t") == std::string_view::npos) {
    *account = AccountNumber();
    return true;
  }
  return ReadAccountNumber(text, false, account);
}

}  // namespace

AccountProfile ProfileOf(const AccountSettings& settings) {
  AccountProfile profile;
  profile.accountNumber = FieldText(settings.accountNumber);
  profile.accountName = FieldText(settings.accountName);
  profile.openingBalance = FieldText(settings.openingBalance);
  profile.balanceDate = settings.balanceDate;
  profile.statementNumber = settings.statementNumber;
  return profile;
}

std::string ProfileAccountField(std::string_view typed) {
  AccountNumber account;
  if (ReadProfileAccount(typed, &account)) return AccountField(account);
  std::string field(typed);
  if (field.size() < 16) field.insert(0, 16 - field.size(), '0');
  return field;
}

const char* ReadOpeningBalance(std::string_view text, AmountReading* amount) {
  *amount = ReadAmount(text, AmountRules::kBankExport);
  if (amount->status == AmountStatus::kRead || amount->status == AmountStatus::kEmpty) {
    return nullptr;
  }
  if (amount->status == AmountStatus::kAmbiguous && OpensThousands(text)) return amount->fault;
  // Only an ungrouped number: the decimal text drops blanks anywhere, which
  // would read "1 2,345" as 12.345.
  const AmountReading bank = *amount;
  if (TrimAmount(text).find_first_of(" \xA0'") == std::string_view::npos) {
    *amount = ReadAmount(text, AmountRules::kCzechText);
    if (amount->status == AmountStatus::kRead || amount->status == AmountStatus::kOutOfRange) {
      return nullptr;
    }
  }
  *amount = bank;
  return bank.fault != nullptr ? bank.fault : "text, který není částkou";
}

const char* ReadBalanceWhole(std::string_view text, AmountReading* amount) {
  *amount = ReadAmount(text, AmountRules::kBankExport);
  // "0,500" or "1000,005": a mark after a leading zero or after four digits
  // separates no thousands, so it is the decimal mark.
  if (amount->status == AmountStatus::kAmbiguous && !OpensThousands(text)) {
    *amount = ReadAmount(text, AmountRules::kBankExport, amount->ambiguousMark);
  }
  if (amount->status == AmountStatus::kRead || amount->status == AmountStatus::kEmpty) {
    return nullptr;
  }
  return amount->fault != nullptr ? amount->fault : "text, který není částkou";
}

std::string PlainBalanceText(int64_t hellers) {
  const uint64_t magnitude =
      hellers < 0 ? 0 - static_cast<uint64_t>(hellers) : static_cast<uint64_t>(hellers);
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, magnitude / 100).ptr;
  std::string text = hellers < 0 ? "-" : "";
  text.append(digits, end);
  text += '.';
  text += static_cast<char>('0' + magnitude % 100 / 10);
  text += static_cast<char>('0' + magnitude % 10);
  return text;
}

std::string ReadProfileValues(const AccountProfile& profile, ProfileValues* values) {
  values->oldBalanceDate.clear();
  if (!AppendDdMmYy(values->oldBalanceDate, profile.balanceDate)) {
    return "Neplatné datum zůstatku\n";
  }
  if (profile.statementNumber < 0 || profile.statementNumber > 999) {
    return "Číslo výpisu musí být od 0 do 999\n";
  }
  if (HasLineBreak(profile.accountNumber) || HasLineBreak(profile.accountName)) {
    return "Číslo nebo název účtu obsahuje konec řádku, soubor nelze zapsat\n";
  }
  AccountNumber account;
  if (!ReadProfileAccount(profile.accountNumber, &account)) {
    return kAccountRefusal;
  }
  values->accountField = AccountField(account);
  values->droppedBank = account.bank;
  const std::string_view typed(profile.openingBalance.c_str());
  AmountReading opening;
  if (const char* fault = ReadOpeningBalance(typed, &opening)) {
    std::string line;
    Render(line, kBalanceRefusal, {OneLineText(typed), fault});
    return line;
  }
  if (opening.status == AmountStatus::kOutOfRange || !FitsHeader(opening.hellers)) {
    return kHeaderDigitsRefusal;
  }
  values->openingHellers = opening.hellers;
  return std::string();
}

}  // namespace tarvolo
