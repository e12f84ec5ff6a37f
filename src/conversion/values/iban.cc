#include "conversion/values/iban.h"

#include "conversion/values/digits.h"

namespace tarvolo {

int IbanRemainder(std::string_view iban) {
  int remainder = 0;
  for (size_t i = 4; i < iban.size() + 4; ++i) {
    const char c = iban[i % iban.size()];
    if (IsDigit(c)) {
      remainder = (remainder * 10 + (c - '0')) % 97;
    } else if (IsAsciiLetter(c)) {
      remainder = (remainder * 100 + (c >= 'a' ? c - 'a' : c - 'A') + 10) % 97;
    } else {
      return -1;
    }
  }
  return remainder;
}

bool IsIbanForm(std::string_view iban) {
  return iban.size() >= 15 && iban.size() <= 34 && IsAsciiLetter(iban[0]) &&
         IsAsciiLetter(iban[1]) && IsDigit(iban[2]) && IsDigit(iban[3]) && IbanRemainder(iban) >= 0;
}

bool IsSoundIban(std::string_view iban) { return IsIbanForm(iban) && IbanRemainder(iban) == 1; }

std::string CompactIban(std::string_view text) {
  std::string iban;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == '\xA0') continue;
    iban.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
  }
  return iban;
}

}  // namespace tarvolo
