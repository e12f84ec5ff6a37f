#include "conversion/values/grouped_amount.h"

#include <cstring>

#include "conversion/values/blanks.h"
#include "conversion/values/decimal_digits.h"
#include "conversion/values/digits.h"

namespace tarvolo {
namespace {

// Marks between digit groups that can never be a decimal mark.
inline bool IsGroupOnly(char c) { return c == ' ' || c == '\xA0' || c == '\''; }

// 'č' and 'Č' belong to the currency "Kč" as the letters do.
inline bool IsCurrencyLetter(char c) { return IsAsciiLetter(c) || c == '\xE8' || c == '\xC8'; }

const char kNotAmount[] = "text, který není částkou";

// A currency at the start (`atStart`) or end of `text`, taken off it: three
// letters, "Kč", "€" or "$". Returns false for other letters, and for a
// second currency.
bool TakeCurrency(std::string_view* text, bool atStart, char* code) {
  const std::string_view t = *text;
  const auto at = [&t, atStart](size_t i) { return atStart ? t[i] : t[t.size() - 1 - i]; };
  size_t length = 0;
  while (length < t.size() && IsCurrencyLetter(at(length))) ++length;
  const bool sign = length == 0 && !t.empty() && (at(0) == '\x80' || at(0) == '$');
  if (length == 0 && !sign) return true;
  const size_t size = sign ? 1 : length;
  if (size > 3) return false;
  char upper[4] = {};
  for (size_t i = 0; i < size; ++i) {
    const char c = atStart ? t[i] : t[t.size() - size + i];
    upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  const std::string_view word(upper, size);
  const char* found = nullptr;
  if (word == "K\xC8" || word == "K\xE8" || word == "KC") found = "CZK";
  if (word == "\x80") found = "EUR";
  if (word == "$") found = "USD";
  if (found == nullptr && size == 3 && IsAsciiLetter(upper[0]) && IsAsciiLetter(upper[1]) &&
      IsAsciiLetter(upper[2])) {
    found = upper;
  }
  if (found == nullptr || code[0] != '\0') return false;
  std::memcpy(code, found, 3);
  code[3] = '\0';
  *text = TrimAmount(atStart ? t.substr(size) : t.substr(0, t.size() - size));
  return true;
}

// Takes the signs and currencies around the number off `t`: brackets, a
// leading or trailing sign, a code before or after. Null, or why the text
// is no amount.
const char* TakeAffixes(std::string_view* t, bool* negative, AmountReading* amount) {
  if (t->size() >= 2 && t->front() == '(' && t->back() == ')') {
    *negative = amount->signWritten = true;
    *t = TrimAmount(t->substr(1, t->size() - 2));
  }
  if (!TakeCurrency(t, true, amount->currency)) return kNotAmount;
  if (!t->empty() && (t->front() == '-' || t->front() == '+')) {
    if (amount->signWritten) return "dvě znaménka";
    *negative = t->front() == '-';
    amount->signWritten = true;
    *t = TrimAmount(t->substr(1));
  }
  if (!TakeCurrency(t, false, amount->currency)) return kNotAmount;
  if (!t->empty() && t->back() == '-') {
    if (amount->signWritten) return "dvě znaménka";
    *negative = amount->signWritten = true;
    *t = TrimAmount(t->substr(0, t->size() - 1));
  }
  if (!TakeCurrency(t, false, amount->currency)) return kNotAmount;
  if (t->empty()) return "žádné číslice";
  if (!IsDigit(t->back())) return kNotAmount;
  for (char c : *t) {
    if (!IsDigit(c) && c != ',' && c != '.' && !IsGroupOnly(c)) return kNotAmount;
  }
  return nullptr;
}

// The marks of a number's body ([digits and marks]).
struct Marks {
  int commas = 0, points = 0;
  size_t lastComma = 0, lastPoint = 0;
  bool groupOnly = false;
};

Marks CountMarks(std::string_view body) {
  Marks marks;
  for (size_t i = 0; i < body.size(); ++i) {
    if (body[i] == ',') ++marks.commas, marks.lastComma = i;
    if (body[i] == '.') ++marks.points, marks.lastPoint = i;
    if (IsGroupOnly(body[i])) marks.groupOnly = true;
  }
  return marks;
}

size_t DigitsAfter(std::string_view body, size_t at) {
  size_t count = 0;
  while (at + 1 + count < body.size() && IsDigit(body[at + 1 + count])) ++count;
  return count;
}

// Where the decimal mark of a number's body stands (npos for none); the
// file's `decimalMark` decides a lone mark before three digits.
AmountStatus FindDecimalMark(std::string_view t, const Marks& marks, char decimalMark,
                             size_t* decimal, AmountReading* amount) {
  *decimal = std::string_view::npos;
  if (marks.commas > 0 && marks.points > 0) {
    *decimal = marks.lastComma > marks.lastPoint ? marks.lastComma : marks.lastPoint;
    if ((t[*decimal] == ',' ? marks.commas : marks.points) > 1) {
      amount->fault = "nejednoznačné oddělovače";
      return AmountStatus::kRefused;
    }
  } else if (marks.commas + marks.points == 1) {
    const size_t at = marks.commas == 1 ? marks.lastComma : marks.lastPoint;
    if (DigitsAfter(t, at) != 3 || marks.groupOnly || t[at] == decimalMark) {
      *decimal = at;
    } else if (decimalMark == 0) {
      amount->ambiguousMark = t[at];
      amount->fault = "nelze rozhodnout, zda je čárka nebo tečka desetinná";
      return AmountStatus::kAmbiguous;
    }
  }
  return AmountStatus::kRead;
}

// Whether the whole part's groups are three digits each after the first,
// which has one to three.
bool GroupedWell(std::string_view t, const Marks& marks, size_t decimal) {
  size_t group = 0;
  bool first = true;
  for (size_t i = 0; i <= t.size(); ++i) {
    if (i < t.size() && IsDigit(t[i])) {
      ++group;
      continue;
    }
    if (i == decimal || i == t.size()) {
      const bool grouped = marks.commas + marks.points > 1 || marks.groupOnly;
      return !(first && group > 3 && decimal != std::string_view::npos && i == decimal &&
               grouped) &&
             (first || group == 3);
    }
    if ((first && (group == 0 || group > 3)) || (!first && group != 3)) return false;
    first = false;
    group = 0;
  }
  return true;
}

// The decimal mark that a mark separating thousands leaves, 0 for none.
char OtherMark(const Marks& marks, size_t decimal, std::string_view t) {
  if (decimal != std::string_view::npos) return t[decimal];
  if (marks.commas > 0) return '.';
  if (marks.points > 0) return ',';
  return 0;
}

// Hellers of up to this many digits of crowns fit 64 bits, and more than
// any record or balance holds.
constexpr int kExactCrownDigits = 16;

}  // namespace

std::string_view TrimAmount(std::string_view text) {
  while (!text.empty() && IsFieldPadding(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsFieldPadding(text.back())) text.remove_suffix(1);
  return text;
}

void ReadGroupedAmount(std::string_view t, char decimalMark, AmountReading* amount) {
  const auto refuse = [amount](const char* why) {
    amount->status = AmountStatus::kRefused;
    amount->fault = why;
  };
  bool negative = false;
  if (const char* fault = TakeAffixes(&t, &negative, amount)) return refuse(fault);
  const Marks marks = CountMarks(t);
  size_t decimal = 0;
  amount->status = FindDecimalMark(t, marks, decimalMark, &decimal, amount);
  if (amount->status != AmountStatus::kRead) return;
  if (!GroupedWell(t, marks, decimal)) return refuse("nesprávně oddělené tisíce");
  std::string_view fraction;
  if (decimal != std::string_view::npos) {
    fraction = t.substr(decimal + 1);
    while (fraction.size() > 2 && fraction.back() == '0') fraction.remove_suffix(1);
    if (fraction.size() > 2) return refuse("víc než dvě desetinná místa");
    // A mark among the decimals would drop the digits after it.
    if (!IsDigitsOnly(fraction) && !fraction.empty()) return refuse(kNotAmount);
  }
  const std::string_view whole = t.substr(0, decimal);
  int significant = 0;
  int64_t crowns = 0;
  for (char c : whole) {
    if (!IsDigit(c) || (significant == 0 && c == '0')) continue;
    if (++significant <= kExactCrownDigits) crowns = crowns * 10 + (c - '0');
  }
  int64_t hellers = 0;
  if (significant <= kExactCrownDigits) {
    hellers = crowns * 100;
    if (fraction.size() >= 1) hellers += (fraction[0] - '0') * 10;
    if (fraction.size() == 2) hellers += fraction[1] - '0';
  } else {
    // Only whether the number lies within the range of numbers is left.
    DecimalDigits digits;
    for (char c : whole) {
      if (IsDigit(c)) digits.Add(c, false);
    }
    for (char c : fraction) digits.Add(c, true);
    double value = 0;
    if (!digits.Value(false, 0, &value)) {
      amount->status = AmountStatus::kOutOfRange;
      amount->fault = "mimo rozsah čísel";
      return;
    }
    hellers = kMostHellers;
  }
  amount->hellers = negative ? -hellers : hellers;
  amount->decimalMark = OtherMark(marks, decimal, t);
}

}  // namespace tarvolo
