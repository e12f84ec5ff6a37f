#include "conversion/reading/servis24/servis24_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "conversion/reading/layouts/field_values.h"
#include "conversion/reading/layouts/row_kinds.h"
#include "conversion/reading/text/csv_field.h"
#include "conversion/reading/text/item_fields.h"
#include "conversion/values/amount_reading.h"
#include "conversion/values/decimal_rounding.h"
#include "conversion/values/digits.h"
#include "conversion/values/fixed_width.h"
#include "conversion/values/pattern_scan.h"
#include "conversion/values/text_fold.h"
#include "platform/civil_date.h"

namespace tarvolo {

namespace {

// Field texts are handed over in buffers of this size.
constexpr size_t kFieldBuffer = 512;

// An account prefix has at most six digits; anything else is no prefix.
constexpr uint32_t kMaxPrefix = 999999;

bool IsAccountCharacter(char c) {
  return (c >= '0' && c <= '9') || c == '-' || c == ' ' || c == '/';
}

// Reads up to `maxDigits` digits at `*p`, at least one; moves past them.
bool ReadDigitRun(const char** p, int maxDigits, int64_t* value) {
  const char* q = *p;
  int64_t v = 0;
  int count = 0;
  for (unsigned digit; (digit = static_cast<unsigned char>(q[count]) - 0x30u) <= 9; ++count) {
    if (count == maxDigits) return false;
    v = v * 10 + digit;
  }
  if (count == 0) return false;
  *value = v;
  *p = q + count;
  return true;
}

// The usual shapes, prefix-number/bank and number/bank with no blanks or
// signs and no more digits than the scan takes exactly, read directly.
bool ReadPlainCounterAccount(const char* text, CounterAccountParts* account) {
  int64_t prefix = 0, number = 0, bank = 0;
  const char* p = text;
  if (!ReadDigitRun(&p, 18, &number)) return false;
  if (*p == '-') {
    ++p;
    if (number > 999999999) return false;
    prefix = number;
    if (!ReadDigitRun(&p, 18, &number)) return false;
  }
  if (*p++ != '/' || !ReadDigitRun(&p, 9, &bank) || *p != '\0') return false;
  account->prefix = static_cast<int32_t>(prefix);
  account->number = number;
  account->bankCode = static_cast<int32_t>(bank);
  return true;
}

// Reads the account as the scan does: only digits, '-', '/' and blanks make
// an account.
CounterAccountParts ScanCounterAccount(const char* text) {
  CounterAccountParts account;
  for (const char* p = text; *p != '\0'; ++p) {
    if (!IsAccountCharacter(*p)) return account;
  }
  if (std::strchr(text, '-') != nullptr) {
    ScanPattern(text, "%d-%d/%d", {&account.prefix, &account.number, &account.bankCode});
  } else {
    ScanPattern(text, "%d/%d", {&account.number, &account.bankCode});
  }
  return account;
}

// The eight bytes at `p` as one word, as the machine loads them: every
// build of the program runs on a little-endian one, the first byte lowest.
uint64_t EightBytes(const char* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// Whether every byte of `word` is a digit: each has 3 as its high half, and
// still has after adding 6 (a byte that carries into the next is no digit).
bool AllDigitBytes(uint64_t word) {
  constexpr uint64_t kHighHalves = 0xF0F0F0F0F0F0F0F0u;
  constexpr uint64_t kSixes = 0x0606060606060606u;
  constexpr uint64_t kThrees = 0x3333333333333333u;
  return ((word & kHighHalves) | (((word + kSixes) & kHighHalves) >> 4)) == kThrees;
}

// The value of eight digits in one word, the first the most significant:
// pairs of digits, then fours, then the eight, a few steps for all.
uint32_t EightDigitsValue(uint64_t word) {
  word -= 0x3030303030303030u;
  word = (word * 10 + (word >> 8)) & 0x00FF00FF00FF00FFu;
  word = (word * 100 + (word >> 16)) & 0x0000FFFF0000FFFFu;
  return static_cast<uint32_t>(word * 10000 + (word >> 32));
}

// Most counter accounts of a Servis24 export stand in full width, as
// "000019-0123456789/0800": six digits of the prefix, ten of the number and
// four of the bank. Such a text is read with no look for where its parts
// end, and gives what the reading of digit runs gives. Each part is read as
// words of eight digits, the bytes before a shorter one made zeros.
bool ReadServisCounterAccount(std::string_view text, CounterAccountParts* account) {
  if (text.size() != 22 || text[6] != '-' || text[17] != '/') return false;
  const char* p = text.data();
  constexpr uint64_t kZeros = 0x3030303030303030u;
  // The prefix at 0 to 5, the number at 7 to 16 (its first two, then eight),
  // the bank at 18 to 21; no load reaches past the text's 22 bytes.
  const uint64_t prefix = EightBytes(p) << 16 | (kZeros & 0xFFFFu);
  const uint64_t numberHead = (EightBytes(p + 1) & 0xFFFF000000000000u) | (kZeros >> 16);
  const uint64_t numberTail = EightBytes(p + 9);
  const uint64_t bank = (EightBytes(p + 14) & 0xFFFFFFFF00000000u) | (kZeros >> 32);
  if (!AllDigitBytes(prefix) || !AllDigitBytes(numberHead) || !AllDigitBytes(numberTail) ||
      !AllDigitBytes(bank)) {
    return false;
  }
  account->prefix = static_cast<int32_t>(EightDigitsValue(prefix));
  account->number =
      int64_t{EightDigitsValue(numberHead)} * 100000000 + EightDigitsValue(numberTail);
  account->bankCode = static_cast<int32_t>(EightDigitsValue(bank));
  return true;
}

// The account in `field`, whose text is `text` (where it stands or in
// `buffer`). The readings other than by fixed places need the text
// NUL-terminated in `buffer` (of kFieldBuffer bytes).
CounterAccountParts ReadCounterAccount(std::string_view text, CsvFieldSpan field, char* buffer) {
  CounterAccountParts account;
  if (!ReadServisCounterAccount(text, &account)) {
    CopyCsvField(field, buffer, kFieldBuffer);
    if (!ReadPlainCounterAccount(buffer, &account)) account = ScanCounterAccount(buffer);
  }
  if (static_cast<uint32_t>(account.prefix) > kMaxPrefix) account.prefix = 0;
  return account;
}

// The columns of a Servis24 line that make its record, counted from 1.
enum ServisColumn {
  kDateColumn = 2,
  kAmountColumn = 3,
  kCounterColumn = 4,
  kNameColumn = 5,
  kSymbolColumn = 6,
  kCurrencyColumn = 7,
  kConstantColumn = 9,
  kSpecificColumn = 10,
  kMessageColumn = 11,
};

// A year of two digits is of this century, as the program has always read
// it ("0014/09/24" is 24 September 2014).
void WholeYear(CivilDate& date) {
  if (date.year >= 0 && date.year < 100) date.year += 2000;
}

// The ten characters YYYY/MM/DD at `text`, read into `date` (the parts
// read before a fault are those the scan below would read too).
bool ReadPlainDate(const char* text, CivilDate& date) {
  // Nearly every date: its eight digits put together as one word, YYYYMMDD,
  // and read at once.
  if (text[4] == '/' && text[7] == '/') {
    const uint64_t head = EightBytes(text);
    const uint64_t digits = (head & 0xFFFFFFFFu) | (head >> 8 & 0x0000FFFF00000000u) |
                            (EightBytes(text + 2) & 0xFFFF000000000000u);
    if (AllDigitBytes(digits)) {
      const uint32_t value = EightDigitsValue(digits);
      date.year = static_cast<int32_t>(value / 10000);
      date.month = static_cast<int32_t>(value / 100 % 100);
      date.day = static_cast<int32_t>(value % 100);
      return true;
    }
  }
  const std::string_view plain(text, 10);
  return plain[4] == '/' && plain[7] == '/' && ReadDigitsOnly(plain.substr(0, 4), 4, &date.year) &&
         ReadDigitsOnly(plain.substr(5, 2), 2, &date.month) &&
         ReadDigitsOnly(plain.substr(8, 2), 2, &date.day);
}

// YYYY/MM/DD; the parts a date lacks stay as the line before left them.
// Returns whether the field gave all three.
bool ReadServisDate(CsvFieldSpan field, CivilDate& date, bool* real) {
  constexpr ptrdiff_t kPlainLength = 10;
  bool whole = true;
  // The usual field, just the date, is read where it stands; any other
  // text as a scan of the pattern reads it.
  if (field.end - field.first != kPlainLength || !ReadPlainDate(field.first, date)) {
    char text[kFieldBuffer];
    CopyCsvField(field, text, sizeof text);
    whole = ScanPattern(text, "%4d/%2d/%2d", {&date.year, &date.month, &date.day}) == 3;
  }
  // The year made whole would hide a day that no calendar has.
  *real = IsRealDate(date);
  WholeYear(date);
  return whole;
}

void Report(std::vector<FieldCut>* reports, FieldCut report) {
  if (reports) reports->push_back(std::move(report));
}

// The texts of a line's record, each in a buffer of its own.
struct ServisTexts {
  char amount[kFieldBuffer];
  char counter[kFieldBuffer];
  char symbol[kFieldBuffer];
  char constant[kFieldBuffer];
  char specific[kFieldBuffer];
  char description[kFieldBuffer];
  char name[kFieldBuffer];
  // The texts the item is given, as their copies measured them.
  std::string_view amountText, counterText, symbolText, constantText, specificText, descriptionText,
      nameText;
  std::string currency;
  // The item of these texts: the fields a line gives are each set anew for
  // its item, the others are never set.
  StatementItem item;
  std::string nameLine;         // the name, where a quoted field holds tabs or line breaks
  std::string descriptionLine;  // the message, where it runs across lines
};

// The amount's text is read only where `amountRead` says it was not read
// already; a report of it needs it NUL-terminated.
void ReadServisTexts(const CsvFieldSpan* fields, ServisTexts& texts, bool amountRead) {
  const auto field = [fields](ServisColumn column) { return fields[column - 1]; };
  if (!amountRead) {
    texts.amountText = {texts.amount,
                        CopyCsvField(field(kAmountColumn), texts.amount, sizeof texts.amount)};
  }
  texts.counterText = CsvFieldText(field(kCounterColumn), texts.counter, sizeof texts.counter);
  // Symbols too wide for their fields keep their last characters: those of
  // the whole field, not of what fits the buffer.
  texts.symbolText = CsvFieldTextEnd(field(kSymbolColumn), texts.symbol, sizeof texts.symbol);
  texts.constantText =
      CsvFieldTextEnd(field(kConstantColumn), texts.constant, sizeof texts.constant);
  texts.specificText =
      CsvFieldTextEnd(field(kSpecificColumn), texts.specific, sizeof texts.specific);
  texts.descriptionText =
      CsvFieldText(field(kMessageColumn), texts.description, sizeof texts.description);
  // A message quoted across lines is one line in the record, its breaks
  // and tabs blanks; one of a line keeps its tabs as records always have.
  const std::string_view message = texts.descriptionText;
  if (field(kMessageColumn).mayHoldQuotes && !message.empty() &&
      (std::memchr(message.data(), '\n', message.size()) != nullptr ||
       std::memchr(message.data(), '\r', message.size()) != nullptr)) {
    texts.descriptionText = OneLine(message, message.size(), texts.descriptionLine);
  }
  // The GPC record has no field for the name; a camt statement names the
  // counterparty by it, as it does for the other banks' items.
  texts.nameText = OneLine(CsvFieldText(field(kNameColumn), texts.name, sizeof texts.name),
                           kMessageWidth, texts.nameLine);
}

// Whether a field before the message holds a line break.
bool BreakBeforeMessage(const CsvFieldSpan* fields) {
  for (int column = 0; column + 1 < kMessageColumn; ++column) {
    const CsvFieldSpan& field = fields[column];
    if (field.first == nullptr || field.end <= field.first) continue;
    const size_t size = static_cast<size_t>(field.end - field.first);
    if (std::memchr(field.first, '\n', size) != nullptr ||
        std::memchr(field.first, '\r', size) != nullptr) {
      return true;
    }
  }
  return false;
}

// The currency code in the line's "Měna" column, "" where it holds none.
std::string LineCurrency(const CsvFieldSpan* fields) {
  char text[kFieldBuffer];
  std::string code = CurrencyCode(CsvFieldText(fields[kCurrencyColumn - 1], text, sizeof text));
  if (!IsPlainCurrencyCode(code)) code.clear();
  return code;
}

// The item of a line whose fields stand at `fields`, its texts in `texts`
// (which must outlive it); the date is `date` as the line left it.
const StatementItem& ItemOf(const CsvFieldSpan* fields, int lineNumber, const CivilDate& date,
                            ServisTexts& texts, AmountReading* amount, bool amountRead = false) {
  ReadServisTexts(fields, texts, amountRead);
  const CounterAccountParts counter =
      ReadCounterAccount(texts.counterText, fields[kCounterColumn - 1], texts.counter);
  StatementItem& item = texts.item;
  item.line = lineNumber;
  item.counterPrefix = counter.prefix;
  item.counterNumber = counter.number;
  item.bankCode = counter.bankCode;
  item.counterName = texts.nameText;
  item.documentNumber = texts.symbolText;
  item.variableSymbol = texts.symbolText;
  item.constantSymbol = texts.constantText;
  item.specificSymbol = texts.specificText;
  item.description = texts.descriptionText;
  texts.currency = LineCurrency(fields);
  item.currency = texts.currency;
  if (!amountRead) *amount = ReadAmount(texts.amountText, AmountRules::kCzechText);
  item.amount = amount->hellers;
  item.amountRest = amount->rest;
  item.day = item.valueDay = date.day;
  item.month = item.valueMonth = date.month;
  item.year = item.valueYear = date.year;
  return item;
}

// Where a line ends: at its first CR before `lineFeed`, at `lineFeed`, or,
// with no LF (null), at its first CR, LF or NUL.
const char* LineEnd(const char* line, const char* lineFeed) {
  if (lineFeed == nullptr) return line + std::strcspn(line, "\r\n");
  const char* end = static_cast<const char*>(std::memchr(line, '\r', lineFeed - line));
  return end != nullptr ? end : lineFeed;
}

// Reads the item of one line and hands it to `sink`. `lineFeed` is the LF
// that ends the line, or null when a NUL comes first.
void ReadLine(const char* line, const char* lineFeed, int lineNumber, CivilDate& date,
              const ItemSink& sink, std::vector<FieldCut>* reports) {
  CsvFieldSpan fields[kMessageColumn];
  SplitCsvLine(line, LineEnd(line, lineFeed), fields, kMessageColumn);
  bool realDate = true;
  const bool dateRead = ReadServisDate(fields[kDateColumn - 1], date, &realDate);
  if (!dateRead) {
    Report(reports, {lineNumber, "datum", FieldCut::Kind::kUnreadableDate});
  } else if (!realDate && reports) {
    char text[kFieldBuffer];
    CopyCsvField(fields[kDateColumn - 1], text, sizeof text);
    Report(reports, {lineNumber, "datum", FieldCut::Kind::kImpossibleDate, text});
  }
  ServisTexts texts;
  AmountReading amount;
  const StatementItem& item = ItemOf(fields, lineNumber, date, texts, &amount);
  if (amount.status == AmountStatus::kOutOfRange) {
    Report(reports, {lineNumber, kAmountField, FieldCut::Kind::kAmountTooLarge});
  } else if (amount.status == AmountStatus::kPartlyRead ||
             amount.status == AmountStatus::kRefused) {
    Report(reports, {lineNumber, kAmountField, FieldCut::Kind::kAmountPartlyRead, texts.amount});
  }
  sink(item);
}

// A line whose every field reads as empty text (nothing, or only separators,
// quotes and blanks) is no item: it would be a payment the bank never made.
bool IsEmptyLine(const char* line) {
  for (const char* p = line; *p != '\0' && *p != '\r' && *p != '\n'; ++p) {
    if (*p != ';' && *p != '"' && !IsBlank(static_cast<unsigned char>(*p))) return false;
  }
  return true;
}

// Calls `visit`(line start, its LF or null, line number) for every line
// after the header that yields a record.
// `textEnd` is where the text ends at its NUL byte, found once: each
// line's LF is then looked for among known bytes, not each byte tested for
// the NUL as well.
template <typename Visit>
void ForEachItemLine(const char* statementText, const char* textEnd, Visit visit) {
  const auto nextLineFeed = [textEnd](const char* from) {
    return static_cast<const char*>(std::memchr(from, '\n', textEnd - from));
  };
  const char* lineEnd = nextLineFeed(statementText);
  int lineNumber = 1;
  while (lineEnd != nullptr && lineEnd + 1 != textEnd) {
    const char* line = lineEnd + 1;
    ++lineNumber;
    lineEnd = nextLineFeed(line);
    if (!IsEmptyLine(line)) visit(line, lineEnd, lineNumber);
  }
}

// Servis24 writes an amount as "-12 500,00": a sign, digits in groups of
// three, a decimal comma; "12.500" or "1e3" are another program's numbers.
bool IsServisAmountText(std::string_view text) {
  bool digit = false, comma = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == ',' && !comma) {
      comma = true;
    } else if (!((c == '-' || c == '+') && i == 0) && c != ' ' && c != 0xA0) {
      return false;
    }
  }
  return digit;
}

// Whether an amount IsServisAmountText takes has digits other than zeros
// after the second one past its decimal comma.
bool HasPlacesBeyondHellers(std::string_view amount) {
  // Nearly every amount has its only comma before two places.
  if (amount.size() >= 3 && amount[amount.size() - 3] == ',') return false;
  const size_t comma = amount.find(',');
  if (comma == std::string_view::npos || amount.size() - comma <= 3) return false;
  int places = 0;
  for (size_t i = comma + 1; i < amount.size(); ++i) {
    if (amount[i] < '0' || amount[i] > '9') continue;
    if (++places > 2 && amount[i] != '0') return true;
  }
  return false;
}

// Calls `visit`(line start, line end, line number) for every line of
// `text`, each ending at LF, CR LF or a CR alone.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  int lineNumber = 0;
  const char* const last = text.data() + text.size();
  // The next LF is looked for once and kept until the lines pass it, so
  // that a text of CRs alone is not searched to its end for every line.
  const char* lineFeed = static_cast<const char*>(std::memchr(text.data(), '\n', text.size()));
  for (const char* at = text.data(); at < last;) {
    if (lineFeed != nullptr && lineFeed < at) {
      lineFeed = static_cast<const char*>(std::memchr(at, '\n', last - at));
    }
    const char* stop = lineFeed != nullptr ? lineFeed : last;
    const char* carriage = static_cast<const char*>(std::memchr(at, '\r', stop - at));
    const char* end = carriage != nullptr ? carriage : stop;
    // A visit that returns false stops the walk.
    if constexpr (std::is_same_v<decltype(visit(at, end, 0)), bool>) {
      if (!visit(at, end, ++lineNumber)) return;
    } else {
      visit(at, end, ++lineNumber);
    }
    at = end;
    if (at < last && *at == '\r') ++at;
    if (at < last && *at == '\n' && (at == end || *end == '\r')) ++at;
  }
}

bool IsEmptyText(const char* line, const char* end) {
  for (const char* p = line; p < end; ++p) {
    if (*p != ';' && *p != '"' && !IsBlank(static_cast<unsigned char>(*p))) return false;
  }
  return true;
}

// One line read whole, or why not (Windows-1250).
struct StrictLine {
  int32_t fieldCount = 0;  // its separators and one, quotes not minded
  CsvFieldSpan fields[kMessageColumn];
  AmountReading amount;
  CivilDate date;
  std::string fault;
  // An amount of more places than hellers, which its rounding changed:
  // kept rounded, and named.
  std::string rounded;
};

// Reads into `read` anew: what a line before left in it is not looked at
// where this one's fault is named, and is overwritten where it is none.
void ReadStrictLine(const char* line, const char* end, StrictLine* read) {
  read->fault.clear();
  read->rounded.clear();
  SplitCsvLine(line, end, read->fields, kMessageColumn);
  // Past the message only its separators are left to count.
  const CsvFieldSpan& message = read->fields[kMessageColumn - 1];
  read->fieldCount = message.first == nullptr
                         ? 1 + static_cast<int32_t>(std::count(line, end, ';'))
                         : kMessageColumn + static_cast<int32_t>(std::count(message.end, end, ';'));
  if (read->fieldCount < kMessageColumn) {
    Render(read->fault, "řádek má %d polí, Servis24 jich píše nejméně %d",
           {read->fieldCount, int32_t{kMessageColumn}});
    return;
  }
  char text[kFieldBuffer];
  const std::string_view date = CsvFieldText(read->fields[kDateColumn - 1], text, sizeof text);
  const std::string_view shown = date.substr(0, 20);
  if (date.size() != 10 || !ReadPlainDate(date.data(), read->date)) {
    Render(read->fault, "datum \"%s\" není ve tvaru RRRR/MM/DD", {std::string(shown)});
    return;
  }
  if (!IsRealDate(read->date)) {
    Render(read->fault, "datum %s není skutečný den", {std::string(shown)});
    return;
  }
  WholeYear(read->date);
  const std::string_view amount = CsvFieldText(read->fields[kAmountColumn - 1], text, sizeof text);
  read->amount = ReadAmount(amount, AmountRules::kCzechText);
  if (!IsServisAmountText(amount) || read->amount.status != AmountStatus::kRead) {
    Render(read->fault, "částku \"%s\" nelze přečíst celou", {std::string(amount.substr(0, 20))});
  } else if (HasPlacesBeyondHellers(amount)) {
    Render(read->rounded, "částka %s má víc než dvě desetinná místa, zapsána zaokrouhlená na %.2f",
           {std::string(amount.substr(0, 20)), Crowns(read->amount.hellers)});
  }
}

bool DateColumnHasDigit(const char* line, const char* end) {
  CsvFieldSpan fields[kDateColumn];
  SplitCsvLine(line, end, fields, kDateColumn);
  const CsvFieldSpan date = fields[kDateColumn - 1];
  return date.first != nullptr && std::find_if(date.first, date.end, [](char c) {
                                    return c >= '0' && c <= '9';
                                  }) != date.end;
}

// The header of Servis24's exports names its amount and counter account
// columns where its items have them.
bool IsServis24Header(const char* line, const char* end) {
  if (1 + std::count(line, end, ';') < kMessageColumn) return false;
  CsvFieldSpan fields[kCounterColumn];
  SplitCsvLine(line, end, fields, kCounterColumn);
  char text[kFieldBuffer];
  CopyCsvField(fields[kAmountColumn - 1], text, sizeof text);
  if (NormaliseColumnName(text) != "castka") return false;
  CopyCsvField(fields[kCounterColumn - 1], text, sizeof text);
  return NormaliseColumnName(text) == "protiucet";
}

}  // namespace

size_t CountItemLines(const char* statementText, size_t length) {
  size_t count = 0;
  ForEachItemLine(statementText, statementText + length,
                  [&count](const char*, const char*, int) { ++count; });
  return count;
}

std::string FirstServis24Currency(std::string_view text) {
  std::string code;
  // Lines as the reading sees them: a header's "Měna" is no code.
  ForEachLine(text, [&](const char* line, const char* end, int) {
    CsvFieldSpan fields[kCurrencyColumn];
    SplitCsvLine(line, end, fields, kCurrencyColumn);
    code = LineCurrency(fields);
    return code.empty();
  });
  return code;
}

void ReadServis24Items(const char* statementText, const ItemSink& sink,
                       std::vector<FieldCut>* reports) {
  CivilDate date;
  ForEachItemLine(statementText, statementText + std::strlen(statementText),
                  [&](const char* line, const char* lineFeed, int lineNumber) {
                    ReadLine(line, lineFeed, lineNumber, date, sink, reports);
                  });
}

namespace {

// The lines whose field counts decide the count of a file's lines.
constexpr int32_t kSampledLines = 100;

// The fields of a line as its quotes tell them. `shifted` tells whether a
// separator within quotes stands before the message: the reading by
// position, which knows no quotes, would take its values from the wrong
// columns.
int32_t QuotedFields(const char* line, const char* end, bool* shifted) {
  *shifted = false;
  if (std::memchr(line, '"', end - line) == nullptr) {
    return 1 + static_cast<int32_t>(std::count(line, end, ';'));
  }
  int32_t fields = 1;
  int32_t separated = 1;
  bool quoted = false;
  *shifted = false;
  for (const char* p = line; p != end; ++p) {
    if (*p == '"') {
      quoted = !quoted;
    } else if (*p == ';') {
      ++separated;
      if (!quoted) {
        ++fields;
      } else if (separated <= kMessageColumn) {
        *shifted = true;
      }
    }
  }
  return fields;
}

// Whether a line that is no item names itself a total in one of its fields.
bool IsTotalLine(const char* line, const char* end) {
  std::vector<std::string_view> fields;
  for (const char* field = line;;) {
    const char* stop = std::find(field, end, ';');
    fields.emplace_back(field, static_cast<size_t>(stop - field));
    if (stop == end) break;
    field = stop + 1;
  }
  return IsTotalRow(fields);
}

// Whether the text from `line` to `end` leaves a quote open.
bool LeavesQuoteOpen(const char* line, const char* end) {
  bool open = false;
  for (const char* p = line;
       (p = static_cast<const char*>(std::memchr(p, '"', end - p))) != nullptr; ++p) {
    open = !open;
  }
  return open;
}

// Where a record whose line `line` to `end` leaves a quote open ends: at the
// end of the line that closes it, `*more` getting the lines it runs on. A
// quote no line closes within kJoinedLines is read to its own line's end.
const char* JoinedRecordEnd(const char* end, const char* last, int32_t* more) {
  constexpr int32_t kJoinedLines = 50;
  *more = 0;
  bool open = true;
  for (const char* at = end; open && *more < kJoinedLines && at < last;) {
    const char* next = at;
    if (*next == '\r') ++next;
    if (next < last && *next == '\n' && (next == at || *at == '\r')) ++next;
    if (next >= last) break;
    at = next;
    while (at < last && *at != '\r' && *at != '\n') ++at;
    ++*more;
    if (LeavesQuoteOpen(next, at)) open = false;
    if (!open) return at;
  }
  *more = 0;
  return end;
}

// Calls `visit`(record start, record end, first line number, lines it runs
// on to) for every record of `text`: a line, or the lines a quoted field
// runs across.
template <typename Visit>
void ForEachRecord(std::string_view text, Visit visit) {
  const char* const last = text.data() + text.size();
  int32_t joined = 0;
  ForEachLine(text, [&](const char* line, const char* end, int lineNumber) {
    if (joined > 0) {
      --joined;
      return true;
    }
    if (std::memchr(line, '"', end - line) != nullptr && LeavesQuoteOpen(line, end)) {
      end = JoinedRecordEnd(end, last, &joined);
    }
    return visit(line, end, lineNumber, joined);
  });
}

// The number of fields more than half of the first lines that are not
// empty have, 0 where they do not agree: a line of another number has lost
// or gained a separator, and its values stand in other columns. A hundred
// lines tell it as well as a million.
int32_t LineWidth(std::string_view text) {
  std::map<int32_t, int32_t> widths;
  int32_t lines = 0;
  ForEachRecord(text, [&](const char* line, const char* end, int, int32_t) {
    if (IsEmptyText(line, end)) return true;
    bool shifted = false;
    ++widths[QuotedFields(line, end, &shifted)];
    return ++lines < kSampledLines;
  });
  for (const auto& [width, count] : widths) {
    if (2 * count > lines) return width;
  }
  return 0;
}

// `failures` of a quick look that stops where the lines fail from the start.
constexpr int32_t kQuickLook = -1;

// Reads the lines as ReadServis24Lines does, handing items to `sink` where
// one is given, and stops once more than `failures` lines failed (or as
// kQuickLook says) under no header of its own.
void ReadLines(std::string_view text, const ItemSink* sink, int32_t width, int32_t failures,
               Servis24Lines* lines) {
  *lines = Servis24Lines();
  const char* const last = text.data() + text.size();
  int32_t joined = 0;  // lines a record ran on to, passed over as their own
  // One for all lines: its texts keep their room from line to line. So do
  // the texts of the items, each set anew for each item.
  StrictLine read;
  ServisTexts texts;
  ForEachLine(text, [&](const char* line, const char* end, int lineNumber) {
    if (joined > 0) {
      --joined;
      return true;
    }
    ReadStrictLine(line, end, &read);
    // A quoted field may run across lines: the record ends where it closes.
    // The split has looked for quotes in the line already.
    if (read.fields[0].mayHoldQuotes && LeavesQuoteOpen(line, end)) {
      end = JoinedRecordEnd(end, last, &joined);
      if (joined > 0) {
        read = StrictLine();
        ReadStrictLine(line, end, &read);
        // Only the message may run across lines: a break in a field before
        // it leaves the row damaged, never inside a record.
        if (read.fault.empty() && BreakBeforeMessage(read.fields)) {
          read.fault = "pole před zprávou přesahuje na další řádek";
        }
      }
    }
    const int32_t more = joined;
    lines->lines += 1 + more;
    if (IsEmptyText(line, end)) {
      lines->empty += 1 + more;
      return true;
    }
    // A header names its date column; a first line with a date there, even
    // one that does not read, is a row.
    if (lineNumber == 1 && !read.fault.empty() && !DateColumnHasDigit(line, end)) {
      lines->header = 1 + more;
      lines->servis24Header = IsServis24Header(line, end);
      lines->confirmation.knownHeader = lines->servis24Header;
      return true;
    }
    // A total ("Celkem;;12 345,00") is no item and no damaged row.
    if (!read.fault.empty() && !DateColumnHasDigit(line, end) && IsTotalLine(line, end)) {
      lines->totals += 1 + more;
      return true;
    }
    ++lines->confirmation.dataLines;
    bool shifted = false;
    // The split looked for quotes in the whole line already.
    const int32_t fields =
        !read.fields[0].mayHoldQuotes ? read.fieldCount : QuotedFields(line, end, &shifted);
    if (read.fault.empty() && shifted) {
      read.fault = "oddělovač v uvozovkách před zprávou posouvá sloupce";
    } else if (read.fault.empty() && width > 0 && fields != width) {
      Render(read.fault, "řádek má %d polí, ostatní řádky %d", {fields, width});
    }
    if (!read.fault.empty()) {
      lines->leftOut.push_back({lineNumber, read.fault});
      lines->joinedLeftOut += more;
      const int32_t failed = static_cast<int32_t>(lines->leftOut.size());
      const bool hopeless = failures == kQuickLook
                                ? failed > 2 && 2 * failed > lines->confirmation.dataLines
                                : failed > failures;
      return lines->servis24Header || !hopeless;
    }
    ++lines->confirmation.readable;
    ++lines->items;
    lines->joinedItems += more;
    if (!read.rounded.empty()) lines->rounded.push_back({lineNumber, read.rounded});
    if (sink == nullptr) return true;
    (*sink)(ItemOf(read.fields, lineNumber, read.date, texts, &read.amount, true));
    return true;
  });
}

}  // namespace

void ReadServis24Lines(std::string_view text, const ItemSink& sink, Servis24Lines* lines) {
  ReadLines(text, &sink, LineWidth(text), std::numeric_limits<int32_t>::max(), lines);
}

bool HasServis24Header(std::string_view text) {
  const size_t end = std::min(text.find('\n'), text.find('\r'));
  return IsServis24Header(text.data(), text.data() + std::min(end, text.size()));
}

bool Servis24MayConfirm(std::string_view text) {
  // A quick look: a file whose lines fail by position from its start, more
  // than two and more than half of them, is taken for no Servis24 file
  // unless its header is Servis24's own.
  Servis24Lines lines;
  ReadLines(text, nullptr, 0, kQuickLook, &lines);
  return lines.Confirmed();
}

}  // namespace tarvolo
