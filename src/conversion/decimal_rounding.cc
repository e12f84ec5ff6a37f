#include "conversion/decimal_rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace tarvolo {
namespace {

// An unsigned integer of any size, little-endian in 32-bit limbs; just enough
// arithmetic to write a double's exact decimal expansion.
class BigUnsigned {
 public:
  explicit BigUnsigned(uint64_t value) {
    limbs_.push_back(static_cast<uint32_t>(value));
    limbs_.push_back(static_cast<uint32_t>(value >> 32));
    Normalise();
  }

  void MultiplyBy(uint32_t factor) {
    uint64_t carry = 0;
    for (uint32_t& limb : limbs_) {
      const uint64_t product = static_cast<uint64_t>(limb) * factor + carry;
      limb = static_cast<uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<uint32_t>(carry));
  }

  void ShiftLeft(int bits) {
    for (; bits >= 32; bits -= 32) limbs_.insert(limbs_.begin(), 0u);
    if (bits == 0) return;
    uint32_t carry = 0;
    for (uint32_t& limb : limbs_) {
      const uint32_t next = limb >> (32 - bits);
      limb = (limb << bits) | carry;
      carry = next;
    }
    if (carry != 0) limbs_.push_back(carry);
  }

  // Decimal digits without leading zeros; "" for zero.
  std::string ToDecimal() const {
    std::vector<uint32_t> work = limbs_;
    std::string reversed;
    while (!work.empty()) {
      uint64_t remainder = 0;
      for (size_t i = work.size(); i-- > 0;) {
        const uint64_t current = (remainder << 32) | work[i];
        work[i] = static_cast<uint32_t>(current / 1000000000u);
        remainder = current % 1000000000u;
      }
      while (!work.empty() && work.back() == 0) work.pop_back();
      for (int d = 0; d < 9; ++d) {
        reversed.push_back(static_cast<char>('0' + remainder % 10));
        remainder /= 10;
      }
    }
    while (!reversed.empty() && reversed.back() == '0') reversed.pop_back();
    return std::string(reversed.rbegin(), reversed.rend());
  }

 private:
  void Normalise() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }
  std::vector<uint32_t> limbs_;
};

// The exact decimal expansion of a finite non-negative double: integer digits
// ("0" for zero) and every fraction digit (trailing zeros dropped).
void ExactDecimal(double value, std::string* integerDigits,
                  std::string* fractionDigits) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
  int exponent;
  if (biased == 0) {
    exponent = -1074;
  } else {
    mantissa |= uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  fractionDigits->clear();
  if (exponent >= 0) {
    BigUnsigned whole(mantissa);
    whole.ShiftLeft(exponent);
    *integerDigits = whole.ToDecimal();
  } else {
    const int fractionBits = -exponent;
    uint64_t whole = 0;
    uint64_t fraction = mantissa;
    if (fractionBits < 64) {
      whole = mantissa >> fractionBits;
      fraction = mantissa & ((uint64_t{1} << fractionBits) - 1);
    }
    *integerDigits = BigUnsigned(whole).ToDecimal();
    if (fraction != 0) {
      // fraction / 2^n == fraction * 5^n / 10^n
      BigUnsigned scaled(fraction);
      int n = fractionBits;
      for (; n >= 13; n -= 13) scaled.MultiplyBy(1220703125u);  // 5^13
      for (; n > 0; --n) scaled.MultiplyBy(5);
      std::string digits = scaled.ToDecimal();
      *fractionDigits = std::string(fractionBits - digits.size(), '0') + digits;
      while (!fractionDigits->empty() && fractionDigits->back() == '0') {
        fractionDigits->pop_back();
      }
    }
  }
  if (integerDigits->empty()) *integerDigits = "0";
}

// Adds one unit in the last place of a digit string; may grow it by a digit.
void IncrementDigits(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

constexpr int kMaxSignificantDigits = 17;

void AppendUnsigned(std::string& out, uint64_t value) {
  char buffer[24];
  int length = 0;
  do {
    buffer[length++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (length > 0) out.push_back(buffer[--length]);
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
    uint64_t whole = static_cast<uint64_t>(value);
    if (value - static_cast<double>(whole) >= 0.5) ++whole;
    AppendUnsigned(out, whole);
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
    std::string significant = integerDigits + fractionDigits;
    significant.resize(
        std::max<size_t>(significant.size(), kMaxSignificantDigits + 1), '0');
    const bool roundUp = significant[kMaxSignificantDigits] >= '5';
    digits = significant.substr(0, kMaxSignificantDigits);
    if (roundUp) IncrementDigits(digits);
    const int grown = static_cast<int>(digits.size()) - kMaxSignificantDigits;
    resultIntegerLength = integerLength + grown;
    digits.resize(resultIntegerLength + decimals, '0');
  } else {
    fractionDigits.resize(std::max<size_t>(fractionDigits.size(), decimals + 1),
                          '0');
    digits = integerDigits + fractionDigits.substr(0, decimals);
    if (fractionDigits[decimals] >= '5') IncrementDigits(digits);
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
  uint64_t whole = static_cast<uint64_t>(magnitude);
  if (magnitude - static_cast<double>(whole) >= 0.5) ++whole;
  if (whole > static_cast<uint64_t>(INT64_MAX)) return false;
  *hellers = product < 0 ? -static_cast<int64_t>(whole)
                         : static_cast<int64_t>(whole);
  return true;
}

}  // namespace tarvolo
