#ifndef TARVOLO_CONVERSION_VALUES_DIGITS_H_
#define TARVOLO_CONVERSION_VALUES_DIGITS_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tarvolo {

// The one reader of plain digits every room uses, and the tests of single
// characters beside it.
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Whether the four or eight bytes at `p` are all digits: each has 3 as its
// high half, and still has after adding 6 (a byte that carries into the
// next is no digit itself).
template <typename Word>
inline bool WordOfDigits(const char* p) {
  constexpr Word kHighHalves = static_cast<Word>(0xF0F0F0F0F0F0F0F0u);
  constexpr Word kSixes = static_cast<Word>(0x0606060606060606u);
  constexpr Word kThrees = static_cast<Word>(0x3333333333333333u);
  Word word;
  std::memcpy(&word, p, sizeof word);
  return ((word & kHighHalves) | (((word + kSixes) & kHighHalves) >> 4)) == kThrees;
}

// Whether `text` holds nothing but digits (true for no text). Symbols and
// ids of every row are looked at: one of 4 to 16 bytes in two words, the
// second overlapping the first where the length asks for it.
inline bool AllDigits(std::string_view text) {
  const char* p = text.data();
  const size_t n = text.size();
  if (n >= 8 && n <= 16) return WordOfDigits<uint64_t>(p) && WordOfDigits<uint64_t>(p + n - 8);
  if (n >= 4 && n < 8) return WordOfDigits<uint32_t>(p) && WordOfDigits<uint32_t>(p + n - 4);
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

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
