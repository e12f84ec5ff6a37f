#include "conversion/reading/text/item_fields.h"

#include <cstring>

#include "conversion/reading/layouts/layout_table.h"
#include "conversion/reading/text/csv_record.h"
#include "conversion/reading/text/month_name_date.h"
#include "conversion/values/digits.h"
#include "conversion/values/iban.h"

namespace tarvolo {
namespace {

// Reads 1 to `maxDigits` digits at `*i`; returns how many were read. One
// pass over the digits, as a date's parts are read on every line.
int ReadNumber(std::string_view text, size_t* i, int maxDigits, int32_t* value) {
  int count = 0;
  *value = 0;
  for (; *i < text.size() && IsDigit(text[*i]); ++*i) {
    if (++count > maxDigits) return 0;
    *value = *value * 10 + (text[*i] - '0');
  }
  return count;
}

// CZkk BBBB PPPPPP NNNNNNNNNN, blanks removed, with a sound check number.
bool ReadCzechIban(std::string_view iban, CounterAccountParts* parts) {
  if (iban.size() != 24 || (iban[0] != 'C' && iban[0] != 'c') ||
      (iban[1] != 'Z' && iban[1] != 'z')) {
    return false;
  }
  if (!IsDigitsOnly(iban.substr(2)) || IbanRemainder(iban) != 1) return false;
  ReadDigitsOnly(iban.substr(4, 4), 4, &parts->bankCode);
  ReadDigitsOnly(iban.substr(8, 6), 6, &parts->prefix);
  ReadDigitsOnly(iban.substr(14, 10), 10, &parts->number);
  return true;
}

// The characters of `text` that `keep`: `text` itself where it holds no
// other (the usual case, which costs no copy), else gathered in `out`.
template <typename Keep>
std::string_view KeepOnly(std::string_view text, std::string& out, Keep keep) {
  size_t end = 0;
  while (end < text.size() && keep(text[end])) ++end;
  if (end == text.size()) return text;
  out.assign(text.data(), end);
  for (size_t i = end; i < text.size(); ++i) {
    if (keep(text[i])) out += text[i];
  }
  return out;
}

// The number that `length` digits at `digits` write, eight at a time where
// the bytes lie in the order of the text (pairs, then fours, then eight).
int64_t DigitsValue(const char* digits, size_t length) {
  int64_t value = 0;
  size_t i = 0;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  for (; length - i >= sizeof(uint64_t); i += sizeof(uint64_t)) {
    uint64_t word;
    std::memcpy(&word, digits + i, sizeof word);
    word -= 0x3030303030303030u;
    word = (word * 10 + (word >> 8)) & 0x00FF00FF00FF00FFu;
    word = (word * 100 + (word >> 16)) & 0x0000FFFF0000FFFFu;
    word = (word * 10000 + (word >> 32)) & 0xFFFFFFFFu;
    value = value * 100000000 + static_cast<int64_t>(word);
  }
#endif
  for (; i < length; ++i) value = value * 10 + (digits[i] - '0');
  return value;
}

// Most counter accounts stand without blanks as prefix-number/bank,
// number/bank or the number alone: read here with one look at each digit.
// False for any other text, which the general reading takes.
bool ReadPlainAccount(std::string_view text, CounterAccountParts* parts) {
  int64_t prefix = 0, bankCode = 0;
  size_t run = LeadingDigits(text);
  if (run < text.size() && text[run] == '-') {
    if (run == 0 || run > 6) return false;
    prefix = DigitsValue(text.data(), run);
    text.remove_prefix(run + 1);
    run = LeadingDigits(text);
  }
  if (run == 0 || run > 10) return false;
  const int64_t number = DigitsValue(text.data(), run);
  if (run < text.size()) {
    const std::string_view bank = text.substr(run + 1);
    if (text[run] != '/' || bank.empty() || bank.size() > 4 || LeadingDigits(bank) != bank.size()) {
      return false;
    }
    bankCode = DigitsValue(bank.data(), bank.size());
  }
  parts->prefix = static_cast<int32_t>(prefix);
  parts->number = number;
  parts->bankCode = static_cast<int32_t>(bankCode);
  return true;
}

// Card payments show the card, its middle digits masked: "516844******1234".
bool IsMaskedCardNumber(std::string_view compact) {
  if (compact.size() < 12 || compact.size() > 19) return false;
  size_t digits = 0, masked = 0;
  for (char c : compact) {
    if (IsDigit(c)) {
      ++digits;
    } else if (c == '*' || c == 'X' || c == 'x') {
      ++masked;
    } else {
      return false;
    }
  }
  return digits >= 4 && masked >= 4;
}

std::string_view TrimPadding(std::string_view text) {
  while (!text.empty() && IsFieldPadding(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsFieldPadding(text.back())) text.remove_suffix(1);
  return text;
}

bool StartsWith(const std::string& text, const char* start) {
  return text.compare(0, std::char_traits<char>::length(start), start) == 0;
}

// "26 Jun 2018": digits, perhaps a point, blanks and a letter.
bool IsDayBeforeMonthName(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i == 0) return false;
  if (i < text.size() && text[i] == '.') ++i;
  const size_t blanks = i;
  while (i < text.size() && text[i] == ' ') ++i;
  return i > blanks && i < text.size() && IsAsciiLetter(text[i]);
}

}  // namespace

bool ReadItemDate(std::string_view text, ItemDate* date, bool monthFirst) {
  // Most dates are DD.MM.YYYY, read here in one step, their digits looked
  // at four at a time.
  if (text.size() == 10 && text[2] == '.' && text[5] == '.') {
    const char dayMonth[4] = {text[0], text[1], text[3], text[4]};
    if (WordOfDigits<uint32_t>(dayMonth) && WordOfDigits<uint32_t>(text.data() + 6)) {
      const auto digit = [text](size_t i) { return static_cast<int32_t>(text[i] - '0'); };
      *date = {digit(6) * 1000 + digit(7) * 100 + digit(8) * 10 + digit(9),
               digit(3) * 10 + digit(4), digit(0) * 10 + digit(1)};
      if (date->year < 1900 || date->year > 2099) return false;
      // Every month has its first 28 days.
      if (date->day >= 1 && date->day <= 28 && date->month >= 1 && date->month <= 12) return true;
      return IsRealDate(*date);
    }
  }
  if (!text.empty() && IsAsciiLetter(text[0])) return ReadMonthNameDate(text, date);
  if (IsDayBeforeMonthName(text)) return ReadMonthNameDate(text, date);
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
  // Dutch "Af"/"Bij", German "Soll"/"Haben", Hungarian "Kiadás"/"Bevétel",
  // Spanish "Cargo"/"Abono", Italian "Addebito"/"Accredito", Polish
  // "Obciążenie"/"Uznanie".
  for (const char* debit :
       {"odchozi", "outgoing", "debit", "debet", "vydaj", "odepsano", "vyber", "out", "d", "dr",
        "db", "-", "af", "soll", "kiadas", "cargo", "addebito", "uscita", "obciazenie"}) {
    if (value == debit) return Direction::kDebit;
  }
  for (const char* credit :
       {"prichozi", "incoming", "credit", "kredit", "prijem", "pripsano", "vklad", "in", "k", "c",
        "cr", "+", "bij", "haben", "bevetel", "abono", "accredito", "entrata", "uznanie"}) {
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

namespace {

CounterAccountParts ReadAccountText(std::string_view account, std::string_view bank,
                                    std::string_view prefix) {
  CounterAccountParts parts;
  if (ReadPlainAccount(account, &parts)) {
    // A bank code or prefix column that holds something other than such a
    // number leaves the account not whole: "010;0" is no bank.
    const auto readsOrEmpty = [](std::string_view text, size_t digits, int32_t* value) {
      // Mostly digits alone or nothing, read with no string made.
      if (text.empty() || ReadDigitsOnly(text, digits, value)) return true;
      std::string kept;
      const std::string_view compact =
          KeepOnly(text, kept, [](char c) { return !IsFieldPadding(c); });
      return compact.empty() || ReadDigitsOnly(compact, digits, value);
    };
    if (!readsOrEmpty(bank, 4, &parts.bankCode) || !readsOrEmpty(prefix, 6, &parts.prefix)) {
      parts.whole = false;
    }
    return parts;
  }
  // Without its blanks: most are written without any.
  std::string kept;
  const std::string_view compact =
      KeepOnly(account, kept, [](char c) { return !IsFieldPadding(c); });
  if (compact.empty()) return parts;
  if (IsMaskedCardNumber(compact)) {
    parts.cardNumber = true;
    return parts;
  }
  if (compact.size() >= 2 && IsAsciiLetter(compact[0]) && IsAsciiLetter(compact[1])) {
    // An IBAN, perhaps with its BIC after a slash; one of another country is
    // read whole, though no Czech account.
    const std::string_view iban = compact.substr(0, compact.find('/'));
    if (!ReadCzechIban(iban, &parts)) {
      parts = CounterAccountParts();
      parts.whole = IsSoundIban(iban);
      if (parts.whole) parts.foreignIban = TrimPadding(account.substr(0, account.find('/')));
    }
    return parts;
  }
  parts.whole = false;
  std::string_view rest = compact;
  const size_t dash = rest.find('-');
  if (dash != std::string_view::npos) {
    if (!ReadDigitsOnly(rest.substr(0, dash), 6, &parts.prefix)) return parts;
    rest.remove_prefix(dash + 1);
  }
  const size_t slash = rest.find('/');
  const std::string_view digits = rest.substr(0, slash);
  if (dash == std::string_view::npos && digits.size() > 10 && digits.size() <= 16) {
    // Prefix and number run together: the last ten digits are the number.
    if (!ReadDigitsOnly(digits.substr(0, digits.size() - 10), 6, &parts.prefix)) {
      return CounterAccountParts(false);
    }
    if (!ReadDigitsOnly(digits.substr(digits.size() - 10), 10, &parts.number)) {
      return CounterAccountParts(false);
    }
  } else if (!ReadDigitsOnly(digits, 10, &parts.number)) {
    return CounterAccountParts(false);
  }
  if (slash != std::string_view::npos) {
    if (!ReadDigitsOnly(rest.substr(slash + 1), 4, &parts.bankCode)) {
      return CounterAccountParts(false);
    }
  }
  ReadDigitsOnly(bank, 4, &parts.bankCode);
  ReadDigitsOnly(prefix, 6, &parts.prefix);
  parts.whole = true;
  return parts;
}

}  // namespace

CounterAccountParts ReadCounterAccountColumns(std::string_view account, std::string_view bank,
                                              std::string_view prefix) {
  CounterAccountParts parts = ReadAccountText(WithoutApostrophes(account), WithoutApostrophes(bank),
                                              WithoutApostrophes(prefix));
  // No account has the number 0: a bank beside it ("0" at bank "100") names
  // none either.
  if (parts.number == 0) parts.prefix = parts.bankCode = 0;
  return parts;
}

std::string_view WithoutApostrophes(std::string_view text) {
  if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'') {
    return text.substr(1, text.size() - 2);
  }
  return text;
}

std::string_view GatherDigits(std::string_view text, std::string& out) {
  return KeepOnly(text, out, IsDigit);
}

size_t LeadingDigits(std::string_view text) {
  constexpr uint64_t kHighHalves = 0xF0F0F0F0F0F0F0F0u;
  constexpr uint64_t kSixes = 0x0606060606060606u;
  constexpr uint64_t kThrees = 0x3333333333333333u;
  size_t i = 0;
  for (; text.size() - i >= sizeof(uint64_t); i += sizeof(uint64_t)) {
    uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    // A digit is 0x30 to 0x39: its high half is 3, and still 3 once 6 is
    // added (a byte that carries into the next is no digit itself).
    if (((word & kHighHalves) | (((word + kSixes) & kHighHalves) >> 4)) != kThrees) break;
  }
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

}  // namespace tarvolo
