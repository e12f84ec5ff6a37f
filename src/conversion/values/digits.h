#ifndef TARVOLO_CONVERSION_VALUES_DIGITS_H_
#define TARVOLO_CONVERSION_VALUES_DIGITS_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarvolo {

// The one reader of plain digits every room uses, and the tests of single
// characters beside it.
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Whether `text` is one or more digits and nothing else.
bool IsDigitsOnly(std::string_view text);

// Digits alone, as account numbers, bank codes and symbols are written:
// reads `text` when it is 1 to `maxDigits` (at most 18) digits and nothing
// else, no sign and no blank; false, with *value untouched, otherwise.
// A loop of its own rather than std::from_chars, whose checks of every
// digit against overflow cost some 60 instructions a field more, on several
// fields of every line; 18 digits cannot overflow.
inline bool ReadDigitsOnly(std::string_view text, size_t maxDigits, int64_t* value) {
  if (text.empty() || text.size() > maxDigits || text.size() > 18) return false;
  int64_t read = 0;
  for (char c : text) {
    if (!IsDigit(c)) return false;
    read = read * 10 + (c - '0');
  }
  *value = read;
  return true;
}

inline bool ReadDigitsOnly(std::string_view text, size_t maxDigits, int32_t* value) {
  int64_t read = 0;
  if (maxDigits > 9 || !ReadDigitsOnly(text, maxDigits, &read)) return false;
  *value = static_cast<int32_t>(read);
  return true;
}

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_VALUES_DIGITS_H_
