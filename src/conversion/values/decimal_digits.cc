#include "conversion/values/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace tarvolo {

void DecimalDigits::Add(char digit, bool fraction) {
  if (count_ == 0 && digit == '0') {
    // Zeros before the first significant digit only move the point.
    if (fraction) --power_;
    return;
  }
  if (!fraction) ++power_;
  if (count_ < kKept) {
    digits_[count_++] = digit;
  } else if (digit != '0') {
    dropped_ = true;
  }
}

bool DecimalDigits::Value(bool negative, int64_t exponent, double* value, bool* tooLarge) const {
  if (tooLarge) *tooLarge = false;
  const double zero = negative ? -0.0 : 0.0;
  *value = zero;
  if (count_ == 0) return true;
  // Far beyond the range either way; the bound keeps the exponent short.
  constexpr int64_t kFar = 100000;
  int64_t power = power_ + (exponent > kFar ? kFar : exponent < -kFar ? -kFar : exponent);
  if (power > kFar) power = kFar;
  if (power < -kFar) power = -kFar;
  // "0.<digits>[1]e<power>": a dropped digit stands as a 1 after the kept.
  char text[2 + kKept + 1 + 16];
  char* p = text;
  *p++ = '0';
  *p++ = '.';
  std::memcpy(p, digits_, count_);
  p += count_;
  if (dropped_) *p++ = '1';
  *p++ = 'e';
  p = std::to_chars(p, text + sizeof text, power).ptr;
  double read = 0;
  const std::from_chars_result result = std::from_chars(text, p, read, std::chars_format::general);
  if (result.ec != std::errc() || !std::isfinite(read)) {
    // The first significant digit stands for 10^(power - 1).
    if (tooLarge) *tooLarge = power >= 1;
    return false;
  }
  *value = negative ? -read : read;
  return true;
}

}  // namespace tarvolo
