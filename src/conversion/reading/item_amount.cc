#include "conversion/reading/item_amount.h"

#include <cstring>
#include <string>

#include "conversion/reading/csv_record.h"
#include "conversion/values/digits.h"
#include "conversion/values/number_reading.h"

namespace tarvolo {
namespace {

// Marks between digit groups that can never be a decimal mark.
inline bool IsGroupOnly(char c) { return c == ' ' || c == '\xA0' || c == '\''; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsFieldPadding(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsFieldPadding(text.back())) text.remove_suffix(1);
  return text;
}

// A currency at the start (`atStart`) or end of `text`, taken off it: three
// letters, "Kč", "€" or "$". Returns false for other letters.
bool TakeCurrency(std::string_view* text, bool atStart, char* code) {
  std::string_view t = *text;
  size_t length = 0;
  const auto at = [&t, atStart](size_t i) { return atStart ? t[i] : t[t.size() - 1 - i]; };
  while (length < t.size() && (IsAsciiLetter(at(length)) || at(length) == '\xE8')) ++length;
  const bool sign = length == 0 && !t.empty() && (at(0) == '\x80' || at(0) == '$');
  if (length == 0 && !sign) return true;
  std::string_view word =
      atStart ? t.substr(0, sign ? 1 : length) : t.substr(t.size() - (sign ? 1 : length));
  std::string upper;
  for (char c : word) upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  const char* found = nullptr;
  if (upper == "K\xC8" || upper == "K\xE8" || upper == "KC") found = "CZK";
  if (upper == "\x80") found = "EUR";
  if (upper == "$") found = "USD";
  if (found == nullptr && upper.size() == 3 && IsAsciiLetter(upper[0]) && IsAsciiLetter(upper[1]) &&
      IsAsciiLetter(upper[2])) {
    found = upper.c_str();
  }
  if (found == nullptr || code[0] != '\0') return false;
  std::memcpy(code, found, 3);
  code[3] = '\0';
  *text = Trim(atStart ? t.substr(word.size()) : t.substr(0, t.size() - word.size()));
  return true;
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

}  // namespace

char ShownDecimalMark(std::string_view text) {
  text = Trim(text);
  const Marks marks = CountMarks(text);
  if (marks.commas > 0 && marks.points > 0) return marks.lastComma > marks.lastPoint ? ',' : '.';
  if (marks.commas > 1) return '.';
  if (marks.points > 1) return ',';
  if (marks.commas == 1 && DigitsAfter(text, marks.lastComma) != 3) return ',';
  if (marks.points == 1 && DigitsAfter(text, marks.lastPoint) != 3) return '.';
  return 0;
}

namespace {

// [sign]digits[,digits] with at most two decimals, as nearly every amount
// is written: no mark in it can be a group mark. Read directly.
bool ReadPlainAmount(std::string_view t, ItemAmount* amount) {
  char number[24];
  if (t.size() >= sizeof number) return false;
  size_t marks = 0, afterMark = 0;
  for (size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    if (c == ',' || c == '.') {
      ++marks;
    } else if (!IsDigit(c) && !(i == 0 && (c == '-' || c == '+'))) {
      return false;
    } else if (marks > 0) {
      ++afterMark;
    }
    number[i] = c;
  }
  number[t.size()] = '\0';
  if (marks > 1 || (marks == 1 && (afterMark == 0 || afterMark > 2))) return false;
  if (!ReadPlainDecimal(number, &amount->value)) return false;
  amount->signWritten = t[0] == '-' || t[0] == '+';
  return true;
}

// Takes the signs and currencies around the number off `t`: brackets, a
// leading or trailing sign, a code before or after. Null, or why the text
// is no amount.
const char* TakeAffixes(std::string_view* t, bool* negative, ItemAmount* amount) {
  const char* notAmount = "text, který není částkou";
  if (t->size() >= 2 && t->front() == '(' && t->back() == ')') {
    *negative = amount->signWritten = true;
    *t = Trim(t->substr(1, t->size() - 2));
  }
  if (!TakeCurrency(t, true, amount->currency)) return notAmount;
  if (!t->empty() && (t->front() == '-' || t->front() == '+')) {
    if (amount->signWritten) return "dvě znaménka";
    *negative = t->front() == '-';
    amount->signWritten = true;
    *t = Trim(t->substr(1));
  }
  if (!TakeCurrency(t, false, amount->currency)) return notAmount;
  if (!t->empty() && t->back() == '-') {
    if (amount->signWritten) return "dvě znaménka";
    *negative = amount->signWritten = true;
    *t = Trim(t->substr(0, t->size() - 1));
  }
  if (!TakeCurrency(t, false, amount->currency)) return notAmount;
  if (t->empty()) return "žádné číslice";
  if (!IsDigit(t->back())) return notAmount;
  for (char c : *t) {
    if (!IsDigit(c) && c != ',' && c != '.' && !IsGroupOnly(c)) return notAmount;
  }
  return nullptr;
}

// Where the decimal mark of a number's body stands (npos for none).
AmountStatus FindDecimalMark(std::string_view t, const Marks& marks, char decimalMark,
                             size_t* decimal, ItemAmount* amount) {
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

// The digits of the whole part into `number`; false when its groups are
// not three digits each after the first, which has one to three.
bool WholeDigits(std::string_view t, const Marks& marks, size_t decimal, std::string* number) {
  size_t group = 0;
  bool first = true;
  for (size_t i = 0; i <= t.size(); ++i) {
    if (i < t.size() && IsDigit(t[i])) {
      ++group;
      *number += t[i];
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

}  // namespace

AmountStatus ReadItemAmount(std::string_view text, char decimalMark, ItemAmount* amount) {
  *amount = ItemAmount();
  std::string_view t = Trim(text);
  if (t.empty()) return AmountStatus::kEmpty;
  if (ReadPlainAmount(t, amount)) return AmountStatus::kRead;
  const auto refuse = [amount](const char* why) {
    amount->fault = why;
    return AmountStatus::kRefused;
  };
  bool negative = false;
  if (const char* fault = TakeAffixes(&t, &negative, amount)) return refuse(fault);
  const Marks marks = CountMarks(t);
  size_t decimal = 0;
  const AmountStatus mark = FindDecimalMark(t, marks, decimalMark, &decimal, amount);
  if (mark != AmountStatus::kRead) return mark;
  std::string number = negative ? "-" : "";
  if (!WholeDigits(t, marks, decimal, &number)) return refuse("nesprávně oddělené tisíce");
  if (decimal != std::string_view::npos) {
    std::string_view fraction = t.substr(decimal + 1);
    while (fraction.size() > 2 && fraction.back() == '0') fraction.remove_suffix(1);
    if (fraction.size() > 2) return refuse("víc než dvě desetinná místa");
    number += '.';
    number.append(fraction.data(), fraction.size());
  }
  bool outOfRange = false;
  if (!ReadPlainDecimal(number.c_str(), &amount->value)) {
    amount->value = ReadDecimalValue(number.c_str(), &outOfRange);
  }
  if (outOfRange) return refuse("mimo rozsah čísel");
  return AmountStatus::kRead;
}

}  // namespace tarvolo
