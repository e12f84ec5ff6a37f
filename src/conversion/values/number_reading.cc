#include "conversion/values/number_reading.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "conversion/values/digits.h"

namespace tarvolo {
namespace {

// A wide target holds numbers of up to 18 digits exactly. Longer numbers keep
// their last 18 digits plus 10^18, so that they still read as too long for
// any field instead of wrapping into a plausible small value.
constexpr uint64_t kWideModulus = 1000000000000000000ull;

// Whether a decimal number that a double cannot hold is too large rather than
// too small: the power of ten of its first significant digit decides, as the
// two ends of the range lie hundreds of powers apart.
bool AtLeastOne(const char* mantissa, const char* mantissaEnd, const char* exponent,
                const char* exponentEnd) {
  int64_t power = 0;
  bool significant = false, afterPoint = false;
  for (const char* p = mantissa; p != mantissaEnd; ++p) {
    if (*p == '.') {
      afterPoint = true;
    } else if (!significant && *p == '0') {
      if (afterPoint) --power;
    } else if (!significant) {
      significant = true;
      if (afterPoint) --power;
    } else if (!afterPoint) {
      ++power;
    }
  }
  if (!significant) return false;
  int64_t shift = 0;
  bool negative = false;
  for (const char* p = exponent; p != exponentEnd; ++p) {
    if (*p == '-') negative = true;
    if (IsDigit(*p) && shift < 1000000000) shift = shift * 10 + (*p - '0');
  }
  return power + (negative ? -shift : shift) >= 0;
}

}  // namespace

int ScanPattern(const char* text, const char* pattern, std::initializer_list<ScanTarget> targets) {
  const ScanTarget* target = targets.begin();
  int stored = 0;
  const char* t = text;
  const char* p = pattern;
  while (*p != '\0') {
    if (*p != '%') {
      if (*t != *p) break;
      ++t;
      ++p;
      continue;
    }
    ++p;
    int width = 0;
    while (IsDigit(*p)) width = width * 10 + (*p++ - '0');
    if (*p != 'd') break;  // the program's patterns hold only %d fields
    ++p;
    while (IsScanSpace(*t)) ++t;
    int left = width > 0 ? width : -1;
    bool negative = false;
    if ((*t == '+' || *t == '-') && left != 0) {
      negative = *t == '-';
      ++t;
      --left;
    }
    uint32_t narrow = 0;
    uint64_t wide = 0;
    bool wideOverflow = false;
    int digits = 0;
    while (left != 0 && IsDigit(*t)) {
      const unsigned digit = static_cast<unsigned>(*t - '0');
      narrow = narrow * 10u + digit;
      wide = wide * 10u + digit;
      if (wide >= kWideModulus) {
        wide %= kWideModulus;
        wideOverflow = true;
      }
      ++digits;
      ++t;
      --left;
    }
    if (digits == 0 || target == targets.end()) break;
    if (target->narrow) {
      const uint32_t value = negative ? 0u - narrow : narrow;
      *target->narrow = static_cast<int32_t>(value);
    } else if (target->wide) {
      const int64_t value = static_cast<int64_t>(wide + (wideOverflow ? kWideModulus : 0));
      *target->wide = negative ? -value : value;
    }
    ++target;
    ++stored;
  }
  return stored;
}

double ReadDecimalValue(const char* text, bool* outOfRange, bool* tooLarge, const char** end) {
  if (end) *end = text;
  if (outOfRange) *outOfRange = false;
  if (tooLarge) *tooLarge = false;
  const char* p = text;
  while (IsScanSpace(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  const char* mantissa = p;
  bool anyDigit = false;
  while (IsDigit(*p)) ++p, anyDigit = true;
  if (*p == '.') {
    ++p;
    while (IsDigit(*p)) ++p, anyDigit = true;
  }
  if (!anyDigit) return 0.0;
  const char* numberEnd = p;
  const char* mantissaEnd = p;
  char exponentLetter = 0;
  if (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D') {
    const char* q = p + 1;
    if (*q == '+' || *q == '-') ++q;
    if (IsDigit(*q)) {
      exponentLetter = *p;
      while (IsDigit(*q)) ++q;
      numberEnd = q;
    }
  }
  // from_chars knows only 'e' as the exponent letter; its own syntax for the
  // rest matches exactly what was taken above.
  double value = 0.0;
  std::from_chars_result result;
  if (exponentLetter == 'd' || exponentLetter == 'D') {
    std::string number(mantissa, numberEnd);
    number[number.find(exponentLetter)] = 'e';
    result = std::from_chars(number.data(), number.data() + number.size(), value,
                             std::chars_format::general);
  } else {
    result = std::from_chars(mantissa, numberEnd, value, std::chars_format::general);
  }
  if (result.ec != std::errc() || !std::isfinite(value)) {
    if (outOfRange) *outOfRange = true;
    if (tooLarge) {
      *tooLarge = AtLeastOne(mantissa, mantissaEnd, exponentLetter ? mantissaEnd + 1 : numberEnd,
                             numberEnd);
    }
    value = 0.0;
  }
  if (end) *end = numberEnd;
  return negative ? -value : value;
}

// An amount as statements write it nearly always, [sign]digits[,digits] with
// at most 13 digits before the decimal comma or point and 2 after, read
// directly: its count of hellers is exact in a double, and so is the
// division that turns it into crowns, which gives the double nearest to the
// decimal text, as reading the text does.
bool ReadPlainDecimal(const char* text, double* value) {
  const char* p = text;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  int64_t units = 0;
  // Up to `most` digits at `p` into `units`; how many, or -1 for more.
  const auto takeDigits = [&units, &p](int most) {
    int count = 0;
    for (unsigned digit; (digit = static_cast<unsigned char>(p[count]) - 0x30u) <= 9; ++count) {
      if (count == most) return -1;
      units = units * 10 + digit;
    }
    p += count;
    return count;
  };
  if (takeDigits(13) <= 0) return false;
  double scale = 1;
  if (*p == ',' || *p == '.') {
    ++p;
    const int fraction = takeDigits(2);
    if (fraction <= 0) return false;
    scale = fraction == 1 ? 10 : 100;
  }
  if (*p != '\0') return false;
  const double magnitude = static_cast<double>(units) / scale;
  *value = negative ? -magnitude : magnitude;
  return true;
}

double ReadAmountText(const char* text, bool* tooLarge, bool* partly) {
  double plain = 0;
  if (partly) *partly = false;
  if (ReadPlainDecimal(text, &plain)) {
    if (tooLarge) *tooLarge = false;
    return plain;
  }
  // Amounts fit the buffer on the stack; a longer text is read all the same.
  char buffer[64];
  std::string longer;
  const size_t length = std::strlen(text);
  char* cleaned = buffer;
  if (length >= sizeof buffer) {
    longer.resize(length + 1);
    cleaned = &longer[0];
  }
  size_t kept = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p == ' ' || *p == '\xA0') continue;
    cleaned[kept++] = *p == ',' ? '.' : *p;
  }
  cleaned[kept] = '\0';
  const char* end = cleaned;
  const double value = ReadDecimalValue(cleaned, nullptr, tooLarge, &end);
  while (IsScanSpace(*end)) ++end;
  if (partly) *partly = *end != '\0';
  return value;
}

}  // namespace tarvolo
