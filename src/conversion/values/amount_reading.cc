#include "conversion/values/amount_reading.h"

#include <cmath>

#include "conversion/values/blanks.h"
#include "conversion/values/decimal_digits.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/digits.h"
#include "conversion/values/grouped_amount.h"

namespace tarvolo {
namespace {

// [sign]digits[,digits] with up to 13 digits before the mark and one or two
// after it, and nothing else: the amount nearly every statement writes. Both
// rules read it alike, and its digits give its hellers exactly.
bool ReadPlainAmount(std::string_view t, AmountReading* amount) {
  const char* p = t.data();
  const char* const end = p + t.size();
  const bool signWritten = p != end && (*p == '-' || *p == '+');
  const bool negative = signWritten && *p == '-';
  if (signWritten) ++p;
  int64_t units = 0;
  // Up to `most` digits at `p` into `units`; how many, or -1 for more.
  const auto takeDigits = [&units, &p, end](int most) {
    int count = 0;
    for (unsigned digit; p != end && (digit = static_cast<unsigned char>(*p) - 0x30u) <= 9; ++p) {
      if (count++ == most) return -1;
      units = units * 10 + digit;
    }
    return count;
  };
  if (takeDigits(13) <= 0) return false;
  int64_t scale = 100;
  char mark = 0;
  if (p != end && (*p == ',' || *p == '.')) {
    mark = *p++;
    const int fraction = takeDigits(2);
    if (fraction <= 0) return false;
    scale = fraction == 1 ? 10 : 1;
  }
  if (p != end) return false;
  amount->status = AmountStatus::kRead;
  amount->hellers = negative ? -units * scale : units * scale;
  amount->signWritten = signWritten;
  amount->decimalMark = mark;
  return true;
}

// The hellers of a double, as the records have always rounded it, and what
// the rounding left.
void TakeHellers(double value, AmountReading* amount) {
  if (value == 0) return;
  int64_t hellers = 0;
  if (!WholeHellers(value, &hellers) || hellers >= kMostHellers || hellers <= -kMostHellers) {
    amount->hellers = value < 0 ? -kMostHellers : kMostHellers;
    return;
  }
  amount->hellers = hellers;
  // Exact: the hundredfold lies within half a heller of its rounding.
  const double rest = value * 100.0 - static_cast<double>(hellers);
  int32_t billionths = static_cast<int32_t>(std::round(rest * kRestPerHeller));
  if (hellers == 0 && billionths == 0) billionths = value < 0 ? -1 : 1;
  amount->rest = billionths;
}

// Blanks and no-break spaces count for nothing in a Czech amount: they
// separate its thousands wherever a user puts them.
inline bool IsGroupBlank(char c) { return c == ' ' || c == '\xA0'; }

void ReadCzechText(std::string_view t, AmountReading* amount) {
  const size_t n = t.size();
  size_t i = 0;
  while (i < n && (IsScanSpace(t[i]) || t[i] == '\xA0')) ++i;
  if (i == n) return;
  // The character at `k`, past any blanks, or NUL at the end.
  const auto at = [&t, n](size_t& k) {
    while (k < n && IsGroupBlank(t[k])) ++k;
    return k < n ? t[k] : '\0';
  };
  bool negative = false;
  if (at(i) == '+' || at(i) == '-') {
    negative = t[i++] == '-';
    amount->signWritten = true;
  }
  DecimalDigits digits;
  bool anyDigit = false, fraction = false;
  for (;; ++i) {
    const char c = at(i);
    if (IsDigit(c)) {
      digits.Add(c, fraction);
      anyDigit = true;
    } else if (!fraction && (c == '.' || c == ',')) {
      fraction = true;
      amount->decimalMark = c;
    } else {
      break;
    }
  }
  if (!anyDigit) {
    amount->status = AmountStatus::kRefused;
    amount->decimalMark = 0;
    amount->fault = "žádné číslice";
    return;
  }
  // An exponent needs a digit after its letter and sign; else the number
  // ends before the letter.
  int64_t exponent = 0;
  size_t k = i;
  const char letter = at(k);
  if (letter == 'e' || letter == 'E' || letter == 'd' || letter == 'D') {
    ++k;
    bool below = false;
    if (at(k) == '+' || at(k) == '-') below = t[k++] == '-';
    if (IsDigit(at(k))) {
      for (char c; IsDigit(c = at(k)); ++k) {
        if (exponent < 1000000000) exponent = exponent * 10 + (c - '0');
      }
      if (below) exponent = -exponent;
      i = k;
    }
  }
  double value = 0;
  bool tooLarge = false;
  if (!digits.Value(negative, exponent, &value, &tooLarge) && tooLarge) {
    amount->status = AmountStatus::kOutOfRange;
    return;
  }
  while (i < n && (IsScanSpace(t[i]) || t[i] == '\xA0')) ++i;
  amount->status = i == n ? AmountStatus::kRead : AmountStatus::kPartlyRead;
  TakeHellers(value, amount);
}

}  // namespace

AmountReading ReadAmount(std::string_view text, AmountRules rules, char decimalMark) {
  AmountReading amount;
  if (rules == AmountRules::kCzechText) {
    if (!ReadPlainAmount(text, &amount)) ReadCzechText(text, &amount);
    return amount;
  }
  text = TrimAmount(text);
  if (!text.empty() && !ReadPlainAmount(text, &amount)) {
    ReadGroupedAmount(text, decimalMark, &amount);
  }
  return amount;
}

}  // namespace tarvolo
