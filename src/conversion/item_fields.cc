#include "conversion/item_fields.h"

#include "conversion/csv_record.h"
#include "conversion/number_reading.h"
#include "conversion/statement_layout.h"

namespace tarvolo {
namespace {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Reads 1 to `maxDigits` digits at `*i`; returns how many were read.
int ReadNumber(std::string_view text, size_t* i, int maxDigits, int32_t* value) {
  int count = 0;
  *value = 0;
  while (*i < text.size() && IsDigit(text[*i])) {
    if (++count > maxDigits) return 0;
    *value = *value * 10 + (text[*i] - '0');
    ++*i;
  }
  return count;
}

// Digits of a field: at most `maxDigits`, at least one, nothing else.
bool ReadDigitsOnly(std::string_view text, int maxDigits, int64_t* value) {
  if (text.empty() || text.size() > static_cast<size_t>(maxDigits)) return false;
  *value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return false;
    *value = *value * 10 + (c - '0');
  }
  return true;
}

// CZkk BBBB PPPPPP NNNNNNNNNN, blanks removed, with a sound check number.
bool ReadCzechIban(std::string_view iban, CounterAccountParts* parts) {
  if (iban.size() != 24 || (iban[0] != 'C' && iban[0] != 'c') ||
      (iban[1] != 'Z' && iban[1] != 'z')) {
    return false;
  }
  for (size_t i = 2; i < iban.size(); ++i) {
    if (!IsDigit(iban[i])) return false;
  }
  // The check: the digits after the first four, then C=12, Z=35 and the
  // check digits, taken as one number, leave 1 when divided by 97.
  int remainder = 0;
  auto add = [&remainder](char digit) { remainder = (remainder * 10 + (digit - '0')) % 97; };
  for (size_t i = 4; i < iban.size(); ++i) add(iban[i]);
  for (char digit : {'1', '2', '3', '5'}) add(digit);
  add(iban[2]);
  add(iban[3]);
  if (remainder != 1) return false;
  int64_t value = 0;
  ReadDigitsOnly(iban.substr(4, 4), 4, &value);
  parts->bankCode = static_cast<int32_t>(value);
  ReadDigitsOnly(iban.substr(8, 6), 6, &value);
  parts->prefix = static_cast<int32_t>(value);
  ReadDigitsOnly(iban.substr(14, 10), 10, &value);
  parts->number = value;
  return true;
}

bool StartsWith(const std::string& text, const char* start) {
  return text.compare(0, std::char_traits<char>::length(start), start) == 0;
}

}  // namespace

bool ReadItemDate(std::string_view text, ItemDate* date, bool monthFirst) {
  size_t i = 0;
  int32_t first = 0, second = 0, third = 0;
  const int firstDigits = ReadNumber(text, &i, 4, &first);
  if (firstDigits == 0 || i >= text.size()) return false;
  const char separator = text[i++];
  if (separator != '.' && separator != '/' && separator != '-') return false;
  // "1. 2. 2024" is written too.
  while (separator == '.' && i < text.size() && text[i] == ' ') ++i;
  if (ReadNumber(text, &i, 2, &second) == 0 || i >= text.size() || text[i++] != separator) {
    return false;
  }
  while (separator == '.' && i < text.size() && text[i] == ' ') ++i;
  const int thirdDigits = ReadNumber(text, &i, 4, &third);
  if (i < text.size() && text[i] != ' ' && text[i] != 'T') return false;
  if (firstDigits == 4 && separator != '.' && thirdDigits <= 2) {
    *date = {first, second, third};
  } else if (firstDigits <= 2 && thirdDigits == 4) {
    *date = monthFirst && separator == '/' ? ItemDate{third, first, second}
                                           : ItemDate{third, second, first};
  } else {
    return false;
  }
  return date->year >= 1900 && date->year <= 2099 && IsRealDate(*date);
}

DateOrderHint SlashDateOrder(std::string_view text) {
  size_t i = 0;
  int32_t first = 0, second = 0, third = 0;
  if (ReadNumber(text, &i, 2, &first) == 0 || i >= text.size() || text[i++] != '/' ||
      ReadNumber(text, &i, 2, &second) == 0 || i >= text.size() || text[i++] != '/' ||
      ReadNumber(text, &i, 4, &third) != 4) {
    return DateOrderHint::kNone;
  }
  if (first > 12 && second <= 12) return DateOrderHint::kDayFirst;
  if (second > 12 && first <= 12) return DateOrderHint::kMonthFirst;
  return DateOrderHint::kNone;
}

bool ReadItemAmount(std::string_view text, ItemAmount* amount) {
  // Nearly every amount is [sign]digits[,digits]: read as it stands when
  // the plain reading takes it whole, with the same value as below.
  char number[64];
  if (text.size() < sizeof number) {
    bool plain = true;
    for (size_t k = 0; k < text.size(); ++k) {
      const char c = text[k];
      plain = plain && (IsDigit(c) || c == ',' || c == '.' || c == '-' || c == '+');
      number[k] = c;
    }
    number[text.size()] = '\0';
    if (plain && ReadPlainDecimal(number, &amount->value)) {
      amount->signWritten = text[0] == '-' || text[0] == '+';
      return true;
    }
  }
  size_t i = 0;
  bool negative = false;
  amount->signWritten = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    amount->signWritten = true;
    ++i;
    while (i < text.size() && IsFieldPadding(text[i])) ++i;
  }
  // The number's characters, up to what follows it (a currency code).
  const size_t start = i;
  int commas = 0, points = 0;
  size_t lastComma = 0, lastPoint = 0;
  bool anyDigit = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      anyDigit = true;
    } else if (c == ',') {
      ++commas;
      lastComma = i;
    } else if (c == '.') {
      ++points;
      lastPoint = i;
    } else if (c != ' ' && c != '\xA0' && c != '\'') {
      break;
    }
  }
  if (!anyDigit) return false;
  // A currency code or sign may follow ("CZK", "Kč").
  for (size_t k = i; k < text.size(); ++k) {
    if (!IsAsciiLetter(text[k]) && !IsFieldPadding(text[k]) &&
        static_cast<unsigned char>(text[k]) < 0x80) {
      return false;
    }
  }
  // Which of comma and point is the decimal separator, if any.
  size_t decimal = std::string_view::npos;
  if (commas > 0 && points > 0) {
    decimal = lastComma > lastPoint ? lastComma : lastPoint;
    if ((decimal == lastComma ? commas : points) > 1) return false;
  } else if (commas == 1) {
    decimal = lastComma;
  } else if (points == 1) {
    decimal = lastPoint;
  }
  size_t length = 0;
  if (negative) number[length++] = '-';
  for (size_t k = start; k < i; ++k) {
    if (length + 2 >= sizeof number) return false;
    if (IsDigit(text[k])) {
      number[length++] = text[k];
    } else if (k == decimal) {
      number[length++] = '.';
    }
  }
  number[length] = '\0';
  if (ReadPlainDecimal(number, &amount->value)) return true;
  bool outOfRange = false;
  amount->value = ReadDecimalValue(number, &outOfRange);
  return !outOfRange;
}

Direction ReadDirection(std::string_view text) {
  const std::string value = NormaliseColumnName(text);
  for (const char* debit : {"odchozi", "outgoing", "debit", "debet", "vydaj"}) {
    if (StartsWith(value, debit)) return Direction::kDebit;
  }
  for (const char* credit : {"prichozi", "incoming", "credit", "kredit", "prijem"}) {
    if (StartsWith(value, credit)) return Direction::kCredit;
  }
  if (value == "d" || value == "dr" || value == "-") return Direction::kDebit;
  if (value == "c" || value == "cr" || value == "+") return Direction::kCredit;
  return Direction::kUnknown;
}

CounterAccountParts ReadCounterAccountColumns(std::string_view account, std::string_view bank,
                                              std::string_view prefix) {
  // Without its blanks; an account or IBAN fits the buffer on the stack.
  // Most are written without any and are read where they stand.
  char buffer[64];
  std::string longer;
  size_t blank = 0;
  while (blank < account.size() && !IsFieldPadding(account[blank])) ++blank;
  std::string_view compact = account;
  if (blank < account.size()) {
    char* kept = buffer;
    if (account.size() > sizeof buffer) {
      longer.resize(account.size());
      kept = &longer[0];
    }
    size_t length = 0;
    for (char c : account) {
      if (!IsFieldPadding(c)) kept[length++] = c;
    }
    compact = std::string_view(kept, length);
  }
  CounterAccountParts parts;
  if (compact.empty()) return parts;
  if (compact.size() >= 2 && IsAsciiLetter(compact[0]) && IsAsciiLetter(compact[1])) {
    // An IBAN, perhaps with its BIC after a slash.
    if (!ReadCzechIban(compact.substr(0, compact.find('/')), &parts)) {
      parts = CounterAccountParts();
    }
    return parts;
  }
  std::string_view rest = compact;
  int64_t value = 0;
  const size_t dash = rest.find('-');
  if (dash != std::string_view::npos) {
    if (!ReadDigitsOnly(rest.substr(0, dash), 6, &value)) return parts;
    parts.prefix = static_cast<int32_t>(value);
    rest.remove_prefix(dash + 1);
  }
  const size_t slash = rest.find('/');
  if (!ReadDigitsOnly(rest.substr(0, slash), 10, &parts.number)) return CounterAccountParts();
  if (slash != std::string_view::npos) {
    if (!ReadDigitsOnly(rest.substr(slash + 1), 4, &value)) return CounterAccountParts();
    parts.bankCode = static_cast<int32_t>(value);
  }
  if (ReadDigitsOnly(bank, 4, &value)) parts.bankCode = static_cast<int32_t>(value);
  if (ReadDigitsOnly(prefix, 6, &value)) parts.prefix = static_cast<int32_t>(value);
  return parts;
}

void KeepDigits(std::string_view text, std::string& out) {
  // Gathered on the stack and handed over at once: symbols are short.
  char digits[32];
  size_t length = 0;
  out.clear();
  if (text.empty()) return;
  for (char c : text) {
    if (!IsDigit(c)) continue;
    if (length == sizeof digits) {
      out.append(digits, length);
      length = 0;
    }
    digits[length++] = c;
  }
  out.append(digits, length);
}

}  // namespace tarvolo
