#include "conversion/transaction_records.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "conversion/csv_field.h"
#include "conversion/decimal_rounding.h"
#include "conversion/export_totals.h"
#include "conversion/fixed_width.h"
#include "conversion/gpc_records.h"
#include "conversion/number_reading.h"
#include "platform/civil_date.h"
#include "settings/account_settings.h"

namespace tarvolo {

const char kAmountField[] = "částka";

namespace {

// Field texts are handed over in buffers of this size.
constexpr size_t kFieldBuffer = 512;

// An account prefix has at most six digits; anything else is no prefix.
constexpr uint32_t kMaxPrefix = 999999;

bool IsAccountCharacter(char c) {
  return (c >= '0' && c <= '9') || c == '-' || c == ' ' || c == '/';
}

struct CounterAccount {
  int32_t prefix = 0;
  int64_t number = 0;
  int32_t bankCode = 0;
};

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
bool ReadPlainCounterAccount(const char* text, CounterAccount* account) {
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
CounterAccount ScanCounterAccount(const char* text) {
  CounterAccount account;
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

CounterAccount ReadCounterAccount(const char* text) {
  CounterAccount account;
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
  kConstantColumn = 9,
  kSpecificColumn = 10,
  kMessageColumn = 11,
};

// A date written as YYYY/MM/DD at the start of `text`, read into `date`.
bool ReadPlainDate(const char* text, CivilDate& date) {
  const auto digits = [text](int at, int count) {
    int32_t value = 0;
    for (int i = at; i < at + count; ++i) {
      if (text[i] < '0' || text[i] > '9') return -1;
      value = value * 10 + (text[i] - '0');
    }
    return value;
  };
  const int32_t year = digits(0, 4);
  const int32_t month = year >= 0 && text[4] == '/' ? digits(5, 2) : -1;
  const int32_t day = month >= 0 && text[7] == '/' ? digits(8, 2) : -1;
  if (day < 0) return false;
  date = {year, month, day};
  return true;
}

// YYYY/MM/DD; the parts a date lacks stay as the line before left them.
void ReadServisDate(CsvFieldSpan field, int lineNumber, CivilDate& date, ItemRecordWriter& writer) {
  constexpr ptrdiff_t kPlainLength = 10;
  // The usual field, just the date, is read where it stands.
  if (field.end - field.first != kPlainLength || !ReadPlainDate(field.first, date)) {
    char text[kFieldBuffer];
    CopyCsvField(field, text, sizeof text);
    if (!ReadPlainDate(text, date) &&
        ScanPattern(text, "%4d/%2d/%2d", {&date.year, &date.month, &date.day}) < 3) {
      writer.Report(lineNumber, "datum", FieldCut::Kind::kUnreadableDate);
    }
  }
  if (date.year >= 2000) date.year -= 2000;
}

// The texts of a line's record, each in a buffer of its own.
struct ServisTexts {
  char amount[kFieldBuffer];
  char counter[kFieldBuffer];
  char symbol[kFieldBuffer];
  char constant[kFieldBuffer];
  char specific[kFieldBuffer];
  char description[kFieldBuffer];
};

void ReadServisTexts(const CsvFieldSpan* fields, ServisTexts& texts) {
  const auto field = [fields](ServisColumn column) { return fields[column - 1]; };
  CopyCsvField(field(kAmountColumn), texts.amount, sizeof texts.amount);
  CopyCsvField(field(kCounterColumn), texts.counter, sizeof texts.counter);
  // Symbols too wide for their fields keep their last characters: those of
  // the whole field, not of what fits the buffer.
  CopyCsvFieldEnd(field(kSymbolColumn), texts.symbol, sizeof texts.symbol);
  CopyCsvFieldEnd(field(kConstantColumn), texts.constant, sizeof texts.constant);
  CopyCsvFieldEnd(field(kSpecificColumn), texts.specific, sizeof texts.specific);
  CopyCsvField(field(kMessageColumn), texts.description, sizeof texts.description);
}

// `lineFeed` is the LF that ends the line, or null when a NUL comes first.
void AppendRecord(const char* line, const char* lineFeed, int lineNumber, CivilDate& date,
                  std::string& exportText, ItemRecordWriter& writer) {
  // Up to its LF no NUL stands; a CR before it ends the line too.
  const char* lineEnd = nullptr;
  if (lineFeed != nullptr) {
    lineEnd = static_cast<const char*>(std::memchr(line, '\r', lineFeed - line));
    if (lineEnd == nullptr) lineEnd = lineFeed;
  } else {
    lineEnd = line + std::strcspn(line, "\r\n");
  }
  CsvFieldSpan fields[kMessageColumn];
  SplitCsvLine(line, lineEnd, fields, kMessageColumn);
  ReadServisDate(fields[kDateColumn - 1], lineNumber, date, writer);
  ServisTexts texts;
  ReadServisTexts(fields, texts);
  const CounterAccount counter = ReadCounterAccount(texts.counter);

  ItemRecord item;
  item.counterPrefix = counter.prefix;
  item.counterNumber = counter.number;
  item.bankCode = counter.bankCode;
  item.documentNumber = texts.symbol;
  item.variableSymbol = texts.symbol;
  item.constantSymbol = texts.constant;
  item.specificSymbol = texts.specific;
  item.description = texts.description;
  bool tooLarge = false;
  item.amount = ReadAmountText(texts.amount, &tooLarge);
  if (tooLarge) writer.Report(lineNumber, kAmountField, FieldCut::Kind::kAmountTooLarge);
  item.day = date.day;
  item.month = date.month;
  item.year = date.year;
  writer.Append(item, lineNumber, exportText);
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

void AppendTransactionRecords(const char* statementText, std::string& exportText,
                              std::vector<FieldCut>* cuts) {
  CivilDate date;
  ItemRecordWriter writer(cuts);
  ForEachItemLine(statementText, [&](const char* line, const char* lineFeed, int lineNumber) {
    AppendRecord(line, lineFeed, lineNumber, date, exportText, writer);
  });
}

namespace {

// An integer as "%0Nd" renders it: "-" and digits, zeros between up to
// `width` characters, never cut. `out` holds kIntegerSpace bytes; returns
// the length. Only a value below zero needs it: the others are plain digits.
constexpr size_t kIntegerSpace = 48;
size_t ZeroFilledInteger(char* out, int64_t value, size_t width) {
  const uint64_t magnitude =
      value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  char digits[24];
  const size_t count =
      static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
  size_t length = 0;
  if (value < 0) out[length++] = '-';
  while (length + count < width && length + count < kIntegerSpace) out[length++] = '0';
  std::memcpy(out + length, digits, count);
  return length + count;
}

// Beyond this many hellers no header can show a sum; adding stops there.
constexpr int64_t kHellerLimit = 100000000000000000;

// The counter account's field holds the prefix's six digits, then the
// number's ten.
constexpr GpcField kCounterPrefix = {kItemFields[kItemCounterAccount].first, 6,
                                     GpcFieldKind::kNumber, ""};
constexpr GpcField kCounterNumber = {kCounterPrefix.first + 6, 10, GpcFieldKind::kNumber, ""};
static_assert(kCounterPrefix.width + kCounterNumber.width ==
              kItemFields[kItemCounterAccount].width);

// The due date's field holds day, month and year, two digits each.
constexpr size_t kDueDay = kItemFields[kItemDueDate].first;
static_assert(kItemFields[kItemDueDate].width == 6 && kItemFields[kItemDate].width == 6);

}  // namespace

ItemRecordWriter::ItemRecordWriter(std::vector<FieldCut>* cuts) : cuts_(cuts) {
  static_assert(sizeof g_accountSettings.accountNumber + 1 <= kIntegerSpace, "");
  // What every record of the run has in common.
  std::memset(template_, '0', sizeof template_);
  std::memcpy(template_, "075", 3);
  const size_t ownLength =
      strnlen(g_accountSettings.accountNumber, sizeof g_accountSettings.accountNumber);
  PutRightAligned(template_, kItemFields[kItemOwnAccount], g_accountSettings.accountNumber,
                  ownLength, '0');
  const GpcField& description = kItemFields[kItemDescription];
  std::memset(template_ + description.first, ' ', description.width);
  std::memcpy(template_ + kGpcLineWidth, "\r\n", 2);
}

void ItemRecordWriter::PutText(char* record, ItemField field, const char* text,
                               const char* fieldName) {
  if (text == nullptr) text = "";
  if (!PutRightAligned<true>(record, kItemFields[field], text, std::strlen(text), '0')) {
    Report(lineNumber_, fieldName, FieldCut::Kind::kCut);
  }
}

void ItemRecordWriter::PutInteger(char* record, const GpcField& field, int64_t value,
                                  const char* fieldName) {
  bool whole;
  if (value >= 0) {
    whole = PutDigits<true>(record, field, static_cast<uint64_t>(value));
  } else {
    char text[kIntegerSpace];
    whole = PutRightAligned<true>(record, field, text, ZeroFilledInteger(text, value, field.width),
                                  '0');
  }
  if (!whole) Report(lineNumber_, fieldName, FieldCut::Kind::kCut);
}

void ItemRecordWriter::PutDatePart(char* record, size_t at, int32_t value, const char* fieldName) {
  if (value >= 0 && value < 100) {
    record[at] = static_cast<char>('0' + value / 10);
    record[at + 1] = static_cast<char>('0' + value % 10);
    return;
  }
  PutInteger(record, {at, 2, GpcFieldKind::kNumber, ""}, value, fieldName);
}

void ItemRecordWriter::Report(int lineNumber, const char* fieldName, FieldCut::Kind kind) {
  if (cuts_) cuts_->push_back({lineNumber, fieldName, kind});
}

void ItemRecordWriter::PutCounterAccount(char* record, int32_t prefix, int64_t number) {
  if (number < 0) number = -number;
  if (prefix >= 0 && prefix <= 999999) {
    PutDigits<true>(record, kCounterPrefix, static_cast<uint64_t>(prefix));
    if (!PutDigits<true>(record, kCounterNumber, static_cast<uint64_t>(number))) {
      Report(lineNumber_, "číslo protiúčtu", FieldCut::Kind::kCut);
    }
    return;
  }
  // A prefix below zero takes a character of the field for its sign.
  char counter[2 * kIntegerSpace];
  const size_t prefixLength = ZeroFilledInteger(counter, prefix, 6);
  const size_t length = prefixLength + ZeroFilledInteger(counter + prefixLength, number, 10);
  if (length > 16) {
    std::memmove(counter + 6, counter + length - 10, 10);
    Report(lineNumber_, "číslo protiúčtu", FieldCut::Kind::kCut);
  }
  std::memcpy(record + kCounterPrefix.first, counter, 16);
}

void ItemRecordWriter::PutAmount(char* record, double amount) {
  const bool debit = amount < 0;
  const double magnitude = std::fabs(amount);
  if (debit) {
    g_exportTotals.debitSum += magnitude;
  } else {
    g_exportTotals.creditSum += magnitude;
  }
  ++g_exportTotals.itemCount;
  int64_t hellers = 0;
  const bool counted = WholeHellers(magnitude, &hellers);
  int64_t& sum = debit ? g_exportTotals.debitHellers : g_exportTotals.creditHellers;
  if (!counted || hellers >= kHellerLimit || sum + hellers >= kHellerLimit) {
    g_exportTotals.hellersOverflow = true;
  } else {
    sum += hellers;
  }
  const GpcField& field = kItemFields[kItemAmount];
  bool whole;
  if (counted && hellers < kHellerLimit) {
    whole = PutDigits<true>(record, field, static_cast<uint64_t>(hellers));
  } else {
    piece_.clear();
    if (std::isfinite(magnitude * 100.0)) {
      AppendRoundedMagnitude(piece_, magnitude * 100.0, 0);
    } else {
      // Too large for a double once in hellers ("inf" is no amount): the
      // digits of the crowns without their decimal point, cut like any other.
      Render(piece_, "%.2f", {magnitude});
      piece_.erase(piece_.size() - 3, 1);
    }
    whole = PutRightAligned<true>(record, field, piece_.data(), piece_.size(), '0');
  }
  if (!whole) Report(lineNumber_, kAmountField, FieldCut::Kind::kCut);
  record[kItemFields[kItemAccountingCode].first] = debit ? '1' : '2';
  // The currency code field ends with the posting code.
  std::memcpy(record + kItemFields[kItemCurrencyCode].first, debit ? "01101" : "01102", 5);
}

void ItemRecordWriter::Append(const ItemRecord& item, int lineNumber, std::string& exportText) {
  lineNumber_ = lineNumber;
  const size_t at = exportText.size();
  // Every field starts as the template's zeros (the description as its
  // blanks), and each is written once: numbers need only their digits from
  // the highest one that is not zero, texts only their characters.
  exportText.append(template_, sizeof template_);
  char* record = &exportText[at];
  PutCounterAccount(record, item.counterPrefix, item.counterNumber);
  PutText(record, kItemDocumentNumber, item.documentNumber, "číslo dokladu");
  PutAmount(record, item.amount);
  PutText(record, kItemVariableSymbol, item.variableSymbol, "variabilní symbol");
  PutInteger(record, kItemFields[kItemBankCode], item.bankCode, "kód banky");
  PutText(record, kItemConstantSymbol, item.constantSymbol, "konstantní symbol");
  PutText(record, kItemSpecificSymbol, item.specificSymbol, "specifický symbol");
  PutDatePart(record, kDueDay, item.day, "den");
  PutDatePart(record, kDueDay + 2, item.month, "měsíc");
  PutDatePart(record, kDueDay + 4, item.year, "rok");
  const char* description = item.description ? item.description : "";
  const GpcField& descriptionField = kItemFields[kItemDescription];
  PutLeftAligned<true>(record, descriptionField, description,
                       strnlen(description, descriptionField.width), ' ');
  // The value date is the date.
  std::memcpy(record + kItemFields[kItemDate].first, record + kDueDay, 6);
}

}  // namespace tarvolo
