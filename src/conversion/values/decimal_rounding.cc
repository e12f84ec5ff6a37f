#include "conversion/values/decimal_rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tarvolo {
namespace {

// The exact decimal expansion of a finite non-negative double: integer digits
// ("0" for zero) and every fraction digit (trailing zeros dropped). No double
// has more than 1074 fraction digits, so that precision rounds nothing.
void ExactDecimal(double value, std::string* integerDigits, std::string* fractionDigits) {
  constexpr int kAllFractionDigits = 1074;
  char buffer[310 + 1 + kAllFractionDigits];
  const char* const first = buffer;
  const char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                  kAllFractionDigits)
                        .ptr;
  const char* point = std::find(first, end, '.');
  integerDigits->assign(first, point);
  const char* fraction = point == end ? end : point + 1;
  while (end != fraction && end[-1] == '0') --end;
  fractionDigits->assign(fraction, end);
}

// Keeps the first `kept` digits of a digit string that has more, one unit
// more in the last place kept when the rest is at least half of it (an exact
// half goes away from zero). A carry may grow the string by a digit.
void RoundDigits(std::string& digits, size_t kept) {
  const bool up = digits[kept] >= '5';
  digits.resize(kept);
  if (!up) return;
  for (size_t i = kept; i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

// The same rule for a whole number: a magnitude below 2^64 rounded to an
// integer. The fraction left after taking the integer part away is exact.
uint64_t RoundToWhole(double magnitude) {
  uint64_t whole = static_cast<uint64_t>(magnitude);
  if (magnitude - static_cast<double>(whole) >= 0.5) ++whole;
  return whole;
}

constexpr int kMaxSignificantDigits = 17;

void AppendUnsigned(std::string& out, uint64_t value) {
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace

void AppendRoundedMagnitude(std::string& out, double value, int decimals) {
  if (std::isnan(value)) {
    out += "nan";
    return;
  }
  value = std::fabs(value);
  if (std::isinf(value)) {
    out += "inf";
    return;
  }
  if (decimals == 0 && value < 1e17) {
    // Below 10^17 the integer part fits 64 bits and the fraction that is
    // left after subtracting it is exact, so this is the same rounding.
    AppendUnsigned(out, RoundToWhole(value));
    return;
  }
  std::string integerDigits;
  std::string fractionDigits;
  ExactDecimal(value, &integerDigits, &fractionDigits);
  const bool wholeIsZero = integerDigits == "0";
  const int integerLength = static_cast<int>(integerDigits.size());
  std::string digits;
  int resultIntegerLength;
  if (!wholeIsZero && integerLength + decimals > kMaxSignificantDigits) {
    digits = integerDigits + fractionDigits;
    digits.resize(std::max<size_t>(digits.size(), kMaxSignificantDigits + 1), '0');
    RoundDigits(digits, kMaxSignificantDigits);
    const int grown = static_cast<int>(digits.size()) - kMaxSignificantDigits;
    resultIntegerLength = integerLength + grown;
    digits.resize(resultIntegerLength + decimals, '0');
  } else {
    fractionDigits.resize(std::max<size_t>(fractionDigits.size(), decimals + 1), '0');
    digits = integerDigits + fractionDigits;
    RoundDigits(digits, integerLength + decimals);
    resultIntegerLength = static_cast<int>(digits.size()) - decimals;
  }
  out.append(digits, 0, resultIntegerLength);
  if (decimals > 0) {
    out.push_back('.');
    out.append(digits, resultIntegerLength, std::string::npos);
  }
}

bool WholeHellers(double crowns, int64_t* hellers) {
  const double product = crowns * 100.0;
  const double magnitude = std::fabs(product);
  // 2^63: the first magnitude that no longer fits a signed 64-bit count.
  if (!(magnitude < 9223372036854775808.0)) return false;
  const uint64_t whole = RoundToWhole(magnitude);
  if (whole > static_cast<uint64_t>(INT64_MAX)) return false;
  *hellers = product < 0 ? -static_cast<int64_t>(whole) : static_cast<int64_t>(whole);
  return true;
}

}  // namespace tarvolo
