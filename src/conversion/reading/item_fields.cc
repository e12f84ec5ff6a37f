#include "conversion/reading/item_fields.h"

#include "conversion/reading/csv_record.h"
#include "conversion/reading/statement_layout.h"
#include "conversion/values/number_reading.h"

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

// Any country's IBAN: two letters, two check digits, up to 30 letters and
// digits, the whole leaving 1 when divided by 97.
bool IsSoundIban(std::string_view iban) {
  if (iban.size() < 15 || iban.size() > 34 || !IsAsciiLetter(iban[0]) || !IsAsciiLetter(iban[1]) ||
      !IsDigit(iban[2]) || !IsDigit(iban[3])) {
    return false;
  }
  int remainder = 0;
  const auto add = [&remainder](char c) {
    if (IsDigit(c)) {
      remainder = (remainder * 10 + (c - '0')) % 97;
    } else {
      const int letter = (c >= 'a' ? c - 'a' : c - 'A') + 10;
      remainder = (remainder * 100 + letter) % 97;
    }
  };
  for (size_t i = 4; i < iban.size() + 4; ++i) {
    const char c = iban[i % iban.size()];
    if (!IsDigit(c) && !IsAsciiLetter(c)) return false;
    add(c);
  }
  return remainder == 1;
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
    *date = monthFirst && separator != '.' ? ItemDate{third, first, second}
                                           : ItemDate{third, second, first};
  } else {
    return false;
  }
  return date->year >= 1900 && date->year <= 2099 && IsRealDate(*date);
}

DateOrderHint SlashDateOrder(std::string_view text) {
  size_t i = 0;
  int32_t first = 0, second = 0, third = 0;
  if (ReadNumber(text, &i, 2, &first) == 0 || i >= text.size()) return DateOrderHint::kNone;
  const char separator = text[i++];
  if ((separator != '/' && separator != '-') || ReadNumber(text, &i, 2, &second) == 0 ||
      i >= text.size() || text[i++] != separator || ReadNumber(text, &i, 4, &third) != 4) {
    return DateOrderHint::kNone;
  }
  if (first > 12 && second <= 12) return DateOrderHint::kDayFirst;
  if (second > 12 && first <= 12) return DateOrderHint::kMonthFirst;
  return DateOrderHint::kNone;
}

Direction ReadDirection(std::string_view text) {
  const std::string value = NormaliseColumnName(text);
  // Whole words, as banks and services write them both ways.
  for (const char* debit : {"odchozi", "outgoing", "debit", "debet", "vydaj", "odepsano", "vyber",
                            "out", "d", "dr", "db", "-"}) {
    if (value == debit) return Direction::kDebit;
  }
  for (const char* credit : {"prichozi", "incoming", "credit", "kredit", "prijem", "pripsano",
                             "vklad", "in", "k", "c", "cr", "+"}) {
    if (value == credit) return Direction::kCredit;
  }
  // "Odchozí platba", "Příchozí úhrada", "Incoming payment".
  for (const char* debit : {"odchozi ", "outgoing "}) {
    if (StartsWith(value, debit)) return Direction::kDebit;
  }
  for (const char* credit : {"prichozi ", "incoming "}) {
    if (StartsWith(value, credit)) return Direction::kCredit;
  }
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
    // An IBAN, perhaps with its BIC after a slash; one of another country is
    // read whole, though no Czech account.
    const std::string_view iban = compact.substr(0, compact.find('/'));
    if (!ReadCzechIban(iban, &parts)) {
      parts = CounterAccountParts();
      parts.whole = IsSoundIban(iban);
    }
    return parts;
  }
  parts.whole = false;
  std::string_view rest = compact;
  int64_t value = 0;
  const size_t dash = rest.find('-');
  if (dash != std::string_view::npos) {
    if (!ReadDigitsOnly(rest.substr(0, dash), 6, &value)) return parts;
    parts.prefix = static_cast<int32_t>(value);
    rest.remove_prefix(dash + 1);
  }
  const size_t slash = rest.find('/');
  const std::string_view digits = rest.substr(0, slash);
  if (dash == std::string_view::npos && digits.size() > 10 && digits.size() <= 16) {
    // Prefix and number run together: the last ten digits are the number.
    if (!ReadDigitsOnly(digits.substr(0, digits.size() - 10), 6, &value)) {
      return CounterAccountParts(false);
    }
    parts.prefix = static_cast<int32_t>(value);
    if (!ReadDigitsOnly(digits.substr(digits.size() - 10), 10, &parts.number)) {
      return CounterAccountParts(false);
    }
  } else if (!ReadDigitsOnly(digits, 10, &parts.number)) {
    return CounterAccountParts(false);
  }
  if (slash != std::string_view::npos) {
    if (!ReadDigitsOnly(rest.substr(slash + 1), 4, &value)) return CounterAccountParts(false);
    parts.bankCode = static_cast<int32_t>(value);
  }
  if (ReadDigitsOnly(bank, 4, &value)) parts.bankCode = static_cast<int32_t>(value);
  if (ReadDigitsOnly(prefix, 6, &value)) parts.prefix = static_cast<int32_t>(value);
  parts.whole = true;
  return parts;
}

std::string_view KeepDigits(std::string_view text, std::string& out) {
  // Symbols are mostly digits alone, and are kept where they stand.
  size_t end = 0;
  while (end < text.size() && IsDigit(text[end])) ++end;
  if (end == text.size()) return text;
  out.assign(text.data(), end);
  for (size_t i = end; i < text.size(); ++i) {
    if (IsDigit(text[i])) out += text[i];
  }
  return out;
}

}  // namespace tarvolo
