#include "conversion/values/account_number.h"

#include <charconv>

#include "conversion/values/digits.h"

namespace tarvolo {
namespace {

// Blanks, tabs and no-break spaces, which people put between groups of
// digits, say nothing.
std::string WithoutBlanks(std::string_view text) {
  std::string compact;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\xA0') compact += c;
  }
  return compact;
}

void AppendZeroFilled(std::string& out, int64_t value, size_t width) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const size_t count = static_cast<size_t>(end - digits);
  if (count < width) out.append(width - count, '0');
  out.append(digits, count);
}

}  // namespace

bool ReadAccountNumber(std::string_view text, bool iban, AccountNumber* account) {
  std::string compact = WithoutBlanks(text);
  AccountNumber read;
  if (iban && compact.size() == 24 && (compact[0] == 'C' || compact[0] == 'c') &&
      (compact[1] == 'Z' || compact[1] == 'z') &&
      IsDigitsOnly(std::string_view(compact).substr(2))) {
    read.bank = compact.substr(4, 4);
    compact = compact.substr(8);
  }
  std::string_view rest = compact;
  const size_t slash = rest.find('/');
  if (slash != std::string_view::npos) {
    const std::string_view bank = rest.substr(slash + 1);
    if (bank.size() != 4 || !IsDigitsOnly(bank) || !read.bank.empty()) return false;
    read.bank = std::string(bank);
    rest = rest.substr(0, slash);
  }
  const size_t dash = rest.find('-');
  std::string_view prefix, number = rest;
  if (dash != std::string_view::npos) {
    prefix = rest.substr(0, dash);
    number = rest.substr(dash + 1);
    if (!ReadDigitsOnly(prefix, 6, &read.prefix)) return false;
  } else if (number.size() > 10) {
    // The format's field run together: the digits before the last ten are
    // the prefix.
    prefix = number.substr(0, number.size() < 16 ? number.size() - 10 : 6);
    number = number.substr(prefix.size());
    if (!ReadDigitsOnly(prefix, 6, &read.prefix)) return false;
  }
  if (!ReadDigitsOnly(number, 10, &read.number)) return false;
  *account = read;
  return true;
}

std::string AccountField(const AccountNumber& account) {
  std::string field;
  AppendZeroFilled(field, account.prefix, 6);
  AppendZeroFilled(field, account.number, 10);
  return field;
}

std::string ShownAccount(const AccountNumber& account) {
  std::string shown;
  if (account.prefix != 0) {
    AppendZeroFilled(shown, account.prefix, 1);
    shown += '-';
  }
  AppendZeroFilled(shown, account.number, 1);
  if (!account.bank.empty()) shown += '/' + account.bank;
  return shown;
}

int32_t BankCodeOf(const AccountNumber& account) {
  int32_t code = 0;
  return ReadDigitsOnly(account.bank, 4, &code) ? code : 0;
}

}  // namespace tarvolo
