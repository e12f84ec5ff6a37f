#include "conversion/camt/czech_iban.h"

#include <charconv>

namespace tarvolo {
namespace {

struct BankBic {
  int32_t bankCode;
  const char* bic;
};
// Only codes whose BIC is certain: a wrong BIC misleads an importer more
// than a missing one.
constexpr BankBic kBankBics[] = {
    {100, "KOMBCZPP"},  {300, "CEKOCZPP"},  {600, "AGBACZPP"},  {800, "GIBACZPX"},
    {2010, "FIOBCZPP"}, {2700, "BACXCZPP"}, {3030, "AIRACZPP"}, {5500, "RZBCCZPP"},
    {6100, "EQBKCZPP"}, {6210, "BREXCZPP"},
};

void AppendDigits(std::string* out, int64_t value, int width) {
  std::string digits(static_cast<size_t>(width), '0');
  for (int i = width - 1; i >= 0 && value > 0; --i, value /= 10) {
    digits[static_cast<size_t>(i)] = static_cast<char>('0' + value % 10);
  }
  out->append(digits);
}

bool ReadDigits(std::string_view text, size_t maxDigits, int64_t* value) {
  if (text.empty() || text.size() > maxDigits) return false;
  *value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    *value = *value * 10 + (c - '0');
  }
  return true;
}

}  // namespace

bool ReadCzechAccount(std::string_view text, CzechAccount* account) {
  std::string compact;
  for (const char c : text) {
    if (c != ' ') compact.push_back(c);
  }
  const size_t dash = compact.find('-');
  std::string_view prefix, number = compact;
  if (dash != std::string::npos) {
    prefix = std::string_view(compact).substr(0, dash);
    number = std::string_view(compact).substr(dash + 1);
  } else if (compact.size() > 10) {
    prefix = std::string_view(compact).substr(0, compact.size() - 10);
    number = std::string_view(compact).substr(compact.size() - 10);
  }
  int64_t prefixValue = 0, numberValue = 0;
  if (dash != std::string::npos || !prefix.empty()) {
    if (!ReadDigits(prefix, 6, &prefixValue)) return false;
  }
  if (!ReadDigits(number, 10, &numberValue) || numberValue == 0) return false;
  account->prefix = static_cast<int32_t>(prefixValue);
  account->number = numberValue;
  return true;
}

std::string NationalAccountText(const CzechAccount& account) {
  char digits[24];
  std::string text;
  if (account.prefix != 0) {
    text.append(digits, std::to_chars(digits, digits + sizeof digits, account.prefix).ptr);
    text.push_back('-');
  }
  text.append(digits, std::to_chars(digits, digits + sizeof digits, account.number).ptr);
  return text;
}

std::string CzechIban(int32_t bankCode, const CzechAccount& account) {
  if (bankCode < 1 || bankCode > 9999 || account.prefix < 0 || account.prefix > 999999 ||
      account.number < 1 || account.number > 9999999999) {
    return std::string();
  }
  std::string bban;
  AppendDigits(&bban, bankCode, 4);
  AppendDigits(&bban, account.prefix, 6);
  AppendDigits(&bban, account.number, 10);
  // The account digits, then C = 12, Z = 35 and 00, taken as one number.
  int remainder = 0;
  for (const char digit : bban + "123500") remainder = (remainder * 10 + (digit - '0')) % 97;
  const int check = 98 - remainder;
  std::string iban = "CZ";
  iban.push_back(static_cast<char>('0' + check / 10));
  iban.push_back(static_cast<char>('0' + check % 10));
  return iban + bban;
}

std::string BankCodeText(int32_t bankCode) {
  std::string text;
  AppendDigits(&text, bankCode, 4);
  return text;
}

const char* CzechBankBic(int32_t bankCode) {
  for (const BankBic& entry : kBankBics) {
    if (entry.bankCode == bankCode) return entry.bic;
  }
  return nullptr;
}

}  // namespace tarvolo
