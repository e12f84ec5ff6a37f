#include "conversion/reading/servis24_reader.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <string_view>

#include "conversion/reading/csv_field.h"
#include "conversion/reading/item_fields.h"
#include "conversion/reading/layout_values.h"
#include "conversion/values/amount_reading.h"
#include "conversion/values/digits.h"
#include "conversion/values/pattern_scan.h"
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

CounterAccountParts ReadCounterAccount(const char* text) {
  CounterAccountParts account;
  if (!ReadPlainCounterAccount(text, &account)) account = ScanCounterAccount(text);
  if (static_cast<uint32_t>(account.prefix) > kMaxPrefix) account.prefix = 0;
  return account;
}

// The columns of a Servis24 line that make its record, counted from 1.
enum ServisColumn {
  kDateColumn = 2,
  kAmountColumn = 3,
  kCounterColumn = 4,
  kSymbolColumn = 6,
  kCurrencyColumn = 7,
  kConstantColumn = 9,
  kSpecificColumn = 10,
  kMessageColumn = 11,
};

// The ten characters YYYY/MM/DD at `text`, read into `date` (the parts
// read before a fault are those the scan below would read too).
bool ReadPlainDate(const char* text, CivilDate& date) {
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
  // The record's two digits of the year would hide a day that no calendar has.
  *real = IsRealDate(date);
  if (date.year >= 2000) date.year -= 2000;
  return whole;
}

bool HasDigit(const char* text) {
  for (; *text != '\0'; ++text) {
    if (*text >= '0' && *text <= '9') return true;
  }
  return false;
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
  // The texts the item is given, as their copies measured them.
  std::string_view amountText, symbolText, constantText, specificText, descriptionText;
};

void ReadServisTexts(const CsvFieldSpan* fields, ServisTexts& texts) {
  const auto field = [fields](ServisColumn column) { return fields[column - 1]; };
  texts.amountText = {texts.amount,
                      CopyCsvField(field(kAmountColumn), texts.amount, sizeof texts.amount)};
  CopyCsvField(field(kCounterColumn), texts.counter, sizeof texts.counter);
  // Symbols too wide for their fields keep their last characters: those of
  // the whole field, not of what fits the buffer.
  texts.symbolText = {texts.symbol,
                      CopyCsvFieldEnd(field(kSymbolColumn), texts.symbol, sizeof texts.symbol)};
  texts.constantText = {texts.constant, CopyCsvFieldEnd(field(kConstantColumn), texts.constant,
                                                        sizeof texts.constant)};
  texts.specificText = {texts.specific, CopyCsvFieldEnd(field(kSpecificColumn), texts.specific,
                                                        sizeof texts.specific)};
  texts.descriptionText = {texts.description, CopyCsvField(field(kMessageColumn), texts.description,
                                                           sizeof texts.description)};
}

// The fields of a line up to the message. `lineFeed` is the LF that ends
// the line, or null when a NUL comes first.
void SplitServisLine(const char* line, const char* lineFeed, CsvFieldSpan* fields) {
  // Up to its LF no NUL stands; a CR before it ends the line too.
  const char* lineEnd = nullptr;
  if (lineFeed != nullptr) {
    lineEnd = static_cast<const char*>(std::memchr(line, '\r', lineFeed - line));
    if (lineEnd == nullptr) lineEnd = lineFeed;
  } else {
    lineEnd = line + std::strcspn(line, "\r\n");
  }
  SplitCsvLine(line, lineEnd, fields, kMessageColumn);
}

// The currency code in the line's "Měna" column, "" where it holds none.
std::string LineCurrency(const CsvFieldSpan* fields) {
  char text[kFieldBuffer];
  const size_t size = CopyCsvField(fields[kCurrencyColumn - 1], text, sizeof text);
  std::string code = CurrencyCode(std::string_view(text, size));
  if (!IsPlainCurrencyCode(code)) code.clear();
  return code;
}

// Reads the item of one line and hands it to `sink`; returns whether its
// date and amount read. `lineFeed` is the LF that ends the line, or null
// when a NUL comes first.
bool ReadLine(const char* line, const char* lineFeed, int lineNumber, CivilDate& date,
              const ItemSink& sink, std::vector<FieldCut>* reports) {
  CsvFieldSpan fields[kMessageColumn];
  SplitServisLine(line, lineFeed, fields);
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
  ReadServisTexts(fields, texts);
  const CounterAccountParts counter = ReadCounterAccount(texts.counter);

  StatementItem item;
  item.line = lineNumber;
  item.counterPrefix = counter.prefix;
  item.counterNumber = counter.number;
  item.bankCode = counter.bankCode;
  item.documentNumber = texts.symbolText;
  item.variableSymbol = texts.symbolText;
  item.constantSymbol = texts.constantText;
  item.specificSymbol = texts.specificText;
  item.description = texts.descriptionText;
  const std::string currency = LineCurrency(fields);
  item.currency = currency;
  const AmountReading amount = ReadAmount(texts.amountText, AmountRules::kCzechText);
  item.amount = amount.hellers;
  item.amountRest = amount.rest;
  if (amount.status == AmountStatus::kOutOfRange) {
    Report(reports, {lineNumber, kAmountField, FieldCut::Kind::kAmountTooLarge});
  } else if (amount.status == AmountStatus::kPartlyRead ||
             amount.status == AmountStatus::kRefused) {
    Report(reports, {lineNumber, kAmountField, FieldCut::Kind::kAmountPartlyRead, texts.amount});
  }
  item.day = item.valueDay = date.day;
  item.month = item.valueMonth = date.month;
  item.year = item.valueYear = date.year;
  sink(item);
  return dateRead && HasDigit(texts.amount);
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
template <typename Visit>
void ForEachItemLine(const char* statementText, Visit visit) {
  const char* lineEnd = std::strchr(statementText, '\n');
  int lineNumber = 1;
  while (lineEnd != nullptr && lineEnd[1] != '\0') {
    const char* line = lineEnd + 1;
    ++lineNumber;
    lineEnd = std::strchr(line, '\n');
    if (!IsEmptyLine(line)) visit(line, lineEnd, lineNumber);
  }
}

}  // namespace

size_t CountItemLines(const char* statementText) {
  size_t count = 0;
  ForEachItemLine(statementText, [&count](const char*, const char*, int) { ++count; });
  return count;
}

std::string Servis24Currency(const char* statementText) {
  std::map<std::string, int> counts;
  ForEachItemLine(statementText, [&counts](const char* line, const char* lineFeed, int) {
    CsvFieldSpan fields[kMessageColumn];
    SplitServisLine(line, lineFeed, fields);
    std::string code = LineCurrency(fields);
    if (!code.empty()) ++counts[code];
  });
  std::string most;
  int best = 0;
  for (const auto& [code, count] : counts) {
    if (count > best) most = code, best = count;
  }
  return most;
}

bool ReadServis24Items(const char* statementText, const ItemSink& sink,
                       std::vector<FieldCut>* reports, ReadingConfirmation* confirmation,
                       size_t giveUpBeyond) {
  CivilDate date;
  ReadingConfirmation counted;
  const int64_t lines = static_cast<int64_t>(giveUpBeyond);
  bool completed = true;
  ForEachItemLine(statementText, [&](const char* line, const char* lineFeed, int lineNumber) {
    if (!completed) return;
    ++counted.dataLines;
    if (ReadLine(line, lineFeed, lineNumber, date, sink, reports)) ++counted.readable;
    if (lines > 0 && 2 * (counted.dataLines - counted.readable) > lines) completed = false;
  });
  if (confirmation) *confirmation = counted;
  return completed;
}

}  // namespace tarvolo
